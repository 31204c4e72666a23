// wheelcolors.h - the twelve colours of the colour wheel built from one colour.
#pragma once

#include "core/colour/colorvalue.h"

#include <array>

namespace prismara {

inline constexpr int kWheelCells = 12;

inline constexpr int kRgbWheel = 0; // equal steps of ordinary hue
inline constexpr int kRybWheel = 1; // the painter's wheel: red to yellow takes a third of the circle
inline constexpr int kOklchWheel = 2; // equal steps of OKLCH hue at the colour's OKLCH lightness and chroma

// Cell 0 is `color` itself; cell i is that colour turned by i steps of 30 degrees clockwise on the
// chosen wheel. The RGB and RYB wheels keep the saturation and lightness of `color` (the program's
// HSL); the OKLCH wheel keeps its OKLCH lightness and chroma and turns its OKLCH hue, each cell
// gamut-mapped into sRGB the CSS way (chroma reduced where the hue cannot carry it). A grey gives
// twelve equal cells on every wheel. Harmony marks (harmony.h) name cells, so they work the same
// on all three.
std::array<ColorValue, kWheelCells> WheelColors(ColorValue color, int colorwheeltype);

} // namespace prismara
