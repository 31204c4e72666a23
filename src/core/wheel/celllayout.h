// celllayout.h - where the twelve cells and markers of the colour wheel and the colour square lie
// inside the wheel frame, in twips (15 to a pixel at 96 dots per inch).
#pragma once

#include "core/wheel/wheelcolors.h"

#include <array>

namespace prismara {

struct TwipBox {
    double left, top, width, height;
};

using CellBoxes = std::array<TwipBox, kWheelCells>;

// Cells round a circle: cell 0 at twelve o'clock where `first` lies, the others clockwise in
// steps of 30 degrees on a circle of `radius` whose centre is `radius` below `first`.
CellBoxes RingLayout(TwipBox first, double radius);

// Cells on the border of a four-by-four grid of `pitch`, clockwise from `first` at the top-left
// corner: 0-3 along the top, 4-6 down the right, 7-9 back along the bottom, 10-11 up the left.
CellBoxes SquareLayout(TwipBox first, double pitch);

// The designed places: shpColorWheel / lblColorWheel, shpHighLight, lblColorSquare, shpHighLightS.
CellBoxes WheelCellLayout();
CellBoxes WheelMarkerLayout();
CellBoxes SquareCellLayout();
CellBoxes SquareMarkerLayout();

} // namespace prismara
