// colorwheelframe.cpp - the colour wheel frame.
#include "wheel/colorwheelframe.h"

#include "app/colorhub.h"

#include <QAction>

namespace prismara {

ColorWheelFrame::ColorWheelFrame(ColorHub& hub, QWidget* parent) : QGroupBox("RGB Color Wheel", parent), hub_(hub)
{
    setObjectName("fraColorWheel");
}

void ColorWheelFrame::layOutCells() {}
void ColorWheelFrame::applyStoredDisplay() {}
void ColorWheelFrame::selectHarmony(int) {}
void ColorWheelFrame::applyStoredWheelType() {}
void ColorWheelFrame::GetWheel(ColorValue, int) {}
bool ColorWheelFrame::locked() const { return false; }

int ColorWheelFrame::wheelType() const
{
    QAction* rgb = hub_.action("mnuRGBWheel");
    return rgb && rgb->isChecked() ? 0 : 1;
}

} // namespace prismara
