// colorwheelframe.h - the frame with the twelve-cell colour wheel / colour square, the Lock box
// and the harmony list.
#pragma once

#include "core/colour/colorvalue.h"
#include "ui/wheel/harmonyswatches.h"

#include <QGroupBox>

#include <array>
#include <vector>

class QAction;
class QCheckBox;
class QComboBox;

namespace prismara {

class ColorCellRing;
class ColorHub;

class ColorWheelFrame : public QGroupBox
{
    Q_OBJECT
public:
    ColorWheelFrame(ColorHub& hub, QWidget* parent);

    // Window build: lay out cells and markers (all hidden); apply the stored display form
    // ("colorsquare") and show that form; select a harmony; apply the stored wheel type
    // ("colorwheeltype").
    void layOutCells();
    void applyStoredDisplay();
    void selectHarmony(int index);
    void applyStoredWheelType();

    // Rebuilds the twelve cells of both forms from `color` (0 = RGB wheel, 1 = RYB wheel,
    // 2 = OKLCH wheel).
    void GetWheel(ColorValue color, int colorwheeltype);

    bool locked() const;
    // The type whose menu entry is checked: 0 "RGB Color Wheel", 1 "RYB Color Wheel",
    // 2 "OKLCH Color Wheel".
    int wheelType() const;

    ColorCellRing* wheelCells() const { return shpColorWheel_; }
    ColorCellRing* squareCells() const { return lblColorSquare_; }
    // The marked colours as labelled swatches; shown while the frame has room for them.
    HarmonySwatches* harmonySwatches() const { return picHarmony_; }

    // The designed size, which is also the least: 122 x 168.
    static QSize designedSize();
    // The width the harmony swatches take beside the wheel, their gap included.
    int besideColumnWidth() const;

protected:
    // A thin rounded frame with the caption set into its top edge.
    void paintEvent(QPaintEvent* event) override;
    // A larger frame gives the wheel and the square larger cells, and the harmony swatches a place
    // below them (or beside them when the frame is wide).
    void resizeEvent(QResizeEvent* event) override;

private:
    void placeCells();
    void showHarmonyColors();
    std::vector<HarmonySwatches::Entry> harmonyEntries() const;
    void chooseWheelType(int type, bool checkedNow);
    void switchDisplay(bool toSquare);
    void applyHarmony(int index);
    bool squareShown() const;
    ColorCellRing* shownCells() const;
    void cellClicked(ColorCellRing* cells, int index);

    ColorHub& hub_;
    std::array<QAction*, 3> mnuWheel_{}; // mnuRGBWheel, mnuRYBWheel, mnuOKLCHWheel
    QAction* mnuColorSquare_;
    ColorCellRing* shpColorWheel_;
    ColorCellRing* lblColorSquare_;
    QCheckBox* chkLock_;
    QComboBox* cmbColorwheel_;
    HarmonySwatches* picHarmony_;
    bool cellsPlaced_ = false;
};

} // namespace prismara
