// Tests of the colour-vision-deficiency simulations and the search for confusable colours.
#include "core/access/cvd.h"

#include "core/access/contrast.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace prismara;

// At severity 1 the simulation is the paper's dichromacy matrix: the primaries come out as its
// columns. Machado, Oliveira and Fernandes (2009), supplementary table, severity 1.0.
TEST(Cvd, SeverityOneIsThePapersMatrix)
{
    const struct { Deficiency deficiency; double m[9]; } rows[] = {
        {Deficiency::Protanopia, {0.152286, 1.052583, -0.204868, 0.114503, 0.786281, 0.099216, -0.003882, -0.048116, 1.051998}},
        {Deficiency::Deuteranopia, {0.367322, 0.860646, -0.227968, 0.280085, 0.672501, 0.047413, -0.011820, 0.042940, 0.968881}},
        {Deficiency::Tritanopia, {1.255528, -0.076749, -0.178779, -0.078411, 0.930809, 0.147602, 0.004733, 0.691367, 0.303900}},
    };
    for (const auto& row : rows)
        for (int column = 0; column < 3; ++column) {
            const LinearSrgb primary{column == 0 ? 1.0 : 0.0, column == 1 ? 1.0 : 0.0, column == 2 ? 1.0 : 0.0};
            const LinearSrgb seen = SimulateDeficiency(primary, row.deficiency, 1.0);
            const std::string what = std::string(Deficiencies()[std::size_t(row.deficiency)].key) + " column " +
                                     std::to_string(column);
            EXPECT_DOUBLE_EQ(seen.r, row.m[column]) << what;
            EXPECT_DOUBLE_EQ(seen.g, row.m[3 + column]) << what;
            EXPECT_DOUBLE_EQ(seen.b, row.m[6 + column]) << what;
        }
}

TEST(Cvd, SeverityIsInterpolatedBetweenTheTabulatedSteps)
{
    const LinearSrgb orange{1.0, 0.3, 0.05};
    for (const DeficiencyInfo& info : Deficiencies()) {
        const LinearSrgb low = SimulateDeficiency(orange, info.deficiency, 0.5);
        const LinearSrgb high = SimulateDeficiency(orange, info.deficiency, 0.6);
        const LinearSrgb between = SimulateDeficiency(orange, info.deficiency, 0.525);
        EXPECT_NEAR(between.r, 0.75 * low.r + 0.25 * high.r, 1e-12) << info.key;
        EXPECT_NEAR(between.b, 0.75 * low.b + 0.25 * high.b, 1e-12) << info.key;
        for (ColorValue c = 0; c <= kWhite; c += 65521) {
            ASSERT_EQ(SimulateDeficiency(c, info.deficiency, 0.0), c) << info.key << " severity 0";
            EXPECT_EQ(SimulateDeficiency(c, info.deficiency, -1.0), c) << info.key << " severity clamped";
        }
        EXPECT_EQ(SimulateDeficiency(kWhite, info.deficiency), kWhite) << info.key;
        EXPECT_EQ(SimulateDeficiency(kBlack, info.deficiency), kBlack) << info.key;
    }
}

TEST(Cvd, AchromatopsiaKeepsTheLuminanceOnly)
{
    for (ColorValue c = 0; c <= kWhite; c += 9973) {
        const ColorValue grey = SimulateDeficiency(c, Deficiency::Achromatopsia);
        ASSERT_TRUE(GetRed(grey) == GetGreen(grey) && GetGreen(grey) == GetBlue(grey)) << HtmlHex(c);
        EXPECT_NEAR(RelativeLuminance(grey), RelativeLuminance(c), 0.005) << HtmlHex(c);
    }
}

TEST(Cvd, ConfusablePairsAreThoseThatMergeUnderTheSimulation)
{
    const ColorValue colors[] = {MakeColor(255, 0, 0), MakeColor(127, 127, 127), kBlack, MakeColor(0, 160, 0),
                                 MakeColor(160, 120, 0)};
    const auto grey = ConfusablePairs(colors, Deficiency::Achromatopsia);
    ASSERT_FALSE(grey.empty());
    EXPECT_EQ(grey.front().first, 0u) << "red and the grey of its luminance";
    EXPECT_EQ(grey.front().second, 1u);
    for (const ConfusablePair& pair : grey) {
        EXPECT_LT(pair.simulatedDistance, kHardToTellApart);
        EXPECT_GE(pair.normalDistance, kHardToTellApart);
        EXPECT_NE(pair.second, 2u) << "black stays apart from everything";
    }
    const auto deutan = ConfusablePairs(colors, Deficiency::Deuteranopia);
    EXPECT_TRUE(std::ranges::any_of(deutan, [](const ConfusablePair& p) { return p.first == 3 && p.second == 4; }))
        << "green and olive merge for a deuteranope";
    EXPECT_TRUE(ConfusablePairs(colors, Deficiency::Deuteranopia, 0.0).empty()) << "normal vision";
}
