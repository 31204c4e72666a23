// Tests of the harmony marks: symmetric about the axis through cell 0 and its complement, cell 6.
#include "core/wheel/harmony.h"

#include <gtest/gtest.h>

using namespace prismara;

TEST(Harmony, MarksAreSymmetricSkipCellsThreeAndNineAndNothingOutOfRange)
{
    for (int scheme = 0; scheme < kHarmonyCount; ++scheme) {
        int marks = 0;
        for (int cell = 0; cell < kWheelCells; ++cell) {
            EXPECT_EQ(HarmonyMarks(scheme, cell), HarmonyMarks(scheme, (kWheelCells - cell) % kWheelCells))
                << "scheme " << scheme << " cell " << cell;
            EXPECT_EQ(HarmonyMarks(scheme, cell), HarmonySchemes()[static_cast<std::size_t>(scheme)].marked[static_cast<std::size_t>(cell)]);
            marks += HarmonyMarks(scheme, cell) ? 1 : 0;
        }
        EXPECT_GE(marks, 2) << "scheme " << scheme;
        EXPECT_FALSE(HarmonyMarks(scheme, 3));
        EXPECT_FALSE(HarmonyMarks(scheme, 9));
    }
    EXPECT_FALSE(HarmonyMarks(4, 0)) << "Tetrad leaves the base cell unmarked";
    for (const auto& [scheme, cell] : {std::pair{-1, 0}, {5, 0}, {0, -1}, {0, 12}})
        EXPECT_FALSE(HarmonyMarks(scheme, cell)) << scheme << "," << cell;
}
