// Tests of the colour models: known colours, colours where only the float-exact arithmetic gives the
// right answer, properties that hold for every one of the 16,777,216 colours, and a fingerprint of
// every reading and every HSL argument, so that no value of any colour changes unnoticed.
#include "core/colour/clrmodels.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <sstream>
#include <string>

using namespace prismara;

namespace {

cClrModels modelOf(int red, int green, int blue)
{
    cClrModels model;
    model.setRgbR(static_cast<std::uint8_t>(red));
    model.setRgbG(static_cast<std::uint8_t>(green));
    model.setRgbB(static_cast<std::uint8_t>(blue));
    return model;
}

RGBValue channelsOf(const cClrModels& m) { return {m.rgbR(), m.rgbG(), m.rgbB()}; }

std::string describe(const RGBValue& c)
{
    std::ostringstream text; // not "(" + a temporary: GCC 12 warns falsely about that at -O3
    text << '(' << c.R << ',' << c.G << ',' << c.B << ')';
    return text.str();
}

// FNV-1a over a stream of small numbers.
struct Fingerprint
{
    std::uint64_t value = 14695981039346656037ull;
    void add(int v) { value = (value ^ static_cast<std::uint32_t>(v)) * 1099511628211ull; }
};

} // namespace

// The hue is the common hue plus 60. Magenta takes the red branch (0, not 360); the rounded
// lightness picks the saturation formula; the float stores of s, d and h each decide some colour.
TEST(ClrModels, KnownColoursReadInEveryModel)
{
    struct Row
    {
        const char* name;
        int r, g, b, h, s, l, c, m, y, k, yy, cb, cr;
    };
    const Row rows[] = {
        {"black", 0, 0, 0, 60, 0, 0, 0, 0, 0, 100, 0, 128, 128},
        {"white", 255, 255, 255, 60, 0, 100, 0, 0, 0, 0, 255, 128, 128},
        {"pure red", 255, 0, 0, 60, 100, 50, 0, 100, 100, 0, 76, 85, 255},
        {"pure blue: Cb 255.5 is capped", 0, 0, 255, 300, 100, 50, 100, 100, 0, 0, 29, 255, 107},
        {"yellow: Cb 0.5 rounds to 0", 255, 255, 0, 120, 100, 50, 0, 0, 100, 0, 226, 0, 149},
        {"steel blue", 51, 102, 153, 270, 50, 40, 67, 33, 0, 40, 93, 162, 98},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const cClrModels m = modelOf(row.r, row.g, row.b);
        EXPECT_EQ((HSLValue{m.hlsH(), m.hlsS(), m.hlsL()}), (HSLValue{row.h, row.s, row.l}));
        EXPECT_EQ((std::array<int, 4>{m.cmykC(), m.cmykM(), m.cmykY(), m.cmykK()}), (std::array{row.c, row.m, row.y, row.k}));
        EXPECT_EQ((std::array<int, 3>{m.ycbcrY(), m.ycbcrCb(), m.ycbcrCr()}), (std::array{row.yy, row.cb, row.cr}));
        EXPECT_EQ((std::array<int, 3>{m.cmyC(), m.cmyM(), m.cmyY()}), (std::array{255 - row.r, 255 - row.g, 255 - row.b}));
    }
    const struct
    {
        const char* name;
        int r, g, b;
        HSLValue hsl;
    } hsl[] = {
        {"magenta takes the red branch", 255, 0, 255, {0, 100, 50}},
        {"just short of magenta rounds to 360", 254, 0, 255, {360, 100, 50}},
        {"rounded lightness 50 picks max + min", 255, 1, 1, {60, 99, 50}},
        {"s is 0.925f: 92.500001 -> 93 (double: 92)", 77, 3, 3, {60, 93, 16}},
        {"h is exactly 62.5f (double: 63)", 24, 1, 0, {62, 100, 5}},
        {"h store, green branch (double: 212)", 77, 157, 119, {211, 34, 46}},
    };
    for (const auto& row : hsl)
        EXPECT_EQ(RGBToHSL(row.r, row.g, row.b), row.hsl) << row.name;
}

// The channels each setter stores; the comments give what a double-only evaluation stores.
TEST(ClrModels, SettersStoreTheRoundedChannels)
{
    const struct
    {
        const char* name;
        int h, s, l;
        RGBValue rgb;
    } hsl[] = {
        {"hue 0 is magenta", 0, 100, 50, {255, 0, 255}},
        {"127.5 rounds to 128", 240, 100, 25, {0, 128, 128}},
        {"grey 0.3f * 255 = 76.500003 -> 77 (double: 76)", 0, 0, 30, {77, 77, 77}},
        {"h < 0 (double: 91,26,102)", 351, 60, 25, {91, 25, 102}},
        {"3 <= h < 4 (double: 77,255,246)", 237, 100, 65, {76, 255, 246}},
        {"product through a float first gives 128,76,107", 24, 25, 40, {128, 77, 107}},
    };
    for (const auto& row : hsl) {
        cClrModels model = modelOf(1, 2, 3);
        model.SetHLS(row.h, row.s, row.l);
        EXPECT_EQ(channelsOf(model), row.rgb) << row.name << ": " << describe(channelsOf(model));
        EXPECT_EQ(HSLToRGB(row.h, row.s, row.l), row.rgb) << row.name;
    }
    cClrModels model;
    model.SetCMY(0, 127, 255);
    EXPECT_EQ(channelsOf(model), (RGBValue{255, 128, 0}));
    model.SetCMYK(25, 25, 25, 60);
    EXPECT_EQ(channelsOf(model), (RGBValue{76, 76, 76})) << "stored as floats (double: 77)";
    model.SetYCbCr(76, 85, 255);
    EXPECT_EQ(channelsOf(model), (RGBValue{254, 0, 0})) << "pure red does not come back exactly";
    model.SetYCbCr(255, 255, 255);
    EXPECT_EQ(channelsOf(model), (RGBValue{255, 121, 255})) << "clamped";
}

