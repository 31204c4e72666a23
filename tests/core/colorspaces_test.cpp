// Tests of the CSS Color 4 models: a dense sample of all colours against the CSS formulas written
// out again here, published examples, round trips and gamut mapping.
#include "core/colour/colorspaces.h"

#include "oklch_testutil.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <numbers>

using namespace prismara;

namespace {

using V = std::array<double, 3>;
using M = std::array<V, 3>;

V mul(const M& m, const V& v)
{
    V r{};
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            r[i] += m[i][j] * v[j];
    return r;
}

// The CSS Color 4 conversions, from CSS Color 4's own formulas and matrices.
struct Reference
{
    V xyz, lab, lch, oklab, oklch, hsl;

    explicit Reference(ColorValue c)
    {
        const V srgb = {GetRed(c) / 255.0, GetGreen(c) / 255.0, GetBlue(c) / 255.0};
        V lin{};
        for (int i = 0; i < 3; ++i)
            lin[i] = srgb[i] <= 0.04045 ? srgb[i] / 12.92 : std::pow((srgb[i] + 0.055) / 1.055, 2.4);
        xyz = mul({{{506752 / 1228815.0, 87881 / 245763.0, 12673 / 70218.0},
                    {87098 / 409605.0, 175762 / 245763.0, 12673 / 175545.0},
                    {7918 / 409605.0, 87881 / 737289.0, 1001167 / 1053270.0}}},
                  lin);
        const V d50 = mul({{{1.0479297925449969, 0.022946870601609652, -0.05019226628920524},
                            {0.02962780877005599, 0.9904344267538799, -0.017073799063418826},
                            {-0.009243040646204504, 0.015055191490298152, 0.7518742814281371}}},
                          xyz);
        const V white = {0.3457 / 0.3585, 1.0, (1.0 - 0.3457 - 0.3585) / 0.3585};
        V f{};
        for (int i = 0; i < 3; ++i) {
            const double t = d50[i] / white[i];
            f[i] = t > 216.0 / 24389 ? std::cbrt(t) : (24389.0 / 27 * t + 16) / 116;
        }
        lab = {116 * f[1] - 16, 500 * (f[0] - f[1]), 200 * (f[1] - f[2])};
        lch = polar(lab, 0.0015);
        V lms = mul({{{0.8190224379967030, 0.3619062600528904, -0.1288737815209879},
                      {0.0329836539323885, 0.9292868615863434, 0.0361446663506424},
                      {0.0481771893596242, 0.2642395317527308, 0.6335478284694309}}},
                    xyz);
        for (double& v : lms)
            v = std::cbrt(v);
        oklab = mul({{{0.2104542683093140, 0.7936177747023054, -0.0040720430116193},
                      {1.9779985324311684, -2.4285922420485799, 0.4505937096174110},
                      {0.0259040424655478, 0.7827717124575296, -0.8086757549230774}}},
                    lms);
        oklch = polar(oklab, 0.000004);
        const double hi = std::max({srgb[0], srgb[1], srgb[2]}), lo = std::min({srgb[0], srgb[1], srgb[2]});
        const double l = (hi + lo) / 2, d = hi - lo;
        double h = NAN, s = 0;
        if (d != 0) {
            s = (l == 0 || l == 1) ? 0 : (hi - l) / std::min(l, 1 - l);
            h = hi == srgb[0] ? (srgb[1] - srgb[2]) / d + (srgb[1] < srgb[2] ? 6 : 0)
              : hi == srgb[1] ? (srgb[2] - srgb[0]) / d + 2 : (srgb[0] - srgb[1]) / d + 4;
            h *= 60;
        }
        hsl = {h, s * 100, l * 100};
    }

    static V polar(const V& v, double powerless)
    {
        const double c = std::hypot(v[1], v[2]);
        const double h = std::fmod(std::atan2(v[2], v[1]) * 180 / std::numbers::pi + 360, 360);
        return {v[0], c, c <= powerless ? NAN : h};
    }
};

void expectNear(const V& want, const V& got, double tolerance, const std::string& what)
{
    for (int i = 0; i < 3; ++i) {
        if (std::isnan(want[i]) || std::isnan(got[i])) { // a powerless hue is NaN on both sides
            EXPECT_EQ(std::isnan(want[i]), std::isnan(got[i])) << what << " component " << i;
        } else {
            EXPECT_NEAR(want[i], got[i], tolerance) << what << " component " << i;
        }
    }
}

// Every 997th colour (a prime stride reaches all channel values), the eight corners and the greys.
std::vector<ColorValue> sample()
{
    std::vector<ColorValue> colors;
    for (ColorValue c = 0; c <= kWhite; c += 997)
        colors.push_back(c);
    for (int v = 0; v < 256; ++v)
        colors.push_back(MakeColor(v, v, v));
    for (int corner = 0; corner < 8; ++corner)
        colors.push_back(MakeColor(corner & 1 ? 255 : 0, corner & 2 ? 255 : 0, corner & 4 ? 255 : 0));
    return colors;
}

} // namespace

