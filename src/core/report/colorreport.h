// colorreport.h - the answers of the command-line modes --info and --contrast, as JSON text.
//
// Each is one JSON object on one line; numbers are unrounded (shortest text that reads back as the
// same double); a hue that CSS calls powerless (greys) is null.
#pragma once

#include "core/colour/colorvalue.h"

#include <string>

namespace prismara {

// Everything about one colour, members in this order:
//   hex "#3366CC"; rgb [R,G,B]; hsl [H,S,L] (the program's own HSL, hue with red at 60, as the
//   program shows it); css_hsl [h,s,l] (CSS hue with red at 0, s and l in per cent); cmyk [C,M,Y,K];
//   ycbcr [Y,Cb,Cr] (as the program shows them); xyz_d65 [X,Y,Z] (0-1); lab_d50 [L,a,b];
//   lch_d50 [L,C,H]; oklab [L,a,b]; oklch [L,C,H] (L 0-1, H in degrees); name and name_exact
//   (NearestColorName); contrast_white and contrast_black (WCAG ratios against white and black);
//   apca_on_white and apca_on_black (Lc of the colour as text on white and on black);
//   simulated {"protanopia": "#RRGGBB", "deuteranopia", "tritanopia", "achromatopsia"} at
//   severity 1.
std::string InfoJson(ColorValue color);

// How `foreground` reads on `background`: wcag (the ratio), apca (Lc of the foreground as text),
// then one boolean per WCAG criterion: aa_normal, aa_large, aaa_normal, aaa_large, non_text_3_1.
std::string ContrastJson(ColorValue foreground, ColorValue background);

} // namespace prismara
