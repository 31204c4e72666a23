// Tests of the colour models: known colours, the colours where only the float-exact arithmetic
// gives the right answer, and properties that hold for every one of the 16,777,216 colours.
#include "core/colour/clrmodels.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <sstream>
#include <string>

using namespace prismara;

namespace {

constexpr int kColourCount = 1 << 24;

cClrModels modelOf(int red, int green, int blue)
{
    cClrModels model;
    model.setRgbR(static_cast<std::uint8_t>(red));
    model.setRgbG(static_cast<std::uint8_t>(green));
    model.setRgbB(static_cast<std::uint8_t>(blue));
    return model;
}

RGBValue channelsOf(const cClrModels& model)
{
    return {model.rgbR(), model.rgbG(), model.rgbB()};
}

std::string describe(const RGBValue& rgb)
{
    std::ostringstream text; // not "(" + a temporary: GCC 12 warns falsely about that at -O3
    text << '(' << rgb.R << ", " << rgb.G << ", " << rgb.B << ')';
    return text.str();
}

std::string describe(const HSLValue& hsl)
{
    return "HSL " + std::to_string(hsl.H) + ", " + std::to_string(hsl.S) + ", " + std::to_string(hsl.L);
}

struct Hsl3
{
    int h, s, l;
};
struct Cmyk4
{
    int c, m, y, k;
};
struct Ycc3
{
    int y, cb, cr;
};

// A known colour and what it reads in each model; a model left empty is not checked for it.
struct ReadCase
{
    const char* name;
    int r, g, b;
    std::optional<Hsl3> hsl;
    std::optional<Cmyk4> cmyk;
    std::optional<Ycc3> ycbcr;
};

const ReadCase kReadCases[] = {
    {"black", 0, 0, 0, Hsl3{60, 0, 0}, Cmyk4{0, 0, 0, 100}, Ycc3{0, 128, 128}},
    {"white", 255, 255, 255, Hsl3{60, 0, 100}, Cmyk4{0, 0, 0, 0}, Ycc3{255, 128, 128}},
    {"grey 128", 128, 128, 128, Hsl3{60, 0, 50}, Cmyk4{0, 0, 0, 50}, Ycc3{128, 128, 128}},
    {"pure red", 255, 0, 0, Hsl3{60, 100, 50}, Cmyk4{0, 100, 100, 0}, Ycc3{76, 85, 255}},
    {"pure green", 0, 255, 0, Hsl3{180, 100, 50}, std::nullopt, std::nullopt},
    {"pure blue (Cb 255.5 capped)", 0, 0, 255, Hsl3{300, 100, 50}, std::nullopt, Ycc3{29, 255, 107}},
    {"yellow (Cb 0.5 rounds to 0)", 255, 255, 0, Hsl3{120, 100, 50}, std::nullopt, Ycc3{226, 0, 149}},
    {"cyan (Cr 0.5 rounds to 0)", 0, 255, 255, Hsl3{240, 100, 50}, std::nullopt, Ycc3{179, 171, 0}},
    {"magenta takes the red branch", 255, 0, 255, Hsl3{0, 100, 50}, std::nullopt, std::nullopt},
    {"just short of magenta rounds to 360", 254, 0, 255, Hsl3{360, 100, 50}, std::nullopt, std::nullopt},
    {"red side of magenta", 255, 0, 254, Hsl3{0, 100, 50}, std::nullopt, std::nullopt},
    {"orange", 255, 128, 0, Hsl3{90, 100, 50}, Cmyk4{0, 50, 100, 0}, std::nullopt},
    {"steel blue", 51, 102, 153, Hsl3{270, 50, 40}, Cmyk4{67, 33, 0, 40}, std::nullopt},
    {"rounded lightness 50 picks max + min", 255, 1, 1, Hsl3{60, 99, 50}, std::nullopt, std::nullopt},
    {"dark blue", 12, 34, 56, Hsl3{270, 65, 13}, std::nullopt, std::nullopt},
};

// Colours where evaluating the whole HSL computation in double gives a different saturation or hue
// (found by comparing both evaluations over every colour; about one colour in two hundred
// differs). The values are those of the float-exact arithmetic; the comment gives the double-only
// reading.
const ReadCase kFloatExactReads[] = {
    {"(77,3,3): s is 0.925f, 92.500001 -> 93 (double: 92)", 77, 3, 3, Hsl3{60, 93, 16}, std::nullopt,
     std::nullopt},
    {"(191,195,13): saturation (double: 87)", 191, 195, 13, Hsl3{121, 88, 41}, std::nullopt, std::nullopt},
    {"(21,32,59): saturation (double: 48)", 21, 32, 59, Hsl3{283, 47, 16}, std::nullopt, std::nullopt},
    {"(168,60,242): saturation above half lightness (double: 87)", 168, 60, 242, Hsl3{336, 88, 59},
     std::nullopt, std::nullopt},
    {"(182,134,200): saturation above half lightness (double: 37)", 182, 134, 200, Hsl3{344, 38, 65},
     std::nullopt, std::nullopt},
    {"(24,1,0): hue is exactly 62.5f, red branch (double: 63)", 24, 1, 0, Hsl3{62, 100, 5}, std::nullopt,
     std::nullopt},
    {"(40,1,0): hue, red branch (double: 61)", 40, 1, 0, Hsl3{62, 100, 8}, std::nullopt, std::nullopt},
    {"(223,31,215): hue, red branch (double: 2)", 223, 31, 215, Hsl3{3, 76, 50}, std::nullopt, std::nullopt},
    {"(42,162,105): hue, green branch (double: 212)", 42, 162, 105, Hsl3{211, 59, 40}, std::nullopt,
     std::nullopt},
    {"(175,255,233): hue, green branch (double: 223)", 175, 255, 233, Hsl3{224, 100, 84}, std::nullopt,
     std::nullopt},
    {"(48,200,240): hue, blue branch (double: 253)", 48, 200, 240, Hsl3{252, 86, 56}, std::nullopt,
     std::nullopt},
    {"(110,123,150): hue, blue branch (double: 281)", 110, 123, 150, Hsl3{280, 16, 51}, std::nullopt,
     std::nullopt},
};

// Each float store of the hue and saturation matters on its own: keeping just that one value in
// double reads the number in the comment instead.
const ReadCase kEachReadStore[] = {
    {"s store (15,1,1) (double s: 87)", 15, 1, 1, Hsl3{60, 88, 3}, std::nullopt, std::nullopt},
    {"s store (204,134,66) (double s: 58)", 204, 134, 66, Hsl3{90, 57, 53}, std::nullopt, std::nullopt},
    {"s store (189,51,149) (double s: 58)", 189, 51, 149, Hsl3{17, 57, 47}, std::nullopt, std::nullopt},
    {"d store (10,2,7) (double d: 22)", 10, 2, 7, Hsl3{23, 67, 2}, std::nullopt, std::nullopt},
    {"d store (186,18,109) (double d: 27)", 186, 18, 109, Hsl3{28, 82, 40}, std::nullopt, std::nullopt},
    {"d store (231,71,179) (double d: 20)", 231, 71, 179, Hsl3{19, 77, 59}, std::nullopt, std::nullopt},
    {"h store (9,1,6) (double h: 23)", 9, 1, 6, Hsl3{22, 80, 2}, std::nullopt, std::nullopt},
    {"h store (77,157,119) (double h: 212)", 77, 157, 119, Hsl3{211, 34, 46}, std::nullopt, std::nullopt},
    {"h store (178,138,177) (double h: 2)", 178, 138, 177, Hsl3{1, 21, 62}, std::nullopt, std::nullopt},
};

void checkReads(const ReadCase& row)
{
    SCOPED_TRACE(row.name);
    const cClrModels model = modelOf(row.r, row.g, row.b);
    if (row.hsl) {
        EXPECT_EQ(model.hlsH(), row.hsl->h);
        EXPECT_EQ(model.hlsS(), row.hsl->s);
        EXPECT_EQ(model.hlsL(), row.hsl->l);
        EXPECT_EQ(RGBToHSL(row.r, row.g, row.b), (HSLValue{row.hsl->h, row.hsl->s, row.hsl->l}));
    }
    if (row.cmyk) {
        EXPECT_EQ(model.cmykC(), row.cmyk->c);
        EXPECT_EQ(model.cmykM(), row.cmyk->m);
        EXPECT_EQ(model.cmykY(), row.cmyk->y);
        EXPECT_EQ(model.cmykK(), row.cmyk->k);
    }
    if (row.ycbcr) {
        EXPECT_EQ(model.ycbcrY(), row.ycbcr->y);
        EXPECT_EQ(model.ycbcrCb(), row.ycbcr->cb);
        EXPECT_EQ(model.ycbcrCr(), row.ycbcr->cr);
    }
    EXPECT_EQ(model.cmyC(), 255 - row.r);
    EXPECT_EQ(model.cmyM(), 255 - row.g);
    EXPECT_EQ(model.cmyY(), 255 - row.b);
}

// HSL arguments and the channels they store.
struct HslSetCase
{
    const char* name;
    int h, s, l;
    RGBValue rgb;
};

const HslSetCase kHslSetCases[] = {
    {"red", 60, 100, 50, {255, 0, 0}},
    {"hue 0 is magenta", 0, 100, 50, {255, 0, 255}},
    {"hue 360 is magenta", 360, 100, 50, {255, 0, 255}},
    {"127.5 rounds to 128", 240, 100, 25, {0, 128, 128}},
    {"pale yellow", 120, 50, 75, {223, 223, 159}},
    {"round trip of (12,34,56) is not exact", 270, 65, 13, {12, 33, 55}},
    {"grey of any hue: 0.37f * 255", 100, 0, 37, {94, 94, 94}},
    {"grey 50: 127.5 rounds to 128", 333, 0, 50, {128, 128, 128}},
    {"black", 200, 100, 0, {0, 0, 0}},
    {"white", 200, 100, 100, {255, 255, 255}},
};

// Arguments where only the float-exact arithmetic stores the right channels. The comment gives what
// a double-only evaluation stores, or what rounding the product with 255 to a float first stores.
const HslSetCase kFloatExactSets[] = {
    {"grey 0.3f * 255 = 76.500003 -> 77 (double: 76)", 0, 0, 30, {77, 77, 77}},
    {"grey 0.9f * 255 -> 229 (double: 230)", 7, 0, 90, {229, 229, 229}},
    {"h < 0 (double: 91,26,102)", 351, 60, 25, {91, 25, 102}},
    {"0 <= h < 1 (double: 230,224,76)", 118, 75, 60, {229, 224, 77}},
    {"1 <= h < 2 (double: 76,93,60)", 150, 22, 30, {77, 93, 60}},
    {"2 <= h < 3 (double: 16,137,76)", 210, 79, 30, {16, 137, 77}},
    {"3 <= h < 4 (double: 77,255,246)", 237, 100, 65, {76, 255, 246}},
    {"h >= 4 (double: 99,110,238)", 295, 80, 66, {99, 111, 238}},
    {"product through a float first gives 120,8,110", 5, 88, 25, {120, 8, 111}},
    {"product through a float first gives 128,76,107", 24, 25, 40, {128, 77, 107}},
    {"product through a float first gives 217,191,196", 50, 25, 80, {217, 191, 195}},
    {"product through a float first gives 102,0,8", 55, 100, 20, {102, 0, 9}},
};

// Each float store of SetHLS matters on its own: keeping just that one value in double stores the
// channels in the comment instead.
const HslSetCase kEachSetStore[] = {
    {"h store (double h: 43,39,42)", 5, 5, 16, {43, 39, 43}},
    {"h store (double h: 77,178,111)", 200, 40, 50, {77, 178, 110}},
    {"h store (double h: 25,59,229)", 290, 80, 50, {25, 60, 229}},
    {"s store (double s: 229,26,229)", 0, 80, 50, {229, 25, 229}},
    {"s store (double s: 245,230,61)", 115, 90, 60, {245, 229, 61}},
    {"l store (double l: 33,18,25)", 30, 31, 10, {33, 18, 26}},
    {"m1 store (double m1: 178,76,178)", 0, 40, 50, {178, 77, 178}},
    {"m1 store (double m1: 76,68,46)", 103, 25, 24, {77, 68, 46}},
    {"m2 store (double m2: 179,26,107)", 28, 75, 40, {178, 26, 107}},
    {"m2 store (double m2: 230,112,77)", 74, 75, 60, {229, 112, 77}},
    {"d store (double d: 211,23,196)", 5, 80, 46, {211, 23, 195}},
    {"d store (double d: 77,148,5)", 150, 93, 30, {76, 148, 5}},
    {"d store (double d: 26,1,50)", 330, 96, 10, {25, 1, 50}},
    {"remaining channel store (double: 51,25,0)", 90, 99, 10, {51, 26, 0}},
    {"remaining channel store (double: 175,207,196)", 218, 25, 75, {175, 207, 195}},
};

void checkHslSet(const HslSetCase& row)
{
    SCOPED_TRACE(row.name);
    cClrModels model = modelOf(1, 2, 3);
    model.SetHLS(row.h, row.s, row.l);
    EXPECT_EQ(channelsOf(model), row.rgb) << describe(channelsOf(model));
    EXPECT_EQ(HSLToRGB(row.h, row.s, row.l), row.rgb);
}

// One property checked over many colours: counts its failures and describes the first.
struct Property
{
    explicit Property(const char* what) : name(what) {}
    const char* name;
    long failures = 0;
    std::string first;
    // The detail is only worked out for a failure: building texts for every colour would
    // make the loop many times slower.
    template <typename Detail> void check(bool ok, const RGBValue& rgb, Detail detail)
    {
        if (ok || ++failures > 1)
            return;
        first = describe(rgb) + " " + detail();
    }
};

} // namespace

