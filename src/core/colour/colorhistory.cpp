// colorhistory.cpp - the undo line of the current colour.
#include "core/colour/colorhistory.h"

#include <algorithm>

namespace prismara {

ColorHistory::ColorHistory(ColorValue first, std::size_t capacity)
    : colors_{first}, capacity_(std::max<std::size_t>(capacity, 1))
{
}

void ColorHistory::record(ColorValue color, bool live)
{
    if (color == current())
        return;
    colors_.resize(position_ + 1);
    const bool replace = live && lastLive_ && position_ > 0;
    lastLive_ = live;
    if (replace) {
        colors_.back() = color;
        if (colors_[position_ - 1] == color) { // the run came back to where it started
            colors_.pop_back();
            --position_;
            lastLive_ = false;
        }
        return;
    }
    colors_.push_back(color);
    if (colors_.size() > capacity_)
        colors_.erase(colors_.begin(),
                      colors_.begin() + static_cast<std::ptrdiff_t>(colors_.size() - capacity_));
    position_ = colors_.size() - 1;
}

std::optional<ColorValue> ColorHistory::undo()
{
    lastLive_ = false;
    if (!canUndo())
        return std::nullopt;
    return colors_[--position_];
}

std::optional<ColorValue> ColorHistory::redo()
{
    lastLive_ = false;
    if (!canRedo())
        return std::nullopt;
    return colors_[++position_];
}

} // namespace prismara
