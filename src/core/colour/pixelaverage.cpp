// pixelaverage.cpp - sums of linear-light channels over an area.
#include "core/colour/pixelaverage.h"

#include "core/colour/colorspaces.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace prismara {

namespace {
// Linear light of each 8-bit channel value, from the exact table of the colour models.
const std::array<double, 256>& LinearTable()
{
    static const std::array<double, 256> table = [] {
        std::array<double, 256> t{};
        for (int v = 0; v < 256; ++v)
            t[static_cast<std::size_t>(v)] = LinearOf(MakeColor(v, v, v)).r;
        return t;
    }();
    return table;
}
} // namespace

PixelRect SampleSquare(int x, int y, int size)
{
    const int half = size / 2;
    return {x - half, y - half, size, size};
}

PixelRect SpannedRect(int x1, int y1, int x2, int y2)
{
    return {std::min(x1, x2), std::min(y1, y2), std::abs(x2 - x1) + 1, std::abs(y2 - y1) + 1};
}

ColorValue LinearAverage(const PixelView& view, PixelRect area)
{
    // 64-bit bounds: a rectangle near the int limits must not wrap.
    const long long left = std::max<long long>(area.left, 0);
    const long long top = std::max<long long>(area.top, 0);
    const long long right = std::min<long long>(static_cast<long long>(area.left) + area.width, view.width);
    const long long bottom = std::min<long long>(static_cast<long long>(area.top) + area.height, view.height);
    if (view.pixels == nullptr || left >= right || top >= bottom)
        return -1;
    const std::array<double, 256>& linear = LinearTable();
    double red = 0, green = 0, blue = 0;
    for (long long y = top; y < bottom; ++y) {
        const std::uint32_t* row = view.pixels + y * view.stride;
        for (long long x = left; x < right; ++x) {
            const std::uint32_t p = row[x];
            red += linear[(p >> 16) & 0xFF];
            green += linear[(p >> 8) & 0xFF];
            blue += linear[p & 0xFF];
        }
    }
    // A mean never exceeds the largest value; the clamp only guards the last bit of the division.
    const double count = static_cast<double>((right - left) * (bottom - top));
    const auto mean = [count](double sum) { return std::min(1.0, sum / count); };
    return ToColor(LinearSrgb{mean(red), mean(green), mean(blue)});
}

} // namespace prismara
