// cvd.h - how colours look with a colour-vision deficiency, and which colours of a set become
// hard to tell apart.
//
// Protanopia, deuteranopia and tritanopia use the simulation matrices of Machado, Oliveira and
// Fernandes (2009, "A Physiologically-based Model for Simulation of Color Vision Deficiency"),
// tabulated for severity 0, 0.1, ... 1 and interpolated linearly between those steps; severity 1 is
// the dichromacy. Achromatopsia keeps the relative luminance only (0.2126 R + 0.7152 G + 0.0722 B),
// mixed with the colour itself below severity 1. Everything is applied to linear-light sRGB; a
// result outside 0-1 is clipped before it becomes a colour value again.
#pragma once

#include "core/colour/colorspaces.h"
#include "core/colour/colorvalue.h"

#include <array>
#include <cstddef>
#include <span>
#include <string_view>
#include <vector>

namespace prismara {

enum class Deficiency : std::size_t { Protanopia, Deuteranopia, Tritanopia, Achromatopsia };

inline constexpr std::size_t kDeficiencyCount = 4;

struct DeficiencyInfo
{
    Deficiency deficiency;
    std::string_view key;     // "protanopia", "deuteranopia", "tritanopia", "achromatopsia"
    std::string_view caption; // "Protanopia (no red cones)", ...
};

// The four deficiencies in the order above.
const std::array<DeficiencyInfo, kDeficiencyCount>& Deficiencies();

// The 3x3 matrix applied to linear sRGB (row-major), for a severity 0-1 (clamped).
std::array<double, 9> DeficiencyMatrix(Deficiency deficiency, double severity);

// `color` as seen with the deficiency; severity 0 is normal vision, 1 the full deficiency.
LinearSrgb SimulateDeficiency(LinearSrgb color, Deficiency deficiency, double severity = 1.0);
ColorValue SimulateDeficiency(ColorValue color, Deficiency deficiency, double severity = 1.0);

// Two colours this close in OKLab (deltaE OK) are hard to tell apart: twice the 0.02 that CSS
// Color 4 takes as one just noticeable difference.
inline constexpr double kHardToTellApart = 0.04;

struct ConfusablePair
{
    std::size_t first, second; // indexes into the colours given, first < second
    double normalDistance;     // deltaE OK with normal vision
    double simulatedDistance;  // deltaE OK as simulated
};

// The pairs of `colors` that are told apart with normal vision (distance >= threshold) but not as
// simulated (distance < threshold), closest simulated pair first (ties by index).
std::vector<ConfusablePair> ConfusablePairs(std::span<const ColorValue> colors, Deficiency deficiency,
                                            double severity = 1.0, double threshold = kHardToTellApart);

} // namespace prismara
