// Tests of the harmony table.
#include "core/wheel/harmony.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

using namespace prismara;

TEST(Harmony, SchemesInListOrderWithTheirCells)
{
    struct Row
    {
        std::string_view caption;
        std::set<int> cells;
    };
    const Row expected[] = {
        {"Analogous", {0, 1, 11}}, {"Complements", {0, 6}},   {"Split-Complements", {0, 5, 7}},
        {"Triad", {0, 4, 8}},      {"Tetrad", {2, 4, 8, 10}},
    };
    ASSERT_EQ(HarmonySchemes().size(), std::size(expected));
    for (int scheme = 0; scheme < kHarmonyCount; ++scheme) {
        const Row& row = expected[scheme];
        const HarmonyScheme& actual = HarmonySchemes()[static_cast<std::size_t>(scheme)];
        EXPECT_EQ(actual.caption, row.caption);
        for (int cell = 0; cell < kWheelCells; ++cell) {
            const bool marked = row.cells.count(cell) == 1;
            EXPECT_EQ(HarmonyMarks(scheme, cell), marked) << row.caption << " cell " << cell;
            EXPECT_EQ(actual.marked[static_cast<std::size_t>(cell)], marked)
                << row.caption << " cell " << cell;
        }
    }
}

// The marks are symmetric about the axis through cell 0 and its complement, cell 6.
TEST(Harmony, MarksAreSymmetricAndSkipCellsThreeAndNine)
{
    for (int scheme = 0; scheme < kHarmonyCount; ++scheme) {
        for (int cell = 0; cell < kWheelCells; ++cell)
            EXPECT_EQ(HarmonyMarks(scheme, cell), HarmonyMarks(scheme, (kWheelCells - cell) % kWheelCells))
                << "scheme " << scheme << " cell " << cell;
        EXPECT_FALSE(HarmonyMarks(scheme, 3));
        EXPECT_FALSE(HarmonyMarks(scheme, 9));
    }
    EXPECT_FALSE(HarmonyMarks(4, 0)) << "Tetrad leaves the base cell unmarked";
}

TEST(Harmony, OutOfRangeMarksNothing)
{
    for (const auto& [scheme, cell] : {std::pair{-1, 0}, {5, 0}, {0, -1}, {0, 12}, {100, 100}})
        EXPECT_FALSE(HarmonyMarks(scheme, cell)) << scheme << "," << cell;
}
