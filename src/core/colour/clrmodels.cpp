// clrmodels.cpp - CMY, CMYK, HSL and YCbCr of a colour, and the HSL functions on integers.
//
// The HSL arithmetic stores its intermediate values as 32-bit floats; each expression is evaluated
// in double from those floats and rounded to float where it is stored. About one colour in two
// hundred reads a different saturation or hue when the whole computation is done in double, so the
// float stores are part of the result, not an implementation detail.
#include "core/colour/clrmodels.h"

#include "core/colour/rounding.h"

#include <algorithm>
#include <array>
#include <cassert>

namespace prismara {

namespace {

// A channel 0-255 as a fraction of 255, stored as a 32-bit float.
constexpr std::array<float, 256> kUnit = [] {
    std::array<float, 256> unit{};
    for (int v = 0; v < 256; ++v)
        unit[static_cast<std::size_t>(v)] = static_cast<float>(v / 255.0);
    return unit;
}();

float unitOf(int channel)
{
    return kUnit[static_cast<std::size_t>(channel)];
}

int max3(int a, int b, int c)
{
    return std::max(a, std::max(b, c));
}
int min3(int a, int b, int c)
{
    return std::min(a, std::min(b, c));
}

int clampInt(int value, int low, int high)
{
    assert(value >= low && value <= high);
    return std::clamp(value, low, high);
}

std::uint8_t toByte(int value)
{
    return static_cast<std::uint8_t>(std::clamp(value, 0, 255));
}

// CMYK black from the largest channel.
int cmykBlack(int maxChannel)
{
    return RoundToInt((255 - maxChannel) / 2.55);
}

// CMYK cyan, magenta or yellow from its channel and the black K: the share of the colour that
// black does not already cover. Black itself (K = 100) reads 0 instead of dividing by zero.
int cmykComponent(int channel, int black)
{
    const int percent = RoundToInt(channel / 2.55);
    const int rest = black == 100 ? 1 : 100 - black;
    return RoundToInt(static_cast<double>(100 - percent - black) / rest * 100.0);
}

int hslLightness(int maxChannel, int minChannel)
{
    return RoundToInt((maxChannel + minChannel) / 2.0 / 2.55);
}

// The rounded lightness, not the exact one, chooses the denominator: (255, 1, 1) has an exact
// lightness just above one half but reads 50, so it takes max + min.
int hslSaturation(int maxChannel, int minChannel, int lightness)
{
    if (maxChannel == minChannel)
        return 0;
    const double mx = unitOf(maxChannel);
    const double mn = unitOf(minChannel);
    const float s = static_cast<float>(lightness <= 50 ? (mx - mn) / (mx + mn) : (mx - mn) / (2.0 - mx - mn));
    return RoundToInt(static_cast<double>(s) * 100.0);
}

// The comparisons run red, green, blue in this order, so a colour whose red and blue are both the
// largest takes the red branch: magenta reads 0, not 360.
int hslHue(int red, int green, int blue, int maxChannel, int minChannel)
{
    float h = 0.0f;
    if (maxChannel != minChannel) {
        const double r = unitOf(red);
        const double g = unitOf(green);
        const double b = unitOf(blue);
        const double d = static_cast<float>(static_cast<double>(unitOf(maxChannel)) - unitOf(minChannel));
        if (red == maxChannel)
            h = static_cast<float>((g - b) / d);
        else if (green == maxChannel)
            h = static_cast<float>((b - r) / d + 2.0);
        else
            h = static_cast<float>((r - g) / d + 4.0);
    }
    const float hue = static_cast<float>((static_cast<double>(h) + 1.0) * 60.0);
    return RoundToInt(hue);
}

// percent / 100 for 0-100, stored as 32-bit floats.
constexpr std::array<float, 101> kFraction = [] {
    std::array<float, 101> fraction{};
    for (int percent = 0; percent <= 100; ++percent)
        fraction[static_cast<std::size_t>(percent)] = static_cast<float>(percent / 100.0);
    return fraction;
}();

// The table serves the arguments in range; anything else is computed the same way.
float fractionOf(int percent)
{
    return percent >= 0 && percent <= 100 ? kFraction[static_cast<std::size_t>(percent)]
                                          : static_cast<float>(percent / 100.0);
}

// A stored channel fraction to 0-255: the product is rounded directly, never through a float
// (0.6333333f * 255 is 161.499998 and must give 161, not 162).
int unitToChannel(float unit)
{
    return RoundToIntSaturating(static_cast<double>(unit) * 255.0);
}

// What an HSL colour takes from its saturation and lightness alone: the lower level m1 (the
// smallest channel), the upper level m2 (the largest), their distance d, and m1 and m2 as channels.
struct HslLevels
{
    bool grey; // saturation 0: every channel is the lightness
    float m1, m2, d;
    int low, high;
};

HslLevels hslLevels(int saturation, int lightness)
{
    const float s = fractionOf(saturation);
    const float l = fractionOf(lightness);
    if (s == 0.0f) {
        const int grey = unitToChannel(l);
        return {true, l, l, 0.0f, grey, grey};
    }
    const double ld = l;
    const double sd = s;
    const float m1 = static_cast<float>(l <= 0.5f ? ld * (1.0 - sd) : ld - (1.0 - ld) * sd);
    const float m2 = static_cast<float>(2.0 * ld - m1);
    const float d = static_cast<float>(static_cast<double>(m2) - m1);
    return {false, m1, m2, d, unitToChannel(m1), unitToChannel(m2)};
}

// The six sectors of the hue value h = hue / 60 - 1 (a 32-bit float): h < 0, 0 <= h < 1, ...,
// h >= 4. In each the largest channel is m2, the smallest m1, and the remaining one is
// m1 + ramp * d, with ramp = offset + sign * h:
//   h < 0:      red m2,   green m1, blue  m1 - h d
//   0 <= h < 1: red m2,   blue m1,  green m1 + h d
//   1 <= h < 2: green m2, blue m1,  red   m1 + (2 - h) d
//   2 <= h < 3: green m2, red m1,   blue  m1 + (h - 2) d
//   3 <= h < 4: blue m2,  red m1,   green m1 + (4 - h) d
//   h >= 4:     blue m2,  green m1, red   m1 + (h - 4) d
// offset + sign * h is each of these differences exactly (h is a float, so in double neither the
// negation nor the subtraction rounds), so the ramp gives the same bits as the six formulas.
struct Sector
{
    double offset, sign;
    std::size_t largest, smallest, remaining; // channel index: 0 red, 1 green, 2 blue
};

constexpr std::array<Sector, 6> kSectors{{
    {0.0, -1.0, 0, 1, 2},
    {0.0, 1.0, 0, 2, 1},
    {2.0, -1.0, 1, 2, 0},
    {-2.0, 1.0, 1, 0, 2},
    {4.0, -1.0, 2, 0, 1},
    {-4.0, 1.0, 2, 1, 0},
}};

// Where a hue falls: its sector and the ramp of its remaining channel.
struct HuePlace
{
    const Sector* sector;
    double ramp;
};

constexpr HuePlace placeOf(int hue)
{
    const float h = static_cast<float>(hue / 60.0 - 1.0);
    const std::size_t index = static_cast<std::size_t>(h >= 0.0f) + static_cast<std::size_t>(h >= 1.0f) +
                              static_cast<std::size_t>(h >= 2.0f) + static_cast<std::size_t>(h >= 3.0f) +
                              static_cast<std::size_t>(h >= 4.0f);
    const Sector& sector = kSectors[index];
    return {&sector, sector.offset + sector.sign * static_cast<double>(h)};
}

// The place of every hue 0-360, so that the hues of a wheel cost no division and no branch.
constexpr std::array<HuePlace, 361> kHuePlaces = [] {
    std::array<HuePlace, 361> places{};
    for (int hue = 0; hue <= 360; ++hue)
        places[static_cast<std::size_t>(hue)] = placeOf(hue);
    return places;
}();

// The table serves the hues in range; any other is placed the same way.
HuePlace huePlace(int hue)
{
    return hue >= 0 && hue <= 360 ? kHuePlaces[static_cast<std::size_t>(hue)] : placeOf(hue);
}

// The channels of a hue at the given levels.
inline RGBValue hslChannels(const HuePlace& place, const HslLevels& levels)
{
    if (levels.grey)
        return {levels.low, levels.low, levels.low};
    const float remaining = static_cast<float>(levels.m1 + place.ramp * static_cast<double>(levels.d));
    std::array<int, 3> channel{};
    channel[place.sector->largest] = levels.high;
    channel[place.sector->smallest] = levels.low;
    channel[place.sector->remaining] = unitToChannel(remaining);
    return {channel[0], channel[1], channel[2]};
}

} // namespace

std::int16_t cClrModels::cmykK() const
{
    return static_cast<std::int16_t>(cmykBlack(max3(m_red, m_green, m_blue)));
}

std::int16_t cClrModels::cmykC() const
{
    return static_cast<std::int16_t>(cmykComponent(m_red, cmykK()));
}

std::int16_t cClrModels::cmykM() const
{
    return static_cast<std::int16_t>(cmykComponent(m_green, cmykK()));
}

std::int16_t cClrModels::cmykY() const
{
    return static_cast<std::int16_t>(cmykComponent(m_blue, cmykK()));
}

std::int16_t cClrModels::hlsH() const
{
    return static_cast<std::int16_t>(
        hslHue(m_red, m_green, m_blue, max3(m_red, m_green, m_blue), min3(m_red, m_green, m_blue)));
}

std::int16_t cClrModels::hlsL() const
{
    return static_cast<std::int16_t>(
        hslLightness(max3(m_red, m_green, m_blue), min3(m_red, m_green, m_blue)));
}

std::int16_t cClrModels::hlsS() const
{
    const int mx = max3(m_red, m_green, m_blue);
    const int mn = min3(m_red, m_green, m_blue);
    return static_cast<std::int16_t>(hslSaturation(mx, mn, hslLightness(mx, mn)));
}

std::uint8_t cClrModels::ycbcrY() const
{
    return toByte(RoundToInt(0.2989 * m_red + 0.5866 * m_green + 0.1145 * m_blue));
}

// Pure blue gives 255.5, which rounds to 256 and is capped at 255. The lowest value is 0.5.
std::uint8_t cClrModels::ycbcrCb() const
{
    return toByte(RoundToInt(-0.1687 * m_red - 0.3313 * m_green + 0.5 * m_blue + 128.0));
}

std::uint8_t cClrModels::ycbcrCr() const
{
    return toByte(RoundToInt(0.5 * m_red - 0.4187 * m_green - 0.0813 * m_blue + 128.0));
}

void cClrModels::SetCMY(int c, int m, int y)
{
    m_red = static_cast<std::uint8_t>(255 - clampInt(c, 0, 255));
    m_green = static_cast<std::uint8_t>(255 - clampInt(m, 0, 255));
    m_blue = static_cast<std::uint8_t>(255 - clampInt(y, 0, 255));
}

void cClrModels::SetHLS(int h, int s, int l)
{
    const RGBValue rgb = HSLToRGB(clampInt(h, 0, 360), clampInt(s, 0, 100), clampInt(l, 0, 100));
    m_red = toByte(rgb.R);
    m_green = toByte(rgb.G);
    m_blue = toByte(rgb.B);
}

void cClrModels::SetCMYK(int c, int m, int y, int k)
{
    const auto fraction = [](int percent) { return static_cast<float>(clampInt(percent, 0, 100) / 100.0); };
    const double kf = fraction(k);
    const auto channel = [kf](double share) {
        return toByte(RoundToInt((1.0 - (share * (1.0 - kf) + kf)) * 255.0));
    };
    m_red = channel(fraction(c));
    m_green = channel(fraction(m));
    m_blue = channel(fraction(y));
}

void cClrModels::SetYCbCr(int y, int cb, int cr)
{
    const double luma = clampInt(y, 0, 255);
    const double blue = clampInt(cb, 0, 255) - 128;
    const double red = clampInt(cr, 0, 255) - 128;
    m_red = toByte(RoundToInt(luma + 1.402 * red));
    m_green = toByte(RoundToInt(luma - 0.34414 * blue - 0.71414 * red));
    m_blue = toByte(RoundToInt(luma + 1.772 * blue));
}

HSLValue RGBToHSL(std::int32_t r, std::int32_t g, std::int32_t b)
{
    assert(r >= 0 && r <= 255 && g >= 0 && g <= 255 && b >= 0 && b <= 255);
    r = std::clamp(r, 0, 255);
    g = std::clamp(g, 0, 255);
    b = std::clamp(b, 0, 255);
    const int mx = max3(r, g, b);
    const int mn = min3(r, g, b);
    const int lightness = hslLightness(mx, mn);
    return {hslHue(r, g, b, mx, mn), hslSaturation(mx, mn, lightness), lightness};
}

RGBValue HSLToRGB(std::int32_t h, std::int32_t s, std::int32_t l)
{
    return hslChannels(huePlace(h), hslLevels(s, l));
}

void HSLToRGBHues(std::span<const std::int32_t> hues, std::int32_t s, std::int32_t l, std::span<RGBValue> out)
{
    assert(out.size() >= hues.size());
    const HslLevels levels = hslLevels(s, l);
    const std::size_t count = std::min(hues.size(), out.size());
    for (std::size_t i = 0; i < count; ++i)
        out[i] = hslChannels(huePlace(hues[i]), levels);
}

} // namespace prismara
