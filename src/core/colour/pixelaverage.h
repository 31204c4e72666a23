// pixelaverage.h - the average colour of an area of pixels, taken in linear light.
//
// The picker averages what it samples: averaging the stored (gamma-encoded) numbers would make a
// black-and-white checkerboard a dark grey (#808080), while the eye and every resampling filter
// that works in linear light see #BCBCBC.
#pragma once

#include "core/colour/colorvalue.h"

#include <cstdint>

namespace prismara {

// A read-only view of 32-bit pixels as 0xAARRGGBB words (red in bits 16-23, alpha ignored),
// `stride` pixels from one row to the next.
struct PixelView
{
    const std::uint32_t* pixels = nullptr;
    int width = 0;
    int height = 0;
    int stride = 0;
};

// A rectangle of whole pixels; left and top may be negative, width and height empty (<= 0).
struct PixelRect
{
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

// The square of `size` x `size` pixels centred on (x, y) (size odd).
PixelRect SampleSquare(int x, int y, int size);

// The rectangle spanned by two corner pixels, both included, in any order.
PixelRect SpannedRect(int x1, int y1, int x2, int y2);

// The average of the pixels of `area` that lie in `view`: each channel decoded from sRGB to linear
// light, averaged, encoded again and rounded to the nearest 8-bit value. -1 when no pixel of the
// area lies in the view.
ColorValue LinearAverage(const PixelView& view, PixelRect area);

} // namespace prismara
