// modeltab.cpp - the conversion panel's tab table.
#include "core/convert/modeltab.h"

#include "core/colour/colorspaces.h"
#include "core/colour/cssnotation.h"
#include "core/colour/rounding.h"

#include <cmath>
#include <cstdint>

namespace prismara {

namespace {

std::uint8_t byte(int position) { return static_cast<std::uint8_t>(position); }

ColorValue colorOf(const cClrModels& m) { return MakeColor(m.rgbR(), m.rgbG(), m.rgbB()); }

// A value shown in steps of 10^-decimals; a powerless hue shows as 0.
int position(double value, int decimals) { return RoundToInt((std::isnan(value) ? 0.0 : value) * std::pow(10.0, decimals)); }

double valueOf(int position, int decimals) { return position / std::pow(10.0, decimals); }

// Values whose colour lies outside the sRGB gamut by less than this (deltaE OK from the colour
// they become, half the just noticeable difference that CSS gamut mapping works with) count as
// inside: rounding a colour at the edge of the gamut to the tab's steps can cost that much.
constexpr double kGamutSlack = 0.01;

Srgb srgbOfLab(CieLab lab) { return LinearToSrgb(XyzToLinear(D50ToD65(LabToXyz(lab)))); }
Srgb srgbOfOklch(OkLch lch) { return LinearToSrgb(XyzToLinear(OklabToXyz(OklchToOklab(lch)))); }

// Writes `color` into the model's channels.
void store(cClrModels& m, ColorValue color)
{
    m.setRgbR(byte(GetRed(color)));
    m.setRgbG(byte(GetGreen(color)));
    m.setRgbB(byte(GetBlue(color)));
}

// Writes an sRGB colour (mapped into the gamut where it lies outside); whether it lay inside.
bool storeSrgb(cClrModels& m, Srgb srgb)
{
    const ColorValue color = ToColor(srgb);
    store(m, color);
    if (InSrgbGamut(srgb))
        return true;
    const OkLab asked = XyzToOklab(LinearToXyz(SrgbToLinear(srgb)));
    return DeltaEOk(asked, OklabOf(color)) < kGamutSlack;
}

constexpr int kLabDecimals = 1; // Lab and LCh in tenths
constexpr int kOkDecimals = 3;  // OKLCH lightness and chroma in thousandths
constexpr int kHueDecimals = 1; // hues in tenths of a degree

const std::array<ModelTab, kModelTabCount> kTabs{{
    {"RGB", 3, {"R", "G", "B", ""}, {255, 255, 255, 0},
     {[](const cClrModels& m) { return int{m.rgbR()}; }, [](const cClrModels& m) { return int{m.rgbG()}; },
      [](const cClrModels& m) { return int{m.rgbB()}; }, nullptr},
     [](cClrModels& m, const ModelTab::Positions& p) {
         m.setRgbR(byte(p[0]));
         m.setRgbG(byte(p[1]));
         m.setRgbB(byte(p[2]));
         return true;
     }},
    {"HSL", 3, {"H", "S", "L", ""}, {360, 100, 100, 0},
     {[](const cClrModels& m) { return int{m.hlsH()}; }, [](const cClrModels& m) { return int{m.hlsS()}; },
      [](const cClrModels& m) { return int{m.hlsL()}; }, nullptr},
     [](cClrModels& m, const ModelTab::Positions& p) {
         m.SetHLS(p[0], p[1], p[2]);
         return true;
     }},
    {"CMY", 3, {"C", "M", "Y", ""}, {255, 255, 255, 0},
     {[](const cClrModels& m) { return int{m.cmyC()}; }, [](const cClrModels& m) { return int{m.cmyM()}; },
      [](const cClrModels& m) { return int{m.cmyY()}; }, nullptr},
     [](cClrModels& m, const ModelTab::Positions& p) {
         m.SetCMY(p[0], p[1], p[2]);
         return true;
     }},
    {"CMYK", 4, {"C", "M", "Y", "K"}, {100, 100, 100, 100},
     {[](const cClrModels& m) { return int{m.cmykC()}; }, [](const cClrModels& m) { return int{m.cmykM()}; },
      [](const cClrModels& m) { return int{m.cmykY()}; }, [](const cClrModels& m) { return int{m.cmykK()}; }},
     [](cClrModels& m, const ModelTab::Positions& p) {
         m.SetCMYK(p[0], p[1], p[2], p[3]);
         return true;
     }},
    {"YCbCr", 3, {"Y", "Cb", "Cr", ""}, {255, 255, 255, 0},
     {[](const cClrModels& m) { return int{m.ycbcrY()}; }, [](const cClrModels& m) { return int{m.ycbcrCb()}; },
      [](const cClrModels& m) { return int{m.ycbcrCr()}; }, nullptr},
     [](cClrModels& m, const ModelTab::Positions& p) {
         m.SetYCbCr(p[0], p[1], p[2]);
         return true;
     }},
    // CSS lab(): L 0-100, a and b over the CSS reference range -125..125.
    {"Lab", 3, {"L", "a", "b", ""}, {1000, 1250, 1250, 0},
     {[](const cClrModels& m) { return position(LabOf(colorOf(m)).l, kLabDecimals); },
      [](const cClrModels& m) { return position(LabOf(colorOf(m)).a, kLabDecimals); },
      [](const cClrModels& m) { return position(LabOf(colorOf(m)).b, kLabDecimals); }, nullptr},
     [](cClrModels& m, const ModelTab::Positions& p) {
         return storeSrgb(m, srgbOfLab({valueOf(p[0], kLabDecimals), valueOf(p[1], kLabDecimals),
                                        valueOf(p[2], kLabDecimals)}));
     },
     {0, -1250, -1250, 0},
     {kLabDecimals, kLabDecimals, kLabDecimals, 0}},
    // CSS lch(): L 0-100, chroma 0-150, hue 0-360 degrees.
    {"LCh", 3, {"L", "C", "H", ""}, {1000, 1500, 3600, 0},
     {[](const cClrModels& m) { return position(LchOf(colorOf(m)).l, kLabDecimals); },
      [](const cClrModels& m) { return position(LchOf(colorOf(m)).c, kLabDecimals); },
      [](const cClrModels& m) { return position(LchOf(colorOf(m)).h, kHueDecimals); }, nullptr},
     [](cClrModels& m, const ModelTab::Positions& p) {
         const CieLch lch{valueOf(p[0], kLabDecimals), valueOf(p[1], kLabDecimals), valueOf(p[2], kHueDecimals)};
         return storeSrgb(m, srgbOfLab(LchToLab(lch)));
     },
     {0, 0, 0, 0},
     {kLabDecimals, kLabDecimals, kHueDecimals, 0}},
    // CSS oklch(): lightness 0-1 and chroma 0-0.4 in thousandths, hue 0-360 degrees.
    {"OKLCH", 3, {"L", "C", "H", ""}, {1000, 400, 3600, 0},
     {[](const cClrModels& m) { return position(OklchOf(colorOf(m)).l, kOkDecimals); },
      [](const cClrModels& m) { return position(OklchOf(colorOf(m)).c, kOkDecimals); },
      [](const cClrModels& m) { return position(OklchOf(colorOf(m)).h, kHueDecimals); }, nullptr},
     [](cClrModels& m, const ModelTab::Positions& p) {
         return storeSrgb(m, srgbOfOklch({valueOf(p[0], kOkDecimals), valueOf(p[1], kOkDecimals),
                                          valueOf(p[2], kHueDecimals)}));
     },
     {0, 0, 0, 0},
     {kOkDecimals, kOkDecimals, kHueDecimals, 0}},
}};

} // namespace

std::string ModelTab::valueText(std::size_t row, int position) const
{
    const int places = row < kMaxRows ? decimals[row] : 0;
    if (places == 0)
        return std::to_string(position);
    // Fixed places, so the box keeps its width while the slider moves: "0.500", not "0.5".
    std::string text = FormatDecimal(valueOf(position, places), places);
    const std::size_t point = text.find('.');
    const std::size_t have = point == std::string::npos ? 0 : text.size() - point - 1;
    if (point == std::string::npos)
        text += '.';
    text.append(static_cast<std::size_t>(places) - have, '0');
    return text;
}

const std::array<ModelTab, kModelTabCount>& ModelTabs() { return kTabs; }

} // namespace prismara
