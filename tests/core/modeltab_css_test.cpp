// The Lab, LCh and OKLCH tabs of the conversion table: what they show reads back as (nearly) the
// colour, and values outside the sRGB gamut are written gamut-mapped and reported.
#include "core/colour/colorspaces.h"
#include "core/convert/modeltab.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace prismara;

namespace {
const ModelTab& tabOf(std::string_view caption)
{
    return *std::find_if(ModelTabs().begin(), ModelTabs().end(), [&](const ModelTab& t) { return t.caption == caption; });
}
} // namespace

TEST(ModelTabsCss, WhatATabShowsWritesBackInsideTheGamutAndNearTheColour)
{
    // A quarter of a just noticeable difference: the steps of the boxes, not the arithmetic.
    constexpr double kTolerance = 0.005;
    for (const char* caption : {"Lab", "LCh", "OKLCH"}) {
        const ModelTab& tab = tabOf(caption);
        for (ColorValue c = 0; c < (1 << 24); c += 7919) {
            cClrModels model;
            model.setRgbR(static_cast<std::uint8_t>(GetRed(c)));
            model.setRgbG(static_cast<std::uint8_t>(GetGreen(c)));
            model.setRgbB(static_cast<std::uint8_t>(GetBlue(c)));
            ModelTab::Positions p{};
            for (std::size_t r = 0; r < tab.rows; ++r) {
                p[r] = tab.value[r](model);
                ASSERT_TRUE(p[r] >= tab.minima[r] && p[r] <= tab.maxima[r]) << caption << " row " << r << " of " << c;
            }
            cClrModels back;
            EXPECT_TRUE(tab.write(back, p)) << caption << " " << HtmlHex(c);
            const ColorValue written = MakeColor(back.rgbR(), back.rgbG(), back.rgbB());
            ASSERT_LT(DeltaEOk(OklabOf(c), OklabOf(written)), kTolerance) << caption << " " << HtmlHex(c);
        }
    }
}

TEST(ModelTabsCss, ValuesOutsideTheGamutAreMappedAndReported)
{
    const struct { const char* tab; ModelTab::Positions p; ColorValue mapped; } rows[] = {
        {"Lab", {600, 1200, -200, 0}, ToColor(CieLab{60, 120, -20})},
        {"LCh", {900, 1500, 2000, 0}, ToColor(CieLch{90, 150, 200})},
        {"OKLCH", {700, 400, 1500, 0}, ToColor(OkLch{0.7, 0.4, 150})},
        {"OKLCH", {1000, 100, 300, 0}, kWhite},
    };
    for (const auto& row : rows) {
        cClrModels m;
        EXPECT_FALSE(tabOf(row.tab).write(m, row.p)) << row.tab;
        EXPECT_EQ(MakeColor(m.rgbR(), m.rgbG(), m.rgbB()), row.mapped) << row.tab;
    }
}
