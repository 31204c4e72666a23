// palettepage.cpp - page and cell arithmetic of the palette view.
#include "core/palette/palettepage.h"

#include <algorithm>

namespace prismara {

std::int32_t PalettePage::pageCount(std::int32_t colorCount)
{
    if (colorCount <= 0)
        return 1;
    return (colorCount - 1) / kCells + 1;
}

std::int32_t PalettePage::recordAt(std::int32_t colorCount, std::int32_t page, int cell)
{
    if (page < 1 || cell < 0 || cell >= kCells)
        return 0;
    // 64-bit so that a large page number cannot overflow.
    const std::int64_t record = std::int64_t{colorCount} - (std::int64_t{page} - 1) * kCells - cell;
    return record < 1 ? 0 : static_cast<std::int32_t>(record);
}

PalettePage::Records PalettePage::records(std::int32_t colorCount, std::int32_t page)
{
    const std::int32_t last = recordAt(colorCount, page, 0);
    if (last < 1)
        return {};
    return {std::max<std::int32_t>(1, last - (kCells - 1)), last};
}

int PalettePage::cellOf(std::int32_t colorCount, std::int32_t page, std::int32_t record)
{
    const Records shown = records(colorCount, page);
    if (shown.empty() || record < shown.first || record > shown.last)
        return -1;
    return shown.last - record;
}

} // namespace prismara
