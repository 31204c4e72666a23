// paletteview.h - the palette selector, the 216-cell palette grid and the palette commands.
#pragma once

#include "colour/colorvalue.h"

#include <QWidget>

class QComboBox;

namespace prismara {

class ColorHub;

class PaletteView : public QWidget
{
    Q_OBJECT
public:
    PaletteView(ColorHub& hub, QWidget* parent);

    // cmbChart: the window places it in the toolbar row.
    QComboBox* chartSelector() const { return cmbChart_; }

    // Window build: create the grid cells and hide the selection frame.
    void buildGrid();
    // Rebuilds the selector from the index and selects its first entry.
    void ShowChartMenu();
    // Shows page 1 of the palette selected in cmbChart.
    void showSelectedFirstPage();
    void ShowColorChart(const QString& fileName, int page);

    // Appends a colour the user chose to the recent colours (re-showing them when on view).
    void recordRecent(ColorValue color);
    // The current colour has become `color`: drop the cell selection unless it is that cell's.
    void currentColorShown(ColorValue color);
    // Hides the selection frame and disables "&Delete Selected Color".
    void dropSelection();

    ColorValue lastChartColor() const { return lastChartColor_; }

    // The selector position (0-based) and choosing one (shows that palette at page 1, as a
    // click in the selector does). Used by the screen picker when it ends.
    int selectorPosition() const;
    void selectPosition(int position);

private:
    ColorHub& hub_;
    QComboBox* cmbChart_;
    ColorValue lastChartColor_ = -1;
};

} // namespace prismara
