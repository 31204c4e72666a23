// unitcolor.h - a colour given as three channels from 0 to 1 (as desktop services give them).
#pragma once

#include "core/colour/colorvalue.h"
#include "core/colour/rounding.h"

#include <algorithm>
#include <cmath>

namespace prismara {

// One channel 0-1 to the nearest 8-bit value (halves to even, never truncated); outside 0-1 it is
// clipped, and NaN reads as 0.
inline int UnitToByte(double unit)
{
    if (std::isnan(unit))
        return 0;
    return RoundToInt(std::clamp(unit, 0.0, 1.0) * 255.0);
}

inline ColorValue ColorFromUnitChannels(double red, double green, double blue)
{
    return MakeColor(UnitToByte(red), UnitToByte(green), UnitToByte(blue));
}

} // namespace prismara
