// The values a pick gives: the --print texts, channels 0-1 rounded to 8 bits, and a display's
// colours converted to sRGB through its ICC profile.
#include "core/colour/displayprofile.h"
#include "core/colour/unitcolor.h"
#include "core/report/printformats.h"
#include "support/testprofile.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace prismara;

TEST(PickValues, PrintFormats)
{
    const ColorValue color = MakeColor(51, 102, 204);
    const struct
    {
        const char* id;
        const char* text;
    } rows[] = {{"hex", "#3366CC"},
                {"rgb", "51,102,204"},
                {"hsl", "280,60,50"},
                {"css-rgb", "rgb(51 102 204)"},
                {"css-hsl", "hsl(220 60% 50%)"}};
    for (const auto& row : rows) {
        const PrintFormat* format = FindPrintFormat(row.id);
        ASSERT_NE(format, nullptr) << row.id;
        EXPECT_EQ(format->text(color), row.text) << row.id;
    }
    EXPECT_EQ(FindPrintFormat("cmyk"), nullptr);
    EXPECT_EQ(FindPrintFormat(kDefaultPrintFormat)->text(color), "#3366CC");
    EXPECT_EQ(PrintFormatIds(), "hex|rgb|hsl|css-rgb|css-hsl");
}

TEST(PickValues, UnitChannelsRoundToTheNearestByte)
{
    const struct
    {
        double unit;
        int byte;
        const char* name;
    } rows[] = {{0.1, 26, "25.5 rounds to even, not down"}, {0.999, 255, "254.7 rounds up"},
                {0.2, 51, "exact"},                          {0.5, 128, "127.5 to even"},
                {0.0019, 0, "0.48 down"},                    {-0.3, 0, "below 0"},
                {1.7, 255, "above 1"},                        {std::nan(""), 0, "NaN"}};
    for (const auto& row : rows)
        EXPECT_EQ(UnitToByte(row.unit), row.byte) << row.name;
    EXPECT_EQ(ColorFromUnitChannels(0.2, 0.4, 0.8), MakeColor(51, 102, 204));
}

TEST(PickValues, DisplayProfileConvertsDeviceColoursToSrgb)
{
    const std::vector<unsigned char> icc = test::TestDisplayProfile();
    const auto profile = DisplayProfile::FromIcc(icc);
    ASSERT_TRUE(profile.has_value());
    EXPECT_EQ(profile->description(), "Prismara test display");
    EXPECT_EQ(profile->toSrgb(MakeColor(51, 102, 204)), MakeColor(2, 121, 216));
    EXPECT_EQ(profile->toSrgb(kWhite), kWhite);
    EXPECT_EQ(profile->toSrgb(kBlack), kBlack);
    EXPECT_EQ(GetRed(profile->toSrgb(MakeColor(0, 255, 0))), 0) << "a wider green is clipped to sRGB";

    const auto bytesOf = [](cmsHPROFILE made) {
        cmsUInt32Number size = 0;
        cmsSaveProfileToMem(made, nullptr, &size);
        std::vector<unsigned char> bytes(size);
        cmsSaveProfileToMem(made, bytes.data(), &size);
        cmsCloseProfile(made);
        return bytes;
    };
    // An sRGB display changes nothing.
    const auto same = DisplayProfile::FromIcc(bytesOf(cmsCreate_sRGBProfile()));
    ASSERT_TRUE(same.has_value());
    for (const ColorValue c : {MakeColor(51, 102, 204), MakeColor(1, 254, 128), MakeColor(200, 10, 90)})
        EXPECT_EQ(same->toSrgb(c), c) << HtmlHex(c);

    // What is not a whole RGB profile is refused.
    std::vector<unsigned char> cut = icc;
    cut.resize(cut.size() / 2);
    EXPECT_FALSE(DisplayProfile::FromIcc(cut).has_value()) << "cut short";
    EXPECT_FALSE(DisplayProfile::FromIcc(std::vector<unsigned char>(600, 0x5A)).has_value()) << "junk";
    cmsToneCurve* curve = cmsBuildGamma(nullptr, 2.2);
    EXPECT_FALSE(DisplayProfile::FromIcc(bytesOf(cmsCreateGrayProfile(cmsD50_xyY(), curve))).has_value()) << "grey";
    cmsFreeToneCurve(curve);
}
