// colorinfo.h - the values of the colour information window, worked out from the main
// window's hex and decimal channel texts.
#pragma once

#include "core/colour/colorvalue.h"
#include "core/palette/colorpage.h"

#include <string>
#include <string_view>
#include <vector>

namespace prismara {

// txtHex, txtr, txtg, txtb are the given texts unchanged; the HSL, CMY, CMYK and YCbCr boxes are
// the model values of the colour whose channels are those texts, each read as a byte (a text
// that is not a whole number counts as 0, numbers outside 0-255 are clamped).
ColorPageTexts ColorInfoTexts(std::string_view hex, std::string_view red, std::string_view green,
                              std::string_view blue);

// A channel text read as a byte, as above.
int ChannelByte(std::string_view text);

// One more value of the colour information window, shown below the five models but not part of
// the saved page.
struct ColorInfoRow
{
    std::string_view heading; // the model's heading on its first row ("Lab"), else ""
    std::string_view caption; // "L:"
    std::string_view name;    // the box's name ("txtLabL")
    std::string value;        // "44.12"; a hue that has no meaning (a grey's) is "none"
};

// The colour's CSS Color 4 values (Lab, LCh, OKLCH, rounded as CssText rounds them) and its
// nearest colour name ("≈ " in front when the name is not the colour's own), in display order.
std::vector<ColorInfoRow> ColorScienceRows(ColorValue color);

} // namespace prismara
