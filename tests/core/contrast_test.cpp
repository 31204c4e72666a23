// Tests of WCAG contrast, APCA Lc and Fix Contrast.
#include "core/access/contrast.h"

#include "core/colour/colorspaces.h"
#include "oklch_testutil.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace prismara;

namespace {
ColorValue hex(std::uint32_t rgb)
{
    return MakeColor(int(rgb >> 16), int((rgb >> 8) & 255), int(rgb & 255));
}
} // namespace

TEST(Contrast, WcagRatios)
{
    const struct { ColorValue one, two; double ratio; const char* what; } rows[] = {
        {hex(0x777777), kWhite, 4.48, "#777777 on white (WCAG's example, 2 decimals)"},
        {hex(0x767676), kWhite, 4.54, "#767676, the lightest grey that passes AA on white"},
        {kBlack, kWhite, 21.0, "black on white"},
        {hex(0x3366CC), hex(0x3366CC), 1.0, "a colour on itself"},
    };
    for (const auto& row : rows) {
        EXPECT_NEAR(ContrastRatio(row.one, row.two), row.ratio, 0.005) << row.what;
        EXPECT_EQ(ContrastRatio(row.one, row.two), ContrastRatio(row.two, row.one)) << row.what << ", swapped";
    }
}

// The test values published with APCA-W3 0.0.98G-4g: text, background, Lc unrounded.
TEST(Contrast, ApcaPublishedPairs)
{
    const struct { std::uint32_t text, background; double lc; } rows[] = {
        {0x888888, 0xFFFFFF, 63.056469930209424},  {0xFFFFFF, 0x888888, -68.54146436644962},
        {0x000000, 0xAAAAAA, 58.146262578561334},  {0xAAAAAA, 0x000000, -56.24113336839742},
        {0x112233, 0xDDEEFF, 91.66830811481631},   {0xDDEEFF, 0x112233, -93.06770049484275},
    };
    for (const auto& row : rows)
        EXPECT_NEAR(ApcaContrast(hex(row.text), hex(row.background)), row.lc, 1e-9)
            << std::hex << row.text << " on " << row.background;
    EXPECT_EQ(ApcaContrast(hex(0x777777), hex(0x787878)), 0.0) << "below the low clip";
}

TEST(Contrast, CriteriaAtTheirThresholds)
{
    const struct { WcagCriterion criterion; double passes, fails; } rows[] = {
        {WcagCriterion::AaNormal, 4.5, 4.4999}, {WcagCriterion::AaLarge, 3.0, 2.9999},
        {WcagCriterion::AaaNormal, 7.0, 6.9999}, {WcagCriterion::AaaLarge, 4.5, 4.4999},
        {WcagCriterion::NonText, 3.0, 2.9999},
    };
    for (const auto& row : rows) {
        const auto& info = WcagCriteria()[static_cast<std::size_t>(row.criterion)];
        EXPECT_TRUE(Passes(row.criterion, row.passes)) << info.key;
        EXPECT_FALSE(Passes(row.criterion, row.fails)) << info.key;
    }
}

TEST(FixContrast, PassesWithTheLeastLightnessShiftAndKeepsHueAndChroma)
{
    const ColorValue backgrounds[] = {kWhite, kBlack, hex(0x3366CC), hex(0xF5DEB3), hex(0x202830)};
    for (const ColorValue background : backgrounds)
        for (ColorValue color = 0x000040; color <= kWhite; color += 0x0B1D37) {
            const std::string what = HtmlHex(color) + " on " + HtmlHex(background);
            const auto fixed = FixContrast(color, background, WcagCriterion::AaNormal);
            const OkLch before = OklchOf(color);
            // The nearest lightness that passes, scanned in steps of 0.001 in both directions.
            double nearest = 2;
            for (double shift = 0; shift <= 1 && nearest > 1; shift += 0.001)
                for (const double l : {before.l + shift, before.l - shift})
                    if (l >= 0 && l <= 1 &&
                        ContrastRatio(ToColor(OkLch{l, before.c, before.h}), background) >= 4.5)
                        nearest = shift;
            ASSERT_EQ(fixed.has_value(), nearest <= 1) << what;
            if (!fixed)
                continue;
            EXPECT_GE(ContrastRatio(*fixed, background), 4.5) << what;
            const OkLch after = OklchOf(*fixed);
            EXPECT_LE(std::abs(after.l - before.l), nearest + 0.004) << what << ": least shift";
            // Hue and chroma kept up to gamut mapping (a JND) and 8-bit rounding.
            EXPECT_LT(distanceFromChromaPath(OklabOf(*fixed), {after.l, before.c, before.h}), 0.03) << what;
        }
    EXPECT_EQ(FixContrast(hex(0x767676), kWhite, WcagCriterion::AaNormal), hex(0x767676)) << "already passes";
    EXPECT_FALSE(FixContrast(hex(0x777777), hex(0x777777), WcagCriterion::AaaNormal)) << "AAA on mid grey";
}