TEST(ClrModels, NewObjectHoldsBlack)
{
    const cClrModels model;
    EXPECT_EQ(channelsOf(model), (RGBValue{0, 0, 0}));
    EXPECT_EQ(model.cmykK(), 100);
    EXPECT_EQ(model.hlsH(), 60);
}

TEST(ClrModels, KnownColoursReadInEveryModel)
{
    for (const ReadCase& row : kReadCases)
        checkReads(row);
}

TEST(ClrModels, FloatExactSaturationAndHue)
{
    for (const ReadCase& row : kFloatExactReads)
        checkReads(row);
    for (const ReadCase& row : kEachReadStore)
        checkReads(row);
}

TEST(ClrModels, ChannelWritersChangeOnlyTheirChannel)
{
    cClrModels model = modelOf(10, 20, 30);
    model.setRgbG(200);
    EXPECT_EQ(channelsOf(model), (RGBValue{10, 200, 30}));
    model.setRgbR(0);
    model.setRgbB(255);
    EXPECT_EQ(channelsOf(model), (RGBValue{0, 200, 255}));
}

TEST(ClrModels, SetHlsKnownArguments)
{
    for (const HslSetCase& row : kHslSetCases)
        checkHslSet(row);
}

TEST(ClrModels, SetHlsFloatExactArguments)
{
    for (const HslSetCase& row : kFloatExactSets)
        checkHslSet(row);
    for (const HslSetCase& row : kEachSetStore)
        checkHslSet(row);
}

