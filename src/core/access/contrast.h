// contrast.h - how well one colour reads on another: the WCAG 2.x contrast ratio and its success
// criteria, the APCA lightness contrast Lc, and "Fix Contrast".
#pragma once

#include "core/colour/colorvalue.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace prismara {

// WCAG 2.x relative luminance, 0 (black) to 1 (white): 0.2126 R + 0.7152 G + 0.0722 B of the
// linear-light sRGB channels (the CSS Color 4 sRGB transfer function).
double RelativeLuminance(ColorValue color);

// WCAG 2.x contrast ratio (L1 + 0.05) / (L2 + 0.05) with L1 the lighter of the two: 1 to 21, the
// same whichever colour comes first. Unrounded: WCAG compares it with its thresholds as it is.
double ContrastRatio(ColorValue one, ColorValue two);

// APCA lightness contrast Lc (APCA-W3 0.0.98G-4g) of `text` on `background`: positive for dark
// text on a light background (up to about 106), negative for light text on a dark one (down to
// about -108), 0 when the contrast is below the low clip (|Lc| < 10 before the offset).
double ApcaContrast(ColorValue text, ColorValue background);

// The WCAG 2.x contrast success criteria, in the order they are reported.
enum class WcagCriterion : std::size_t {
    AaNormal,  // 1.4.3, normal text: 4.5
    AaLarge,   // 1.4.3, large text: 3
    AaaNormal, // 1.4.6, normal text: 7
    AaaLarge,  // 1.4.6, large text: 4.5
    NonText,   // 1.4.11, user-interface components and graphics: 3
};

inline constexpr std::size_t kWcagCriterionCount = 5;

struct WcagCriterionInfo
{
    WcagCriterion criterion;
    std::string_view key;     // "aa_normal", "aa_large", "aaa_normal", "aaa_large", "non_text_3_1"
    std::string_view caption; // "AA normal text", ...
    double minimumRatio;
};

const std::array<WcagCriterionInfo, kWcagCriterionCount>& WcagCriteria();

// Whether a contrast ratio meets the criterion (ratio >= its minimum).
bool Passes(WcagCriterion criterion, double ratio);

// "Fix Contrast": `color` with its OKLCH lightness moved by the least amount (up or down) that
// makes it meet `target` against `background`, keeping its OKLCH hue and chroma where the sRGB
// gamut allows (CSS gamut mapping reduces the chroma where it does not). `color` itself when it
// already passes; nullopt when no lightness passes (say AAA against a mid grey).
std::optional<ColorValue> FixContrast(ColorValue color, ColorValue background, WcagCriterion target);

} // namespace prismara
