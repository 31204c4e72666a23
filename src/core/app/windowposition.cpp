// windowposition.cpp - clamping of the stored window position.
#include "core/app/windowposition.h"

namespace prismara {

WindowPlacement PlaceWindow(std::optional<int> storedX, std::optional<int> storedY, int windowWidth,
                            int windowHeight, int screenWidth, int screenHeight)
{
    if (!storedX || !storedY)
        return {(screenWidth - windowWidth) / 2, (screenHeight - windowHeight) / 2};
    long long x = *storedX;
    long long y = *storedY;
    if (x < 0)
        x = 0;
    if (y < 0)
        y = 0;
    if (x + windowWidth > screenWidth)
        x = screenWidth - windowWidth;
    if (y + windowHeight > screenHeight)
        y = screenHeight - windowHeight;
    return {static_cast<int>(x), static_cast<int>(y)};
}

} // namespace prismara