TEST(ColorSpaces, DenseSampleMatchesTheCssFormulas)
{
    for (const ColorValue c : sample()) {
        const Reference ref(c);
        const std::string name = HtmlHex(c);
        const XyzD65 xyz = XyzOf(c);
        const CieLab lab = LabOf(c);
        const CieLch lch = LchOf(c);
        const OkLab oklab = OklabOf(c);
        const OkLch oklch = OklchOf(c);
        const CssHsl hsl = HslOf(c);
        expectNear(ref.xyz, {xyz.x, xyz.y, xyz.z}, 1e-15, name + " xyz");
        expectNear(ref.lab, {lab.l, lab.a, lab.b}, 1e-12, name + " lab");
        expectNear(ref.lch, {lch.l, lch.c, lch.h}, 1e-9, name + " lch");
        expectNear(ref.oklab, {oklab.l, oklab.a, oklab.b}, 1e-15, name + " oklab");
        expectNear(ref.oklch, {oklch.l, oklch.c, oklch.h}, 1e-9, name + " oklch");
        expectNear(ref.hsl, {hsl.h, hsl.s, hsl.l}, 1e-12, name + " hsl");
        if (HasFailure())
            return;
    }
}

TEST(ColorSpaces, EveryModelReadsBackAsTheSameColour)
{
    for (const ColorValue c : sample()) {
        const std::string name = HtmlHex(c);
        EXPECT_EQ(ToColor(LinearOf(c)), c) << name;
        EXPECT_EQ(ToColor(XyzOf(c)), c) << name;
        EXPECT_EQ(ToColor(LabOf(c)), c) << name;
        EXPECT_EQ(ToColor(LchOf(c)), c) << name;
        EXPECT_EQ(ToColor(OklabOf(c)), c) << name;
        EXPECT_EQ(ToColor(OklchOf(c)), c) << name;
        EXPECT_EQ(ToColor(HslOf(c)), c) << name;
        if (HasFailure())
            return;
    }
}

// Published values (CSS Color 4's web-platform tests), to the digits they are given in. The Lab
// and LCh values were worked out with the matrices of 2021; the current 64-bit Bradford matrix
// moves a, b and C by up to 0.01.
TEST(ColorSpaces, PublishedExamples)
{
    const ColorValue green = MakeColor(0, 128, 0);
    const CieLab lab = LabOf(green);
    const CieLch lch = LchOf(green);
    const OkLab oklab = OklabOf(green);
    const OkLch oklch = OklchOf(green);
    expectNear({46.2775, -47.5621, 48.5837}, {lab.l, lab.a, lab.b}, 0.01, "#008000 lab");
    expectNear({46.2775, 67.9892, 134.3912}, {lch.l, lch.c, lch.h}, 0.01, "#008000 lch");
    expectNear({0.51975, -0.1403, 0.10768}, {oklab.l, oklab.a, oklab.b}, 5e-5, "#008000 oklab");
    expectNear({0.51975, 0.17686, 142.495}, {oklch.l, oklch.c, oklch.h}, 5e-4, "#008000 oklch");
    const Srgb mint = GamutMapToSrgb({0.8, 0.15, 160});
    const Srgb berry = GamutMapToSrgb({0.5, 0.2, 0});
    expectNear({0.32022, 0.85805, 0.61147}, {mint.r, mint.g, mint.b}, 5e-6, "oklch(80% 0.15 160)");
    expectNear({0.70492, 0.02351, 0.37073}, {berry.r, berry.g, berry.b}, 5e-6, "oklch(50% 0.2 0)");
    EXPECT_TRUE(std::isnan(LchOf(kWhite).h)) << "white has no hue";
    EXPECT_NEAR(LabOf(kWhite).l, 100, 1e-9);
    EXPECT_EQ(ToColor(CssHsl{220, 60, 50}), MakeColor(51, 102, 204)) << "hsl(220 60% 50%)";
}

// CSS gamut mapping ends inside sRGB, less than one JND (0.02 deltaE OK) from a colour of the same
// OKLCH lightness and hue and no more chroma.
TEST(ColorSpaces, GamutMappingStaysWithinAJndOfTheChromaPath)
{
    EXPECT_EQ(ToColor(OkLch{1.2, 0.3, 40}), kWhite) << "lightness above 1";
    EXPECT_EQ(ToColor(OkLch{-0.1, 0.3, 40}), kBlack) << "lightness below 0";
    for (double l = 0.05; l < 1; l += 0.1)
        for (double h = 0; h < 360; h += 15) {
            const Srgb mapped = GamutMapToSrgb({l, 0.37, h}); // beyond sRGB at every lightness and hue
            ASSERT_TRUE(InSrgbGamut(mapped)) << l << " " << h;
            EXPECT_LT(distanceFromChromaPath(XyzToOklab(LinearToXyz(SrgbToLinear(mapped))), {l, 0.37, h}), 0.02)
                << l << " " << h;
        }
}
