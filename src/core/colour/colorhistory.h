// colorhistory.h - the colours the current colour has taken, to step back and forward through.
#pragma once

#include "core/colour/colorvalue.h"

#include <cstddef>
#include <optional>
#include <vector>

namespace prismara {

// A line of colours with a position in it, as an editor's undo history: a new colour drops the
// ones ahead of the position and goes at the end; the oldest go when there are more than
// `capacity`. Recording the colour at the position does nothing, so the colour a step leads to
// can be passed back to record() without changing the history. A run of colours recorded with
// `live` (the steps of a slider being dragged) is one step: each replaces the one before.
class ColorHistory
{
public:
    explicit ColorHistory(ColorValue first, std::size_t capacity = 1000);

    void record(ColorValue color, bool live = false);
    bool canUndo() const { return position_ > 0; }
    bool canRedo() const { return position_ + 1 < colors_.size(); }
    // The colour one step back or forward, which becomes the position; nullopt at either end.
    std::optional<ColorValue> undo();
    std::optional<ColorValue> redo();
    ColorValue current() const { return colors_[position_]; }

private:
    std::vector<ColorValue> colors_;
    std::size_t position_ = 0;
    std::size_t capacity_;
    bool lastLive_ = false;
};

} // namespace prismara
