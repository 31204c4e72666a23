// pickerrules.cpp - placement of the colour square and the "Save To:" list of the picker.
#include "core/palette/pickerrules.h"

#include "core/palette/chartkind.h"

#include <algorithm>

namespace prismara {

SquarePosition ShowSquarePosition(int x, int y, int primaryWidth)
{
    // The square's lower edge sits 15 pixels above the pointer, its left edge 15 pixels right.
    SquarePosition at{x + 15, y - 115};
    // Too close to the top: 5 pixels below the pointer instead.
    if (at.top < 1)
        at.top += 120;
    // Too close to the right edge: its right edge 5 pixels left of the pointer.
    if (at.left >= primaryWidth - kShowSquareSize)
        at.left -= 120;
    return at;
}

int LoupeZoomAfter(int zoom, int notches)
{
    const long long next = static_cast<long long>(zoom) + static_cast<long long>(notches) * kLoupeZoomStep;
    return static_cast<int>(std::clamp<long long>(next, kLoupeZoomMin, kLoupeZoomMax));
}

int ValidSampleSize(int stored)
{
    return std::find(std::begin(kSampleSizes), std::end(kSampleSizes), stored) != std::end(kSampleSizes)
               ? stored
               : 1;
}

PixelRect LoupePosition(int x, int y, int width, int height, int gap, PixelRect bounds, PixelRect square)
{
    const int right = bounds.left + bounds.width;
    const int bottom = bounds.top + bounds.height;
    const auto fitsAcross = [&](int left) { return left >= bounds.left && left + width <= right; };
    const auto fitsDown = [&](int top) { return top >= bounds.top && top + height <= bottom; };
    const auto onSquare = [&](int left, int top) {
        return left < square.left + square.width && square.left < left + width &&
               top < square.top + square.height && square.top < top + height;
    };
    // The sides of the pointer, in order of preference; the last two rows clear the square.
    const int lefts[] = {x + gap, x - gap - width};
    const int tops[] = {y + gap, y - gap - height, square.top + square.height + gap,
                        square.top - gap - height};
    for (const bool avoidSquare : {true, false})
        for (const int top : tops)
            for (const int left : lefts)
                if (fitsAcross(left) && fitsDown(top) &&
                    (avoidSquare ? !onSquare(left, top) : top == tops[0] || top == tops[1]))
                    return {left, top, width, height};
    // Too little room for a corner: one side along the axis where it fits, kept inside along the other.
    const auto keepIn = [](int at, int low, int high) { return std::max(low, std::min(at, high)); };
    for (const int left : lefts)
        if (fitsAcross(left))
            return {left, keepIn(y + gap, bounds.top, bottom - height), width, height};
    for (const int top : {tops[0], tops[1]})
        if (fitsDown(top))
            return {keepIn(x + gap, bounds.left, right - width), top, width, height};
    return {lefts[0], tops[0], width, height};
}

std::vector<SaveTarget> SaveTargets(const PaletteStore& store)
{
    std::vector<SaveTarget> targets;
    const auto& files = store.chartFiles();
    const auto& names = store.chartNames();
    const auto& kinds = store.chartKinds();
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (IsAddTarget(ChartKindOf(kinds[i])))
            targets.push_back({names[i], files[i], static_cast<int>(i)});
    }
    return targets;
}

int PreselectedSaveTarget(const std::vector<SaveTarget>& targets, int startChart)
{
    for (std::size_t e = 0; e < targets.size(); ++e) {
        if (targets[e].position == startChart)
            return static_cast<int>(e);
    }
    return targets.empty() ? -1 : 0;
}

int SelectorPositionOf(const PaletteStore& store, std::string_view file)
{
    const auto& files = store.chartFiles();
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (files[i] == file)
            return static_cast<int>(i);
    }
    return -1;
}

} // namespace prismara
