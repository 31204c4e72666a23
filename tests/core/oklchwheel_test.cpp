// Tests of the OKLCH wheel: twelve hues 30 degrees apart at the base colour's OKLCH lightness and
// chroma, so the harmony marks (which name cells) pick OKLCH harmonies.
#include "core/wheel/harmony.h"
#include "core/wheel/wheelcolors.h"

#include "core/colour/colorspaces.h"
#include "oklch_testutil.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace prismara;

TEST(OklchWheel, CellsTurnTheOklchHueAndKeepLightnessAndChroma)
{
    for (ColorValue color = 0x010203; color <= kWhite; color += 0x00F1A7) {
        const auto cells = WheelColors(color, kOklchWheel);
        ASSERT_EQ(cells[0], color);
        const OkLch base = OklchOf(color);
        for (int i = 1; i < kWheelCells; ++i) {
            const ColorValue cell = cells[static_cast<std::size_t>(i)];
            const OkLch wanted{base.l, base.c, std::fmod(base.h + 30 * i, 360.0)};
            const std::string what = HtmlHex(color) + " cell " + std::to_string(i);
            EXPECT_EQ(cell, ToColor(wanted)) << what;
            // Gamut mapping keeps it within a JND of that hue and lightness (plus 8-bit rounding).
            EXPECT_LT(distanceFromChromaPath(OklabOf(cell), wanted), 0.03) << what;
        }
    }
}

TEST(OklchWheel, GreysAndMarks)
{
    const ColorValue grey = MakeColor(90, 90, 90);
    for (const ColorValue cell : WheelColors(grey, kOklchWheel))
        EXPECT_EQ(cell, grey) << "a grey has no hue to turn";
    // "Complements" marks cell 6: on this wheel the OKLCH hue opposite the base colour.
    ASSERT_TRUE(HarmonyMarks(1, 6));
    const ColorValue teal = MakeColor(0, 128, 128);
    const double opposite = OklchOf(WheelColors(teal, kOklchWheel)[6]).h;
    EXPECT_NEAR(std::abs(std::remainder(opposite - OklchOf(teal).h, 360.0)), 180.0, 1.0);
}
