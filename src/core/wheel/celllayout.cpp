// celllayout.cpp - the designed places of the wheel and square cells and their markers.
#include "core/wheel/celllayout.h"

#include <cmath>

namespace prismara {

namespace {

constexpr double kPi = 3.1415926;  // the value the designed layout was computed with

constexpr double kWheelRadius = 560;
constexpr double kWheelMarkerRadius = 360;
constexpr double kSquarePitch = 360;

constexpr TwipBox kWheelCell0{735, 570, 255, 255};
constexpr TwipBox kWheelMarker0{825, 840, 75, 75};
constexpr TwipBox kSquareCell0{210, 555, 315, 315};
constexpr TwipBox kSquareMarker0{330, 675, 75, 75};

} // namespace

CellBoxes RingLayout(TwipBox first, double radius)
{
    CellBoxes boxes{};
    for (int i = 0; i < kWheelCells; ++i) {
        const double angle = 30.0 * i * kPi / 180.0;
        TwipBox& box = boxes[static_cast<std::size_t>(i)];
        box = first;
        box.left = first.left + radius * std::sin(angle);
        box.top = first.top + radius - radius * std::cos(angle);
    }
    return boxes;
}

CellBoxes SquareLayout(TwipBox first, double pitch)
{
    CellBoxes boxes{};
    boxes.fill(first);
    auto at = [&boxes](int i) -> TwipBox& { return boxes[static_cast<std::size_t>(i)]; };
    for (int i = 1; i <= 3; ++i)
        at(i).left = first.left + pitch * i;
    for (int i = 4; i <= 6; ++i) {
        at(i).left = at(3).left;
        at(i).top = at(3).top + pitch * (i - 3);
    }
    for (int i = 7; i <= 9; ++i) {
        at(i).left = at(6).left - pitch * (i - 6);
        at(i).top = at(6).top;
    }
    for (int i = 10; i <= 11; ++i) {
        at(i).left = at(9).left;
        at(i).top = at(7).top - pitch * (i - 9);
    }
    return boxes;
}

CellBoxes WheelCellLayout() { return RingLayout(kWheelCell0, kWheelRadius); }
CellBoxes WheelMarkerLayout() { return RingLayout(kWheelMarker0, kWheelMarkerRadius); }
CellBoxes SquareCellLayout() { return SquareLayout(kSquareCell0, kSquarePitch); }
CellBoxes SquareMarkerLayout() { return SquareLayout(kSquareMarker0, kSquarePitch); }

} // namespace prismara