TEST(ClrModels, SetCmyk)
{
    struct Row
    {
        const char* name;
        Cmyk4 cmyk;
        RGBValue rgb;
    };
    // The last rows are where the arguments stored as floats matter: a double-only evaluation
    // stores the value given in the comment.
    const Row rows[] = {
        {"black", {0, 0, 0, 100}, {0, 0, 0}},
        {"black whatever the inks", {40, 70, 100, 100}, {0, 0, 0}},
        {"white", {0, 0, 0, 0}, {255, 255, 255}},
        {"orange", {0, 50, 100, 0}, {255, 128, 0}},
        {"K 10 (double: 230)", {0, 0, 0, 10}, {229, 229, 229}},
        {"K 90 (double: 25)", {0, 0, 0, 90}, {26, 26, 26}},
        {"C 10 (double: 230)", {10, 0, 90, 0}, {229, 255, 26}},
        {"C, M, Y 25 over K 60 (double: 77)", {25, 25, 25, 60}, {76, 76, 76}},
        {"C 40 over K 50 (double: 77)", {40, 0, 0, 50}, {76, 128, 128}},
    };
    for (const Row& row : rows) {
        cClrModels model;
        model.SetCMYK(row.cmyk.c, row.cmyk.m, row.cmyk.y, row.cmyk.k);
        EXPECT_EQ(channelsOf(model), row.rgb) << row.name << ": " << describe(channelsOf(model));
    }
}

