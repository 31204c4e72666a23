// Tests of the wheel and square cell geometry: the ring runs clockwise from twelve o'clock, the
// square clockwise round a four-by-four grid, and the designed markers sit with their cells.
#include "core/wheel/celllayout.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace prismara;

namespace {
double centreX(const TwipBox& b) { return b.left + b.width / 2; }
double centreY(const TwipBox& b) { return b.top + b.height / 2; }
} // namespace

TEST(CellLayout, TheRingRunsClockwiseFromTwelveOClock)
{
    const TwipBox first{100, 50, 30, 30};
    const CellBoxes ring = RingLayout(first, 200);
    // Twelve, three, six and nine o'clock round the centre 200 below the first cell.
    const double at[][3] = {{0, 100, 50}, {3, 300, 250}, {6, 100, 450}, {9, -100, 250}};
    for (const auto& [cell, left, top] : at) {
        const TwipBox& box = ring[static_cast<std::size_t>(cell)];
        EXPECT_NEAR(box.left, left, 1e-3) << "cell " << cell;
        EXPECT_NEAR(box.top, top, 1e-3) << "cell " << cell;
    }
    for (std::size_t i = 0; i < ring.size(); ++i) {
        EXPECT_EQ(ring[i].width, 30) << "cell " << i;
        EXPECT_NEAR(std::hypot(ring[i].left - 100, ring[i].top - 250), 200, 1e-3) << "cell " << i;
    }
}

TEST(CellLayout, TheSquareRunsClockwiseRoundAFourByFourGrid)
{
    const CellBoxes square = SquareLayout({10, 20, 5, 5}, 100);
    const int grid[12][2] = {{0, 0}, {1, 0}, {2, 0}, {3, 0}, {3, 1}, {3, 2}, {3, 3}, {2, 3}, {1, 3}, {0, 3}, {0, 2}, {0, 1}};
    for (std::size_t i = 0; i < square.size(); ++i) {
        EXPECT_EQ(square[i].left, 10 + 100 * grid[i][0]) << "cell " << i;
        EXPECT_EQ(square[i].top, 20 + 100 * grid[i][1]) << "cell " << i;
        EXPECT_EQ(square[i].width, 5) << "cell " << i;
    }
}

TEST(CellLayout, EachDesignedMarkerLiesBetweenItsCellAndTheMiddleOrInsideItsCell)
{
    const CellBoxes cells = WheelCellLayout();
    const CellBoxes markers = WheelMarkerLayout();
    // The middles of the cell ring and of the marker ring.
    const double cellsY = (centreY(cells[0]) + centreY(cells[6])) / 2;
    const double markersY = (centreY(markers[0]) + centreY(markers[6])) / 2;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const double cx = centreX(cells[i]) - centreX(cells[0]), cy = centreY(cells[i]) - cellsY;
        const double mx = centreX(markers[i]) - centreX(cells[0]), my = centreY(markers[i]) - markersY;
        EXPECT_NEAR(std::hypot(cx, cy), cellsY - centreY(cells[0]), 1e-3) << "wheel cell " << i;
        EXPECT_LT(std::hypot(mx, my), std::hypot(cx, cy)) << "wheel marker " << i;
        EXPECT_GT(cx * mx + cy * my, 0.9 * std::hypot(cx, cy) * std::hypot(mx, my)) << "wheel marker " << i << " points at its cell";
        const TwipBox cell = SquareCellLayout()[i];
        const TwipBox marker = SquareMarkerLayout()[i];
        EXPECT_EQ(centreX(marker), centreX(cell)) << "square marker " << i;
        EXPECT_EQ(centreY(marker), centreY(cell)) << "square marker " << i;
    }
}
