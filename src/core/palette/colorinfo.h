// colorinfo.h - the values of the colour information window, worked out from the main
// window's hex and decimal channel texts.
#pragma once

#include "core/palette/colorpage.h"

#include <string_view>

namespace prismara {

// txtHex, txtr, txtg, txtb are the given texts unchanged; the HSL, CMY, CMYK and YCbCr boxes are
// the model values of the colour whose channels are those texts, each read as a byte (a text
// that is not a whole number counts as 0, numbers outside 0-255 are clamped).
ColorPageTexts ColorInfoTexts(std::string_view hex, std::string_view red, std::string_view green,
                              std::string_view blue);

// A channel text read as a byte, as above.
int ChannelByte(std::string_view text);

} // namespace prismara
