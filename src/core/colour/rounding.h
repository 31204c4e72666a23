// rounding.h - the one rounding rule of the colour arithmetic: to the nearest integer, halves to even.
#pragma once

#include <algorithm>
#include <cmath>

namespace prismara {

// 2.5 -> 2, 3.5 -> 4, -0.5 -> -0. Relies on the default rounding mode, which the program never
// changes. std::rint rather than std::nearbyint: the compiler inlines rint, while nearbyint is a
// library call.
inline double RoundHalfEven(double x)
{
    return std::rint(x);
}

// RoundHalfEven as an int, for values known to lie well inside the int range.
inline int RoundToInt(double x)
{
    return static_cast<int>(RoundHalfEven(x));
}

// RoundHalfEven as an int for any value: beyond the int range it saturates (NaN gives the lowest
// int), so no input can make the conversion undefined.
inline int RoundToIntSaturating(double x)
{
    const double clamped = std::min(2147483647.0, std::max(-2147483648.0, x));
    return static_cast<int>(RoundHalfEven(clamped));
}

} // namespace prismara