TEST(ClrModels, SetYCbCrRoundsAndClamps)
{
    struct Row
    {
        const char* name;
        Ycc3 ycc;
        RGBValue rgb;
    };
    const Row rows[] = {
        {"white", {255, 128, 128}, {255, 255, 255}},
        {"pure red does not come back exactly", {76, 85, 255}, {254, 0, 0}},
        {"pure blue does not come back exactly", {29, 255, 107}, {0, 0, 254}},
        {"red and blue clamped above", {255, 255, 255}, {255, 121, 255}},
        {"clamped below", {0, 0, 0}, {0, 135, 0}},
        {"grey", {128, 128, 128}, {128, 128, 128}},
    };
    for (const Row& row : rows) {
        cClrModels model;
        model.SetYCbCr(row.ycc.y, row.ycc.cb, row.ycc.cr);
        EXPECT_EQ(channelsOf(model), row.rgb) << row.name << ": " << describe(channelsOf(model));
    }
}

TEST(ClrModels, SetCmy)
{
    cClrModels model;
    model.SetCMY(0, 127, 255);
    EXPECT_EQ(channelsOf(model), (RGBValue{255, 128, 0}));
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
    model.SetHLS(-30, 100, 50);
    EXPECT_EQ(channelsOf(model), (RGBValue{255, 0, 255}));
    model.SetCMYK(-7, 1000, 50, 0);
    EXPECT_EQ(channelsOf(model), (RGBValue{255, 0, 128}));
    model.SetYCbCr(1 << 30, 128, 128);
    EXPECT_EQ(channelsOf(model), (RGBValue{255, 255, 255}));
#endif
}

