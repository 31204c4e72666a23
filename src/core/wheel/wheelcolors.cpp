// wheelcolors.cpp - the twelve wheel colours on the RGB and the RYB wheel.
//
// Hues are on the program's shifted scale (red 60). The RYB wheel maps ordinary hue 0-60 (red to
// yellow) onto RYB angles 0-120 and hue 60-360 onto 120-360, steps round the RYB circle in 30
// degrees and maps each step back to an ordinary hue.
#include "core/wheel/wheelcolors.h"

#include "core/colour/clrmodels.h"
#include "core/colour/colorspaces.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <cstdint>

namespace prismara {

namespace {

constexpr std::size_t kCompanions = kWheelCells - 1;

// numerator / denominator rounded to the nearest integer, halves to even; numerator >= 0,
// denominator > 0. Exact: no floating point is involved.
constexpr int roundDiv(int numerator, int denominator)
{
    const int quotient = numerator / denominator;
    const int twiceRemainder = 2 * (numerator % denominator);
    if (twiceRemainder > denominator || (twiceRemainder == denominator && quotient % 2 != 0))
        return quotient + 1;
    return quotient;
}

// Keeps a hue in 0-360: 360 itself stays, above it wraps once.
constexpr int wrapAbove360(int hue)
{
    return hue > 360 ? hue - 360 : hue;
}

// Ordinary hue 0-359 to the RYB angle 0-359: (hue - 60) * 4 / 5 + 120 beyond yellow.
constexpr int rybAngle(int hue)
{
    return hue <= 60 ? 2 * hue : roundDiv((hue - 60) * 4 + 120 * 5, 5);
}

// RYB angle 0-359 back to ordinary hue 0-359: (angle - 120) * 5 / 4 + 60 beyond yellow.
constexpr int ordinaryHue(int angle)
{
    return angle <= 120 ? roundDiv(angle, 2) : roundDiv((angle - 120) * 5 + 60 * 4, 4);
}

// The hues (shifted scale) of cells 1-11 of the RYB wheel built from the hue H (0-360).
constexpr std::array<std::int16_t, kCompanions> rybCompanionHues(int hue)
{
    int ordinary = hue - 60;
    if (ordinary < 0)
        ordinary += 360;
    const int base = wrapAbove360(rybAngle(ordinary) + 60);
    std::array<std::int16_t, kCompanions> hues{};
    for (int i = 1; i < kWheelCells; ++i) {
        int angle = wrapAbove360(base + 30 * i) - 60;
        if (angle < 0)
            angle += 360;
        hues[static_cast<std::size_t>(i - 1)] =
            static_cast<std::int16_t>(wrapAbove360(ordinaryHue(angle) + 60));
    }
    return hues;
}

// The RYB companion hues depend on the base hue alone, so they are worked out once for every hue.
constexpr auto kRybHues = [] {
    std::array<std::array<std::int16_t, kCompanions>, 361> table{};
    for (int hue = 0; hue <= 360; ++hue)
        table[static_cast<std::size_t>(hue)] = rybCompanionHues(hue);
    return table;
}();

// Cells 1-11 of the OKLCH wheel: hue steps of 30 degrees at the colour's OKLCH lightness and chroma.
void oklchCompanions(ColorValue color, std::array<ColorValue, kWheelCells>& cells)
{
    const OkLch base = OklchOf(color);
    for (int i = 1; i < kWheelCells; ++i) {
        const double hue = std::fmod(base.h + 30.0 * i, 360.0);
        cells[static_cast<std::size_t>(i)] = ToColor(OkLch{base.l, base.c, hue});
    }
}

} // namespace

std::array<ColorValue, kWheelCells> WheelColors(ColorValue color, int colorwheeltype)
{
    assert(colorwheeltype == kRgbWheel || colorwheeltype == kRybWheel || colorwheeltype == kOklchWheel);
    std::array<ColorValue, kWheelCells> cells;
    // A grey has no hue to turn: every cell is the grey itself. (Going through HSL would give the
    // grey of its lightness rounded to whole percent, so (1,1,1) would turn black.)
    if (GetRed(color) == GetGreen(color) && GetGreen(color) == GetBlue(color)) {
        cells.fill(color);
        return cells;
    }
    if (colorwheeltype == kOklchWheel) {
        cells[0] = color;
        oklchCompanions(color, cells);
        return cells;
    }
    const HSLValue hsl = RGBToHSL(GetRed(color), GetGreen(color), GetBlue(color));

    // Every element of the three arrays is written below, so they start uninitialised.
    std::array<std::int32_t, kCompanions> hues;
    if (colorwheeltype == kRgbWheel) {
        for (std::size_t i = 0; i < kCompanions; ++i)
            hues[i] = wrapAbove360(hsl.H + 30 * static_cast<int>(i + 1));
    } else {
        const auto& ryb = kRybHues[static_cast<std::size_t>(hsl.H)];
        std::copy(ryb.begin(), ryb.end(), hues.begin());
    }
    std::array<RGBValue, kCompanions> rgb;
    HSLToRGBHues(hues, hsl.S, hsl.L, rgb);

    cells[0] = color;
    for (std::size_t i = 0; i < kCompanions; ++i)
        cells[i + 1] = MakeColor(rgb[i].R, rgb[i].G, rgb[i].B);
    return cells;
}

} // namespace prismara
