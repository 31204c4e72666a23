// colorwheelframe.h - the frame with the twelve-cell colour wheel / colour square.
#pragma once

#include "colour/colorvalue.h"

#include <QGroupBox>

namespace prismara {

class ColorHub;

class ColorWheelFrame : public QGroupBox
{
    Q_OBJECT
public:
    ColorWheelFrame(ColorHub& hub, QWidget* parent);

    // Window build: lay out cells and markers; apply the stored display form ("colorsquare");
    // select a harmony; apply the stored wheel type ("colorwheeltype").
    void layOutCells();
    void applyStoredDisplay();
    void selectHarmony(int index);
    void applyStoredWheelType();

    // Rebuilds the twelve cells from `color` (0 = RGB wheel, 1 = RYB wheel).
    void GetWheel(ColorValue color, int colorwheeltype);

    bool locked() const;
    // 0 while "RGB Color Wheel" is checked, else 1.
    int wheelType() const;

private:
    ColorHub& hub_;
};

} // namespace prismara
