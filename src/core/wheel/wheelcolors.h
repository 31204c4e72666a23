// wheelcolors.h - the twelve colours of the colour wheel built from one colour.
#pragma once

#include "core/colour/colorvalue.h"

#include <array>

namespace prismara {

inline constexpr int kWheelCells = 12;

inline constexpr int kRgbWheel = 0; // equal steps of ordinary hue
inline constexpr int kRybWheel = 1; // the painter's wheel: red to yellow takes a third of the circle

// Cell 0 is `color` itself; cell i is that colour turned by i steps of 30 degrees clockwise on the
// chosen wheel, with the saturation and lightness of `color`. A grey gives twelve equal cells.
std::array<ColorValue, kWheelCells> WheelColors(ColorValue color, int colorwheeltype);

} // namespace prismara