TEST(ClrModelsDeathTest, OutOfRangeSetArgumentsAssertInDebugAndClampOtherwise)
{
    cClrModels model;
    EXPECT_DEBUG_DEATH(model.SetCMY(-1, 300, 0), "");
    EXPECT_DEBUG_DEATH(model.SetHLS(400, 50, 50), "");
    EXPECT_DEBUG_DEATH(model.SetCMYK(0, 0, 0, 101), "");
    EXPECT_DEBUG_DEATH(model.SetYCbCr(-100000, 128, 128), "");
#ifdef NDEBUG
    model.SetCMY(-1, 300, 0);
    EXPECT_EQ(channelsOf(model), (RGBValue{255, 0, 255}));
    model.SetHLS(400, 200, -5);
    EXPECT_EQ(channelsOf(model), (RGBValue{0, 0, 0}));
    model.SetCMYK(-7, 1000, 50, 0);
    EXPECT_EQ(channelsOf(model), (RGBValue{255, 0, 128}));
    model.SetYCbCr(1 << 30, 128, 128);
    EXPECT_EQ(channelsOf(model), (RGBValue{255, 255, 255}));
#endif
}

// One pass over every colour: the properties every colour keeps, and the fingerprint of every
// reading. A changed fingerprint means some colour reads differently: the known colours above show
// where to look.
TEST(ClrModels, EveryColour)
{
    long failures = 0;
    std::string first;
    Fingerprint print;
    const auto distance = [](const RGBValue& a, const RGBValue& b) {
        return std::max({std::abs(a.R - b.R), std::abs(a.G - b.G), std::abs(a.B - b.B)});
    };
    for (int colour = 0; colour < (1 << 24); ++colour) {
        const int r = colour & 255, g = (colour >> 8) & 255, b = colour >> 16;
        const RGBValue rgb{r, g, b};
        const cClrModels model = modelOf(r, g, b);
        const HSLValue hsl{model.hlsH(), model.hlsS(), model.hlsL()};
        const int c = model.cmykC(), m = model.cmykM(), y = model.cmykY(), k = model.cmykK();
        for (const int v : {hsl.H, hsl.S, hsl.L, c, m, y, k, int{model.ycbcrY()}, int{model.ycbcrCb()}, int{model.ycbcrCr()}})
            print.add(v);

        cClrModels cmy, cmyk, ycc;
        cmy.SetCMY(model.cmyC(), model.cmyM(), model.cmyY());
        cmyk.SetCMYK(c, m, y, k);
        ycc.SetYCbCr(model.ycbcrY(), model.ycbcrCb(), model.ycbcrCr());
        const bool ok = RGBToHSL(r, g, b) == hsl && std::min({c, m, y, k, hsl.S, hsl.L}) >= 0 &&
                        std::max({c, m, y, k, hsl.S, hsl.L}) <= 100 && hsl.H >= 0 && hsl.H <= 360 &&
                        ((r != g || g != b) || (hsl.H == 60 && hsl.S == 0)) && channelsOf(cmy) == rgb &&
                        distance(HSLToRGB(hsl.H, hsl.S, hsl.L), rgb) <= 5 && distance(channelsOf(cmyk), rgb) <= 2 &&
                        distance(channelsOf(ycc), rgb) <= 1;
        if (!ok && failures++ == 0)
            first = describe(rgb) + " reads " + describe({hsl.H, hsl.S, hsl.L}) + " in HSL, CMYK back " +
                    describe(channelsOf(cmyk)) + ", YCbCr back " + describe(channelsOf(ycc));
    }
    EXPECT_EQ(failures, 0) << "RGBToHSL equals the model; CMYK 0-100, hue 0-360; greys read hue 60; the CMY, HSL, "
                              "CMYK and YCbCr round trips move no channel by more than 0, 5, 2, 1; first: "
                           << first;
    EXPECT_EQ(print.value, 13018000125807495502u) << "the readings of some colour changed";
}

// HSLToRGB and SetHLS agree for every argument in range, hue 360 is hue 0, and saturation 0 is the
// grey of the lightness whatever the hue.
TEST(ClrModels, EveryHslArgument)
{
    long failures = 0;
    std::string first;
    Fingerprint print;
    cClrModels model;
    for (int h = 0; h <= 360; ++h) {
        for (int s = 0; s <= 100; ++s) {
            for (int l = 0; l <= 100; ++l) {
                const RGBValue rgb = HSLToRGB(h, s, l);
                print.add(rgb.R);
                print.add(rgb.G);
                print.add(rgb.B);
                model.SetHLS(h, s, l);
                const bool ok = channelsOf(model) == rgb && std::min({rgb.R, rgb.G, rgb.B}) >= 0 &&
                                std::max({rgb.R, rgb.G, rgb.B}) <= 255 && (h != 360 || HSLToRGB(0, s, l) == rgb) &&
                                (s != 0 || HSLToRGB(60, 0, l) == rgb);
                if (!ok && failures++ == 0)
                    first = describe({h, s, l}) + " in HSL: " + describe(rgb) + ", SetHLS stores " +
                            describe(channelsOf(model));
            }
        }
    }
    EXPECT_EQ(failures, 0) << "first: " << first;
    EXPECT_EQ(print.value, 260727339618579805u) << "the channels of some HSL argument changed";
}
