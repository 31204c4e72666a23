// colorspaces.h - the colour models of CSS Color Module Level 4 for sRGB colours: linear sRGB,
// CIE XYZ (D65), CIE Lab and LCh (D50, Bradford-adapted, as CSS lab() and lch()), OKLab, OKLCH and
// CSS HSL; their inverses; and CSS gamut mapping back into sRGB.
//
// Every conversion is the CSS Color 4 sample conversion code in double precision: the same
// matrices (the rational sRGB matrices, the 64-bit Bradford and OKLab matrices), the same
// piecewise sRGB transfer function (extended to negative values by reflection), the same CIE
// constants (epsilon 216/24389, kappa 24389/27) and white points from the 4-figure x,y
// chromaticities.
//
// Hue. Hues are degrees in [0, 360), red near 0 in CSS HSL, about 29 in OKLCH and 40 in LCh (the
// program's own HSL hue, where red is 60, is a different scale: see clrmodels.h). Where CSS calls
// a hue powerless, the hue is NaN: in LCh when chroma <= 0.0015, in OKLCH when chroma <= 0.000004,
// in HSL when the colour is a grey. Use HasHue() before showing a hue; the inverse conversions
// read a NaN hue as 0, as CSS reads `none`.
#pragma once

#include "core/colour/colorvalue.h"

namespace prismara {

// Gamma-encoded sRGB, each channel 0-1 inside the gamut (out-of-gamut values are allowed).
struct Srgb { double r, g, b; };
// Linear-light sRGB.
struct LinearSrgb { double r, g, b; };
// CIE XYZ relative to the D65 white (Y of white = 1).
struct XyzD65 { double x, y, z; };
// CIE XYZ relative to the D50 white.
struct XyzD50 { double x, y, z; };
// CIE Lab, D50: L 0-100, a and b roughly -125..125.
struct CieLab { double l, a, b; };
// CIE LCh, D50: L 0-100, chroma >= 0, hue in degrees (NaN when powerless).
struct CieLch { double l, c, h; };
// OKLab: L 0-1, a and b roughly -0.4..0.4.
struct OkLab { double l, a, b; };
// OKLCH: L 0-1, chroma >= 0 (sRGB colours reach about 0.32), hue in degrees (NaN when powerless).
struct OkLch { double l, c, h; };
// CSS hsl(): hue in degrees with red 0 (NaN for greys), saturation and lightness 0-100 (per cent).
struct CssHsl { double h, s, l; };

// Whether a hue is a number (false when it is powerless).
bool HasHue(double hue);

// --- Single steps -------------------------------------------------------------------------------

Srgb SrgbOf(ColorValue color); // each channel / 255
LinearSrgb SrgbToLinear(Srgb srgb);
Srgb LinearToSrgb(LinearSrgb linear);
XyzD65 LinearToXyz(LinearSrgb linear);
LinearSrgb XyzToLinear(XyzD65 xyz);
XyzD50 D65ToD50(XyzD65 xyz); // Bradford
XyzD65 D50ToD65(XyzD50 xyz);
CieLab XyzToLab(XyzD50 xyz);
XyzD50 LabToXyz(CieLab lab);
CieLch LabToLch(CieLab lab);
CieLab LchToLab(CieLch lch);
OkLab XyzToOklab(XyzD65 xyz);
XyzD65 OklabToXyz(OkLab lab);
OkLch OklabToOklch(OkLab lab);
OkLab OklchToOklab(OkLch lch);
CssHsl SrgbToHsl(Srgb srgb);
Srgb HslToSrgb(CssHsl hsl);

// --- From a colour value (the whole chain; linear sRGB comes from an exact per-channel table) -----

LinearSrgb LinearOf(ColorValue color);
XyzD65 XyzOf(ColorValue color);
CieLab LabOf(ColorValue color);
CieLch LchOf(ColorValue color);
OkLab OklabOf(ColorValue color);
OkLch OklchOf(ColorValue color);
CssHsl HslOf(ColorValue color);

// --- Back to a colour value ----------------------------------------------------------------------

// Whether every channel lies in [0, 1] (no tolerance).
bool InSrgbGamut(Srgb srgb);

// CSS Color 4 gamut mapping into sRGB: lightness >= 1 gives white and <= 0 black; a colour in
// gamut is converted unchanged; otherwise the OKLCH chroma is reduced by binary search (JND 0.02,
// epsilon 0.0001, deltaE OK) until clipping moves the colour by less than the JND, and the clipped
// colour is returned. The result is always inside the gamut (black for a NaN or infinite
// lightness or chroma).
Srgb GamutMapToSrgb(OkLch color);

// The colour value of an sRGB colour: gamut-mapped as above when outside the gamut, then each
// channel times 255 rounded to the nearest integer, halves to even.
ColorValue ToColor(Srgb srgb);
ColorValue ToColor(LinearSrgb linear);
ColorValue ToColor(XyzD65 xyz);
ColorValue ToColor(CieLab lab);
ColorValue ToColor(CieLch lch);
ColorValue ToColor(OkLab lab);
ColorValue ToColor(OkLch lch);
ColorValue ToColor(CssHsl hsl); // hue taken modulo 360; saturation and lightness clamped to 0-100

// The Euclidean distance of two colours in OKLab (CSS deltaE OK); 0.02 is about one just
// noticeable difference.
double DeltaEOk(OkLab one, OkLab two);

} // namespace prismara
