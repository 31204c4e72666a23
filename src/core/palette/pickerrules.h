// pickerrules.h - the screen picker's rules that need no window: where the colour square sits
// beside the pointer, which palettes take picked colours and which of them is preselected.
#pragma once

#include "core/colour/pixelaverage.h"
#include "core/palette/palettestore.h"

#include <string>
#include <string_view>
#include <vector>

namespace prismara {

// Side of the colour square that follows the pointer (shpshow), in pixels.
inline constexpr int kShowSquareSize = 100;

struct SquarePosition
{
    int left = 0;
    int top = 0;
    friend bool operator==(const SquarePosition&, const SquarePosition&) = default;
};

// Where the square goes for the pointer at (x, y), in pixels of the picker window: up and to the
// right of the pointer, below it near the top edge and left of it near the right edge of the
// primary screen (primaryWidth pixels wide).
SquarePosition ShowSquarePosition(int x, int y, int primaryWidth);

// The loupe: kLoupeSpan x kLoupeSpan pixels of the frozen picture around the sampled one, each
// drawn as a square of `zoom` device pixels; the wheel changes the zoom by kLoupeZoomStep.
inline constexpr int kLoupeSpan = 15;
inline constexpr int kLoupeZoomDefault = 10;
inline constexpr int kLoupeZoomMin = 4;
inline constexpr int kLoupeZoomMax = 24;
inline constexpr int kLoupeZoomStep = 2;

// The zoom after `notches` wheel notches (positive: closer), kept within min..max.
int LoupeZoomAfter(int zoom, int notches);

// The sizes of the sampled square, chosen with the keys 1 to 4 (and remembered by the setting).
inline constexpr int kSampleSizes[] = {1, 3, 5, 9};

// A stored sample size as one of kSampleSizes: 1 for anything else.
int ValidSampleSize(int stored);

// Where the loupe (width x height) goes for the pointer at (x, y), all in pixels of the picker
// window: right of the pointer, else left of it; below it, else above it; never within `gap`
// pixels of the pointer, and off the colour square `square` where there is room. When the loupe
// fits neither side of one axis it is kept inside `bounds` along that axis, still clear of the
// pointer along the other.
PixelRect LoupePosition(int x, int y, int width, int height, int gap, PixelRect bounds, PixelRect square);

// One entry of the "Save To:" list.
struct SaveTarget
{
    std::string name;  // display name
    std::string file;  // palette file name
    int position = 0;  // selector position of its index record
};

// The palettes picked colours may be saved to: the index records of flag "0" or "1", in index
// order (read-only palettes are never offered). The store must have read its index.
std::vector<SaveTarget> SaveTargets(const PaletteStore& store);

// The entry preselected when picking starts while selector position `startChart` is selected:
// the entry of that record, else the first one; -1 when there is no entry at all.
int PreselectedSaveTarget(const std::vector<SaveTarget>& targets, int startChart);

// The selector position of the palette stored in `file`; -1 when the index does not list it.
int SelectorPositionOf(const PaletteStore& store, std::string_view file);

} // namespace prismara
