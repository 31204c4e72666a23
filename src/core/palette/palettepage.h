// palettepage.h - which palette record each of the 216 cells of the palette view shows.
//
// The view shows the newest colour first: on page p, cell i shows record
// N - (p - 1) * 216 - i of a palette of N colours, and nothing when that is below 1. Cells are
// filled column by column, 12 rows high and 18 columns wide.
#pragma once

#include <cstdint>

namespace prismara {

class PalettePage
{
public:
    static constexpr int kCells = 216;
    static constexpr int kRows = 12;
    static constexpr int kColumns = 18;

    // Records first..last (1-based, inclusive, first <= last unless empty) shown on a page.
    struct Records
    {
        std::int32_t first = 1;
        std::int32_t last = 0;
        bool empty() const { return last < first; }
        std::int32_t size() const { return empty() ? 0 : last - first + 1; }
    };

    // (N - 1) div 216 + 1, and 1 for an empty palette.
    static std::int32_t pageCount(std::int32_t colorCount);

    // The record cell `cell` shows on page `page`, or 0 when the cell is empty (beyond the
    // palette, or an argument out of range).
    static std::int32_t recordAt(std::int32_t colorCount, std::int32_t page, int cell);

    // The records a page shows: record `last` is in cell 0, record `first` in the last filled cell.
    static Records records(std::int32_t colorCount, std::int32_t page);

    // The cell that shows `record` on `page`, or -1 when the page does not show it.
    static int cellOf(std::int32_t colorCount, std::int32_t page, std::int32_t record);

    static constexpr int column(int cell) { return cell / kRows; }
    static constexpr int row(int cell) { return cell % kRows; }
};

} // namespace prismara
