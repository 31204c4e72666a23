// colorparse.h - reading a colour from text, as typed on the command line or pasted.
//
// Understood (letter case and surrounding white space do not matter):
//   #RRGGBB, RRGGBB, #RGB, and #RRGGBBAA / #RGBA (the alpha is dropped);
//   R,G,B: three decimal channels 0-255 ("51,102,204", the program's own decimal text);
//   rgb() / rgba() and hsl() / hsla(), in the comma syntax ("rgb(51, 102, 204)") and the space
//   syntax ("rgb(51 102 204 / 50%)");
//   lab(), lch(), oklab(), oklch() and color(srgb r g b), in the space syntax;
//   the 148 CSS named colours ("rebeccapurple").
// Components follow CSS Color 4: numbers or percentages (in oklch() 100% chroma is 0.4, in lab()
// 100% of a or b is 125, ...), hues as numbers or angles (deg, grad, rad, turn), `none` for 0; an
// alpha is read and dropped. rgb() channels and hsl() saturation and lightness are clamped;
// lightness in lab()/oklab() is clamped; a colour outside sRGB (lab(), oklch(), color(srgb 1.2 ..))
// is brought in by CSS gamut mapping; then channels are rounded half to even.
#pragma once

#include "core/colour/colorvalue.h"

#include <string>
#include <string_view>

namespace prismara {

struct ColorParseResult
{
    ColorValue color = kBlack; // the colour read; kBlack when the text was not understood
    std::string error;         // empty on success; else one line naming what was not understood
    bool ok() const { return error.empty(); }
};

// Reads one colour from `text`. Every text that CssText() writes reads back as its colour.
ColorParseResult ParseColorText(std::string_view text);

} // namespace prismara
