// harmony.h - the five colour harmonies and the wheel cells each one marks.
#pragma once

#include "core/wheel/wheelcolors.h"

#include <array>
#include <string_view>

namespace prismara {

inline constexpr int kHarmonyCount = 5;

struct HarmonyScheme
{
    std::string_view caption;             // item of cmbColorwheel
    std::array<bool, kWheelCells> marked; // the cells whose marker is shown
};

// In the order of cmbColorwheel: Analogous, Complements, Split-Complements, Triad, Tetrad. The
// marks are steps on the wheel that was built, so on the RYB wheel they pick RYB harmonies.
const std::array<HarmonyScheme, kHarmonyCount>& HarmonySchemes();

// Whether `scheme` marks `cell`; false for a scheme or a cell out of range.
bool HarmonyMarks(int scheme, int cell);

} // namespace prismara
