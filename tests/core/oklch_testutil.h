// oklch_testutil.h - what tests of OKLCH colours share.
#pragma once

#include "core/colour/colorspaces.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace prismara {

// How far (deltaE OK) `lab` lies from the path of colours with the lightness and hue of `wanted`
// and chroma 0 to wanted.c: CSS gamut mapping moves along that path and then less than a JND off it.
inline double distanceFromChromaPath(OkLab lab, OkLch wanted)
{
    const double ux = std::cos(wanted.h * std::numbers::pi / 180);
    const double uy = std::sin(wanted.h * std::numbers::pi / 180);
    const double t = std::clamp(lab.a * ux + lab.b * uy, 0.0, wanted.c);
    return std::hypot(lab.l - wanted.l, lab.a - t * ux, lab.b - t * uy);
}

} // namespace prismara
