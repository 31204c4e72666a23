// windowposition.h - where the main window opens, from the stored position (twips).
#pragma once

#include <optional>

namespace prismara {

struct WindowPlacement
{
    int left;
    int top;
};

// Centres the window when either stored value is missing; otherwise pulls it onto the screen:
// negative values become 0, then a window reaching past the right or bottom edge is moved
// back so that its edge lands on the screen's edge (so a window larger than the screen ends
// up with a negative left or top). All values in the same unit.
WindowPlacement PlaceWindow(std::optional<int> storedX, std::optional<int> storedY, int windowWidth,
                            int windowHeight, int screenWidth, int screenHeight);

} // namespace prismara
