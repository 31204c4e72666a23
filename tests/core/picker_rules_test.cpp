// Tests of the screen picker's rules without windows: where the colour square goes, which palettes
// are offered under "Save To:" and which one is preselected.
#include "core/palette/pickerrules.h"
#include "palette_testutil.h"

#include <gtest/gtest.h>

using namespace prismara;
using namespace prismara::test;

TEST(PickerRules, SquareSitsBesideThePointerAndFlipsAtTheEdges)
{
    const struct
    {
        const char* name;
        int x, y, width, left, top;
    } cases[] = {
        {"middle of the screen: up and right", 500, 500, 1920, 515, 385},
        {"top exactly 1 stays above", 300, 116, 1920, 315, 1},
        {"top 0 flips below", 300, 115, 1920, 315, 120},
        {"left one short of the limit stays right", 1804, 500, 1920, 1819, 385},
        {"left at the limit flips left", 1805, 500, 1920, 1700, 385},
        {"a narrower primary screen: flipped left", 1000, 500, 1024, 895, 385},
        {"origin", 0, 0, 1920, 15, 5},
    };
    for (const auto& c : cases) {
        const SquarePosition at = ShowSquarePosition(c.x, c.y, c.width);
        EXPECT_EQ(std::pair(at.left, at.top), std::pair(c.left, c.top)) << c.name;
    }
}

TEST(PickerRules, SaveToOffersEveryWritablePaletteInIndexOrder)
{
    TempDir dir;
    dir.write("colorchart.cci", indexOf({"c1.rgb|Web Safe Colors|0", "recent.rgb|Recent Colors|0", "c2.rgb|CSS|2",
                                         "c3.rgb|Grays| 2 ", "c4.rgb|Basic|0", "c8.rgb|Mine| 1", "c9.rgb|Odd flag|x",
                                         "c10.rgb|Also mine|1"}));
    PaletteStore store(dir.path());
    ASSERT_TRUE(store.readIndex().ok());
    const std::vector<SaveTarget> targets = SaveTargets(store);
    std::string listed;
    for (const SaveTarget& t : targets)
        listed += t.name + "=" + t.file + "@" + std::to_string(t.position) + " ";
    EXPECT_EQ(listed, "Web Safe Colors=c1.rgb@0 Recent Colors=recent.rgb@1 Basic=c4.rgb@4 Mine=c8.rgb@5 Also mine=c10.rgb@7 ");

    // The palette on view when the picker starts is preselected; else the first entry.
    const std::pair<int, int> preselected[] = {{1, 1}, {2, 0}, {4, 2}, {5, 3}, {6, 0}, {7, 4}, {-1, 0}};
    for (const auto& [startChart, entry] : preselected)
        EXPECT_EQ(PreselectedSaveTarget(targets, startChart), entry) << "palette " << startChart;
    EXPECT_EQ(PreselectedSaveTarget({}, 0), -1);
    EXPECT_EQ(SelectorPositionOf(store, "c8.rgb"), 5);
    EXPECT_EQ(SelectorPositionOf(store, "c99.rgb"), -1);
}

TEST(PickerRules, TheLoupeFlipsAtEdgesAndCornersAndNeverCoversThePointerOrTheSquare)
{
    const PixelRect screen{0, 0, 1920, 1080};
    const struct
    {
        const char* name;
        int x, y;
        PixelRect bounds;
        int left, top;
    } cases[] = {
        {"middle: below right", 500, 500, screen, 516, 516},
        {"right edge: flips left", 1850, 500, screen, 1684, 516},
        {"bottom edge: above, and left of the square above right", 500, 1000, screen, 334, 814},
        {"top left corner: below the square", 10, 50, screen, 26, 171},
        {"bottom right corner: above the square", 1900, 1060, screen, 1734, 759},
        {"a second screen's edge", 2500, 500, {1920, 0, 700, 1080}, 2334, 516},
        {"a screen too low for either side: kept inside", 100, 75, {0, 0, 400, 150}, 116, 0},
    };
    for (const auto& c : cases) {
        const SquarePosition sq = ShowSquarePosition(c.x, c.y, 1920);
        const PixelRect square{sq.left, sq.top, kShowSquareSize, kShowSquareSize};
        const PixelRect at = LoupePosition(c.x, c.y, 150, 170, 16, c.bounds, square);
        EXPECT_EQ(std::pair(at.left, at.top), std::pair(c.left, c.top)) << c.name;
        const bool clear = at.left >= c.x + 16 || at.left + at.width <= c.x - 16 || at.top >= c.y + 16 ||
                           at.top + at.height <= c.y - 16;
        EXPECT_TRUE(clear) << c.name << ": the sampled pixel stays visible";
    }
}

TEST(PickerRules, LoupeZoomAndSampleSizeStayWithinTheirChoices)
{
    const std::pair<int, int> zooms[] = {{1, 12}, {-3, 4}, {-100, 4}, {8, 24}, {2147483647, 24}};
    for (const auto& [notches, zoom] : zooms)
        EXPECT_EQ(LoupeZoomAfter(kLoupeZoomDefault, notches), zoom) << notches << " notches";
    const std::pair<int, int> sizes[] = {{1, 1}, {3, 3}, {9, 9}, {0, 1}, {4, 1}, {7, 1}, {-3, 1}};
    for (const auto& [stored, size] : sizes)
        EXPECT_EQ(ValidSampleSize(stored), size) << stored;
}