// One pass over every colour checks all per-colour properties, so that the loop stays short even
// under the sanitizers. Each property counts its failures and remembers the first.
TEST(ClrModels, EveryColour)
{
    Property freeFunction("RGBToHSL equals hlsH, hlsS, hlsL");
    Property ranges("CMYK 0-100, hue 0-360, S and L 0-100");
    Property cmy("CMY is 255 minus the channel, SetCMY gives the colour back");
    Property hslTrip("the HSL round trip moves no channel by more than 5");
    Property cmykTrip("the CMYK round trip moves no channel by more than 2");
    Property yccTrip("the YCbCr round trip moves no channel by more than 1");
    Property grey("greys read hue 60 and saturation 0");

    const auto distance = [](const RGBValue& a, const RGBValue& b) {
        return std::max({std::abs(a.R - b.R), std::abs(a.G - b.G), std::abs(a.B - b.B)});
    };

    for (int colour = 0; colour < kColourCount; ++colour) {
        const int r = colour & 255;
        const int g = (colour >> 8) & 255;
        const int b = colour >> 16;
        const RGBValue rgb{r, g, b};
        const cClrModels model = modelOf(r, g, b);

        const HSLValue hsl{model.hlsH(), model.hlsS(), model.hlsL()};
        const HSLValue fromFree = RGBToHSL(r, g, b);
        freeFunction.check(fromFree == hsl, rgb,
                           [&] { return describe(fromFree) + " but reads " + describe(hsl); });

        const int c = model.cmykC(), m = model.cmykM(), y = model.cmykY(), k = model.cmykK();
        const bool inRange = std::min({c, m, y, k, hsl.S, hsl.L}) >= 0 &&
                             std::max({c, m, y, k, hsl.S, hsl.L}) <= 100 && hsl.H >= 0 && hsl.H <= 360;
        ranges.check(inRange, rgb, [&] {
            return describe(hsl) + " CMYK " + std::to_string(c) + "," + std::to_string(m) + "," +
                   std::to_string(y) + "," + std::to_string(k);
        });

        grey.check((r != g || g != b) || (hsl.H == 60 && hsl.S == 0), rgb, [&] { return describe(hsl); });

        cClrModels back;
        back.SetCMY(model.cmyC(), model.cmyM(), model.cmyY());
        cmy.check(model.cmyC() == 255 - r && model.cmyM() == 255 - g && model.cmyY() == 255 - b &&
                      channelsOf(back) == rgb,
                  rgb, [&] { return describe(channelsOf(back)); });

        const RGBValue viaHsl = HSLToRGB(hsl.H, hsl.S, hsl.L);
        hslTrip.check(distance(viaHsl, rgb) <= 5, rgb, [&] { return "comes back as " + describe(viaHsl); });

        back.SetCMYK(c, m, y, k);
        cmykTrip.check(distance(channelsOf(back), rgb) <= 2, rgb,
                       [&] { return "comes back as " + describe(channelsOf(back)); });

        back.SetYCbCr(model.ycbcrY(), model.ycbcrCb(), model.ycbcrCr());
        yccTrip.check(distance(channelsOf(back), rgb) <= 1, rgb,
                      [&] { return "comes back as " + describe(channelsOf(back)); });
    }

    for (const Property* property : {&freeFunction, &ranges, &cmy, &hslTrip, &cmykTrip, &yccTrip, &grey})
        EXPECT_EQ(property->failures, 0) << property->name << "; first: " << property->first;
}

