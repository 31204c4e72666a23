// The conversion tabs over the colour range: every position lies within its slider, and writing
// back what a tab shows moves no channel further than the model's rounding allows.
#include "core/convert/modeltab.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <string>

using namespace prismara;

TEST(ModelTabs, EveryTabShowsPositionsWithinItsSlidersAndExactTabsWriteTheColourBack)
{
    const std::map<std::string, int> tolerance = {{"RGB", 0}, {"HSL", 5}, {"CMY", 0}, {"CMYK", 2}, {"YCbCr", 1}};
    for (const ModelTab& tab : ModelTabs()) {
        for (std::size_t row = 0; row < ModelTab::kMaxRows; ++row)
            EXPECT_EQ(row < tab.rows, tab.value[row] != nullptr && !tab.letters[row].empty()) << tab.caption << " row " << row;
        for (int colour = 0; colour < (1 << 24); colour += 4099) {
            cClrModels model;
            model.setRgbR(static_cast<std::uint8_t>(colour & 255));
            model.setRgbG(static_cast<std::uint8_t>((colour >> 8) & 255));
            model.setRgbB(static_cast<std::uint8_t>(colour >> 16));
            ModelTab::Positions positions{};
            for (std::size_t row = 0; row < tab.rows; ++row) {
                positions[row] = tab.value[row](model);
                ASSERT_TRUE(positions[row] >= tab.minima[row] && positions[row] <= tab.maxima[row]) << tab.caption << " " << colour;
            }
            cClrModels back;
            tab.write(back, positions);
            const int moved = std::max({std::abs(back.rgbR() - model.rgbR()), std::abs(back.rgbG() - model.rgbG()),
                                        std::abs(back.rgbB() - model.rgbB())});
            const auto allowed = tolerance.find(std::string(tab.caption)); // the CSS models: modeltab_css_test
            ASSERT_LE(moved, allowed == tolerance.end() ? 255 : allowed->second) << tab.caption << " " << colour;
        }
    }
}
