// Tests of the colour value: channels, text forms, parsing and the web-safe rule.
#include "core/colour/colorvalue.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

using namespace prismara;

TEST(ColorValue, ChannelsAndTextForms)
{
    EXPECT_EQ(MakeColor(0x56, 0x34, 0x12), 0x123456) << "red in the lowest byte";
    EXPECT_EQ(GetRed(0x123456), 0x56);
    EXPECT_EQ(GetGreen(0x123456), 0x34);
    EXPECT_EQ(GetBlue(0x123456), 0x12);
    struct Row
    {
        ColorValue color;
        std::string html, bgr, red, green, blue, rgb;
    };
    const Row rows[] = {
        {0, "#000000", "000000", "00", "00", "00", "0,0,0"},
        {0x0A0B0C, "#0C0B0A", "0A0B0C", "0C", "0B", "0A", "12,11,10"},
        {0x00FF80, "#80FF00", "00FF80", "80", "FF", "00", "128,255,0"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.html);
        EXPECT_EQ(HtmlHex(row.color), row.html);
        EXPECT_EQ(BgrHex(row.color), row.bgr);
        EXPECT_EQ(RedHex(row.color) + GreenHex(row.color) + BlueHex(row.color), row.red + row.green + row.blue);
        EXPECT_EQ(RgbText(row.color), row.rgb);
    }
}

TEST(ColorValue, ParseHex6AndRgbRecord)
{
    EXPECT_EQ(ParseHex6("abcDEF"), 0xABCDEF);
    EXPECT_EQ(ParseRgbRecord("0a0B0c"), MakeColor(10, 11, 12)) << "a record is red first";
    for (const char* bad : {"", "12345", "1234567", "12345G", "#12345", " 12345"}) {
        EXPECT_FALSE(ParseHex6(bad).has_value()) << '"' << bad << '"';
        EXPECT_FALSE(ParseRgbRecord(bad).has_value()) << '"' << bad << '"';
    }
}

// Every colour snaps to a web-safe colour no channel of which is more than 25 away (a remainder
// of 25 goes down, 26 up), and web-safe colours stay as they are.
TEST(ColorValue, EveryColourSnapsToTheNearestWebSafeColour)
{
    EXPECT_EQ(SnapWebSafe(MakeColor(25, 26, 230)), MakeColor(0, 51, 255));
    long failures = 0;
    ColorValue first = -1;
    for (ColorValue color = 0; color <= kWhite; ++color) {
        const ColorValue snapped = SnapWebSafe(color);
        const bool near = std::abs(GetRed(snapped) - GetRed(color)) <= 25 &&
                          std::abs(GetGreen(snapped) - GetGreen(color)) <= 25 &&
                          std::abs(GetBlue(snapped) - GetBlue(color)) <= 25;
        const bool ok = IsWebSafe(snapped) && near && (snapped == color) == IsWebSafe(color) && snapped <= kWhite;
        if (!ok && failures++ == 0)
            first = color;
    }
    EXPECT_EQ(failures, 0) << "first: " << HtmlHex(first);
}
