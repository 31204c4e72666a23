// cssnotation.h - the colour as CSS text: rgb(), hsl(), lab(), lch(), oklab(), oklch() and
// color(srgb ...), in the modern space-separated syntax.
//
// Rounding (to the nearest, trailing zeros dropped, never "-0"): rgb() whole channels 0-255;
// hsl() hue, saturation and lightness to 1 decimal; lab() and lch() every component to 2
// decimals; oklab() every component to 5 decimals; oklch() lightness and chroma to 5 decimals and
// hue to 2; color(srgb) channels to 3 decimals. These are the fewest decimals at which the text of
// every 8-bit colour reads back as the same colour (ParseColorText). A hue that CSS calls
// powerless (greys) is written as 0. The hue of hsl() is the CSS hue (red 0), not the program's
// own HSL hue (red 60).
// Examples for #3366CC: "rgb(51 102 204)", "hsl(220 60% 50%)", "lab(44.12 10.95 -59.09)",
// "oklch(0.53248 0.16787 262.29)", "color(srgb 0.2 0.4 0.8)".
#pragma once

#include "core/colour/colorvalue.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace prismara {

// In the order a "Copy CSS" menu lists them.
enum class CssNotation : std::size_t { Rgb, Hsl, Lab, Lch, Oklab, Oklch, ColorSrgb };

inline constexpr std::size_t kCssNotationCount = 7;

struct CssNotationInfo
{
    CssNotation notation;
    std::string_view key;     // "rgb", "hsl", "lab", "lch", "oklab", "oklch", "color-srgb"
    std::string_view caption; // "CSS rgb()", ..., "CSS color(srgb)"
};

// All seven notations in menu order.
const std::array<CssNotationInfo, kCssNotationCount>& CssNotations();

// The CSS text of `color` in `notation`.
std::string CssText(CssNotation notation, ColorValue color);

// `value` rounded to `decimals` places, trailing zeros and a trailing point dropped, "-0" written
// as "0" ("50", "0.6284", "-56.4"). Locale-independent.
std::string FormatDecimal(double value, int decimals);

} // namespace prismara
