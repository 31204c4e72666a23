// twips.h - the unit of the designed positions and of the stored window position.
//
// 1440 twips to the inch, 15 to a pixel at 96 dots per inch.
#pragma once

namespace prismara {

inline constexpr int kTwipsPerPixel = 15;

constexpr int PixelsToTwips(int pixels) { return pixels * kTwipsPerPixel; }

// Whole pixels, cut toward zero like an integer division.
constexpr int TwipsToPixels(int twips) { return twips / kTwipsPerPixel; }

} // namespace prismara
