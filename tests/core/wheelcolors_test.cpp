// Tests of the twelve wheel colours on the RGB and RYB wheels.
#include "core/wheel/wheelcolors.h"

#include "core/colour/clrmodels.h"

#include <gtest/gtest.h>

#include <string>

using namespace prismara;

namespace {
std::string describe(const std::array<ColorValue, kWheelCells>& wheel)
{
    std::string text;
    for (const ColorValue c : wheel)
        text += (text.empty() ? "" : " ") + HtmlHex(c);
    return text;
}
} // namespace

TEST(WheelColors, KnownWheels)
{
    struct Row
    {
        ColorValue base;
        int type;
        const char* cells;
    };
    // On the RYB wheel yellow sits four steps from red and the opposite cell is a green.
    const Row rows[] = {
        {MakeColor(255, 0, 0), kRgbWheel, "#FF0000 #FF8000 #FFFF00 #80FF00 #00FF00 #00FF80 #00FFFF #0080FF #0000FF #8000FF #FF00FF #FF0080"},
        {MakeColor(255, 0, 0), kRybWheel, "#FF0000 #FF4000 #FF8000 #FFBF00 #FFFF00 #5EFF00 #00FF40 #00FFDD #0080FF #2200FF #BF00FF #FF00A1"},
        {MakeColor(0, 0, 255), kRybWheel, "#0000FF #A100FF #FF00BF #FF0022 #FF3300 #FF7300 #FFB200 #FFF200 #80FF00 #00FF22 #00FFBF #00A2FF"},
        // Hue 360 (just short of magenta) steps round like hue 0.
        {MakeColor(254, 0, 255), kRgbWheel, "#FE00FF #FF0080 #FF0000 #FF8000 #FFFF00 #80FF00 #00FF00 #00FF80 #00FFFF #0080FF #0000FF #8000FF"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(describe(WheelColors(row.base, row.type)), row.cells) << HtmlHex(row.base) << " type " << row.type;
}

// Over a sample of colours both wheels keep cell 0 and the lightness of the base colour, and its
// saturation where the channels are not too few to show it; a grey has no hue, so every cell is
// the grey itself (through HSL's whole-percent lightness (1,1,1) would turn black).
TEST(WheelColors, CompanionsKeepSaturationAndLightnessAndGreysStayGrey)
{
    long failures = 0;
    std::string first;
    for (ColorValue color = 0; color <= kWhite; color += 12 * 97 + 1) {
        const HSLValue base = RGBToHSL(GetRed(color), GetGreen(color), GetBlue(color));
        for (const int type : {kRgbWheel, kRybWheel}) {
            const auto wheel = WheelColors(color, type);
            bool ok = wheel[0] == color;
            for (const ColorValue cell : wheel) {
                const HSLValue hsl = RGBToHSL(GetRed(cell), GetGreen(cell), GetBlue(cell));
                const bool saturationShows = base.L >= 10 && base.L <= 90;
                ok = ok && std::abs(hsl.L - base.L) <= 1 && (!saturationShows || std::abs(hsl.S - base.S) <= 3);
            }
            if (!ok && failures++ == 0)
                first = HtmlHex(color) + " type " + std::to_string(type) + ": " + describe(wheel);
        }
    }
    EXPECT_EQ(failures, 0) << first;
    for (int level = 0; level < 256; ++level) {
        const ColorValue grey = MakeColor(level, level, level);
        for (const int type : {kRgbWheel, kRybWheel})
            for (const ColorValue cell : WheelColors(grey, type))
                ASSERT_EQ(cell, grey) << "grey " << level << " type " << type;
    }
}
