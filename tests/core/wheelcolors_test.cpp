// Tests of the twelve wheel colours on the RGB and RYB wheels.
#include "core/wheel/wheelcolors.h"

#include "core/colour/clrmodels.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace prismara;

namespace {

using Wheel = std::array<ColorValue, kWheelCells>;

Wheel wheelOf(std::initializer_list<std::array<int, 3>> channels)
{
    Wheel wheel{};
    std::size_t i = 0;
    for (const auto& c : channels)
        wheel[i++] = MakeColor(c[0], c[1], c[2]);
    return wheel;
}

std::string describe(const Wheel& wheel)
{
    std::string text;
    for (const ColorValue c : wheel)
        text.append("(").append(RgbText(c)).append(") ");
    return text;
}

} // namespace

TEST(WheelColors, KnownWheels)
{
    struct Row
    {
        const char* name;
        ColorValue base;
        int type;
        Wheel cells;
    };
    const Row rows[] = {
        {"red, RGB wheel", MakeColor(255, 0, 0), kRgbWheel,
         wheelOf({{255, 0, 0},
                  {255, 128, 0},
                  {255, 255, 0},
                  {128, 255, 0},
                  {0, 255, 0},
                  {0, 255, 128},
                  {0, 255, 255},
                  {0, 128, 255},
                  {0, 0, 255},
                  {128, 0, 255},
                  {255, 0, 255},
                  {255, 0, 128}})},
        // Yellow sits four steps from red; the opposite cell is a green.
        {"red, RYB wheel", MakeColor(255, 0, 0), kRybWheel,
         wheelOf({{255, 0, 0},
                  {255, 64, 0},
                  {255, 128, 0},
                  {255, 191, 0},
                  {255, 255, 0},
                  {94, 255, 0},
                  {0, 255, 64},
                  {0, 255, 221},
                  {0, 128, 255},
                  {34, 0, 255},
                  {191, 0, 255},
                  {255, 0, 161}})},
        {"blue, RYB wheel", MakeColor(0, 0, 255), kRybWheel,
         wheelOf({{0, 0, 255},
                  {161, 0, 255},
                  {255, 0, 191},
                  {255, 0, 34},
                  {255, 51, 0},
                  {255, 115, 0},
                  {255, 178, 0},
                  {255, 242, 0},
                  {128, 255, 0},
                  {0, 255, 34},
                  {0, 255, 191},
                  {0, 162, 255}})},
    };
    for (const Row& row : rows) {
        const Wheel wheel = WheelColors(row.base, row.type);
        EXPECT_EQ(wheel, row.cells) << row.name << ": " << describe(wheel);
    }
}

// Hue 0 and hue 360 are both magenta and step round the same way.
TEST(WheelColors, HueThreeSixtyStepsLikeHueZero)
{
    const ColorValue hue0 = MakeColor(255, 0, 255);
    const ColorValue hue360 = MakeColor(254, 0, 255);
    ASSERT_EQ(RGBToHSL(255, 0, 255).H, 0);
    ASSERT_EQ(RGBToHSL(254, 0, 255).H, 360);
    for (const int type : {kRgbWheel, kRybWheel}) {
        Wheel a = WheelColors(hue0, type);
        Wheel b = WheelColors(hue360, type);
        EXPECT_EQ(b[0], hue360);
        a[0] = b[0] = 0;
        EXPECT_EQ(a, b) << "type " << type << ": " << describe(a) << "/ " << describe(b);
    }
    // On the RGB wheel the complement of magenta is green.
    EXPECT_EQ(WheelColors(hue360, kRgbWheel)[6], MakeColor(0, 255, 0));
}

// A grey has no hue, so every cell of either wheel is the grey itself, for all 256 greys (through
// HSL with its whole-percent lightness, (1,1,1) would otherwise turn black).
TEST(WheelColors, GreysGiveTwelveEqualCells)
{
    for (int level = 0; level < 256; ++level) {
        const ColorValue grey = MakeColor(level, level, level);
        for (const int type : {kRgbWheel, kRybWheel}) {
            const Wheel wheel = WheelColors(grey, type);
            for (std::size_t i = 0; i < wheel.size(); ++i)
                EXPECT_EQ(wheel[i], grey) << "grey " << level << " type " << type << " cell " << i;
        }
    }
}

// A sample of colours: both wheels keep cell 0, stay in the colour range and keep the lightness of
// the base colour, and its saturation where the channels are not too few to show it (up to the
// rounding to whole percent).
TEST(WheelColors, CompanionsKeepSaturationAndLightness)
{
    long failures = 0;
    std::string first;
    for (ColorValue color = 0; color <= kWhite; color += 12 * 97 + 1) {
        const HSLValue base = RGBToHSL(GetRed(color), GetGreen(color), GetBlue(color));
        for (const int type : {kRgbWheel, kRybWheel}) {
            const Wheel wheel = WheelColors(color, type);
            bool ok = wheel[0] == color;
            for (const ColorValue cell : wheel) {
                const HSLValue hsl = RGBToHSL(GetRed(cell), GetGreen(cell), GetBlue(cell));
                const bool saturationShows = base.L >= 10 && base.L <= 90;
                ok = ok && cell >= 0 && cell <= kWhite && std::abs(hsl.L - base.L) <= 1 &&
                     (!saturationShows || std::abs(hsl.S - base.S) <= 3);
            }
            if (!ok && failures++ == 0)
                first = HtmlHex(color) + " type " + std::to_string(type) + ": " + describe(wheel);
        }
    }
    EXPECT_EQ(failures, 0) << first;
}
