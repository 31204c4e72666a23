// pickerrules.cpp - placement of the colour square and the "Save To:" list of the picker.
#include "core/palette/pickerrules.h"

#include "core/palette/chartkind.h"

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