// HSLToRGB and SetHLS agree for every argument in range, and every result is a channel value.
TEST(ClrModels, EveryHslArgument)
{
    long failures = 0;
    std::string first;
    cClrModels model;
    for (int h = 0; h <= 360; ++h) {
        for (int s = 0; s <= 100; ++s) {
            for (int l = 0; l <= 100; ++l) {
                const RGBValue rgb = HSLToRGB(h, s, l);
                model.SetHLS(h, s, l);
                const bool inRange =
                    std::min({rgb.R, rgb.G, rgb.B}) >= 0 && std::max({rgb.R, rgb.G, rgb.B}) <= 255;
                const bool magenta = h != 360 || HSLToRGB(0, s, l) == rgb;
                const bool sameGrey =
                    s != 0 || (rgb.R == rgb.G && rgb.G == rgb.B && HSLToRGB(60, 0, l) == rgb);
                if (channelsOf(model) == rgb && inRange && magenta && sameGrey)
                    continue;
                if (failures++ == 0)
                    first = "HSL " + std::to_string(h) + "," + std::to_string(s) + "," + std::to_string(l) +
                            ": " + describe(rgb) + ", SetHLS stores " + describe(channelsOf(model));
            }
        }
    }
    EXPECT_EQ(failures, 0) << "first: " << first;
}
