// Tests of the colour value: channels, text forms, parsing and the web-safe rule.
#include "core/colour/colorvalue.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

using namespace prismara;

TEST(ColorValue, ChannelsComeFromTheirBytes)
{
    const ColorValue color = 0x123456; // blue 0x12, green 0x34, red 0x56
    EXPECT_EQ(GetRed(color), 0x56);
    EXPECT_EQ(GetGreen(color), 0x34);
    EXPECT_EQ(GetBlue(color), 0x12);
    EXPECT_EQ(MakeColor(0x56, 0x34, 0x12), color);
    EXPECT_EQ(MakeColor(255, 0, 0), 255);
    EXPECT_EQ(MakeColor(0, 0, 255), 0xFF0000);
}

TEST(ColorValue, TextForms)
{
    struct Row
    {
        const char* name;
        ColorValue color;
        std::string html, bgr, red, green, blue, rgb;
    };
    const Row rows[] = {
        {"black", 0, "#000000", "000000", "00", "00", "00", "0,0,0"},
        {"white", 0xFFFFFF, "#FFFFFF", "FFFFFF", "FF", "FF", "FF", "255,255,255"},
        {"pure red", 0x0000FF, "#FF0000", "0000FF", "FF", "00", "00", "255,0,0"},
        {"pure blue", 0xFF0000, "#0000FF", "FF0000", "00", "00", "FF", "0,0,255"},
        {"channels below 16 keep two digits", 0x0A0B0C, "#0C0B0A", "0A0B0C", "0C", "0B", "0A", "12,11,10"},
        {"reversed hex is the value's own digits", 0x123456, "#563412", "123456", "56", "34", "12",
         "86,52,18"},
        {"decimal without padding", 0x00FF80, "#80FF00", "00FF80", "80", "FF", "00", "128,255,0"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(HtmlHex(row.color), row.html);
        EXPECT_EQ(BgrHex(row.color), row.bgr);
        EXPECT_EQ(RedHex(row.color), row.red);
        EXPECT_EQ(GreenHex(row.color), row.green);
        EXPECT_EQ(BlueHex(row.color), row.blue);
        EXPECT_EQ(RgbText(row.color), row.rgb);
    }
}

TEST(ColorValue, ParseHex6AndRgbRecord)
{
    EXPECT_EQ(ParseHex6("123456"), 0x123456);
    EXPECT_EQ(ParseHex6("abcDEF"), 0xABCDEF);
    EXPECT_EQ(ParseRgbRecord("FF0000"), MakeColor(255, 0, 0));
    EXPECT_EQ(ParseRgbRecord("0a0B0c"), MakeColor(10, 11, 12));
    for (const char* bad : {"", "12345", "1234567", "12345G", "#12345", " 12345"}) {
        EXPECT_FALSE(ParseHex6(bad).has_value()) << '"' << bad << '"';
        EXPECT_FALSE(ParseRgbRecord(bad).has_value()) << '"' << bad << '"';
    }
}

TEST(ColorValue, SnapWebSafeChannels)
{
    struct Row
    {
        int in, out;
    };
    // Remainders 0-25 go down to the multiple of 51 below, 26-50 up to the one above.
    const Row rows[] = {{0, 0},     {25, 0},    {26, 51},   {50, 51},   {51, 51},   {76, 51},  {77, 102},
                        {127, 102}, {128, 153}, {229, 204}, {230, 255}, {254, 255}, {255, 255}};
    for (const Row& row : rows) {
        EXPECT_EQ(SnapWebSafe(MakeColor(row.in, 0, 0)), MakeColor(row.out, 0, 0)) << "red " << row.in;
        EXPECT_EQ(SnapWebSafe(MakeColor(0, row.in, 0)), MakeColor(0, row.out, 0)) << "green " << row.in;
        EXPECT_EQ(SnapWebSafe(MakeColor(0, 0, row.in)), MakeColor(0, 0, row.out)) << "blue " << row.in;
    }
    EXPECT_EQ(SnapWebSafe(MakeColor(200, 100, 30)), MakeColor(204, 102, 51));
}

TEST(ColorValue, IsWebSafe)
{
    EXPECT_TRUE(IsWebSafe(kWhite));
    EXPECT_TRUE(IsWebSafe(kBlack));
    EXPECT_TRUE(IsWebSafe(MakeColor(51, 153, 204)));
    EXPECT_FALSE(IsWebSafe(MakeColor(0, 0, 1)));
    EXPECT_FALSE(IsWebSafe(MakeColor(52, 0, 0)));
    EXPECT_FALSE(IsWebSafe(MakeColor(0, 50, 0)));
}

// Every colour snaps to a web-safe colour no channel of which is more than 25 away, and web-safe
// colours stay as they are.
TEST(ColorValue, EveryColourSnapsToANearWebSafeColour)
{
    long failures = 0;
    ColorValue first = -1;
    for (ColorValue color = 0; color <= kWhite; ++color) {
        const ColorValue snapped = SnapWebSafe(color);
        const bool near = std::abs(GetRed(snapped) - GetRed(color)) <= 25 &&
                          std::abs(GetGreen(snapped) - GetGreen(color)) <= 25 &&
                          std::abs(GetBlue(snapped) - GetBlue(color)) <= 25;
        const bool ok =
            IsWebSafe(snapped) && near && (snapped == color) == IsWebSafe(color) && snapped <= kWhite;
        if (!ok && failures++ == 0)
            first = color;
    }
    EXPECT_EQ(failures, 0) << "first: " << HtmlHex(first);
}
