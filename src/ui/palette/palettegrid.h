// palettegrid.h - the 216 colour cells of the palette view (lblcor) and the selection frame
// around the cell last clicked (shpSelect), as one widget that paints them and maps a point to
// a cell.
#pragma once

#include "core/colour/colorvalue.h"
#include "core/palette/palettepage.h"
#include "widgets/colordrag.h"

#include <QColor>
#include <QPixmap>
#include <QWidget>

#include <array>

namespace prismara {

class DisplayFilter;

class PaletteGrid : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kCells = PalettePage::kCells;
    // As designed, cells are 18 x 15 pixels placed at a pitch of 17 x 14, so neighbours share
    // their edge. A larger window gives them a larger pitch (fitTo), in whole pixels.
    static constexpr int kCellWidth = 18;
    static constexpr int kCellHeight = 15;
    static constexpr int kPitchX = kCellWidth - 1;
    static constexpr int kPitchY = kCellHeight - 1;
    // Cell 0 lies this far in from the widget's origin; the frame reaches out as far.
    static constexpr int kMargin = 2;

    explicit PaletteGrid(QWidget* parent);

    // Paints every cell through `filter` (the colour-vision simulation); nullptr: as they are.
    void setDisplayFilter(const DisplayFilter* filter);

    // All cells' colours at once; cells from `filled` on are empty (beyond the palette's end).
    // Only the cells that change are repainted.
    void setColors(const std::array<ColorValue, kCells>& colors, int filled = kCells);
    ColorValue cellColor(int index) const;
    // An empty cell is drawn hatched, shows no colour and takes no left click.
    bool isEmptyCell(int index) const { return index >= filled_; }

    // The largest whole-pixel pitch (never below the designed one) whose grid fits `area`,
    // with cells kept near the designed proportions; the widget takes the grid's size.
    void fitTo(QSize area);
    int pitchX() const { return pitchX_; }
    int pitchY() const { return pitchY_; }

    // Cell i in widget coordinates: column i div 12, row i mod 12.
    QRect cellRect(int index) const;
    // The cell under `pos` (widget coordinates), -1 for none. On a shared edge the cell to the
    // right or below wins.
    int cellAt(QPoint pos) const;

    // The selection frame: 4 pixels wider and higher than a cell, 2 pixels up and left of it.
    void showSelection(int index);
    void hideSelection();
    bool selectionVisible() const { return selected_ >= 0; }
    int selectedCell() const { return selected_; }
    QRect selectionRect(int index) const;

    // The cell under the pointer, drawn with a highlight ring; -1 for none.
    int hoveredCell() const { return hovered_; }

    QSize sizeHint() const override;

signals:
    // Mouse up after a press on a cell, either button; the cell is the one pressed. A left press
    // that moves away with the button held drags the cell's colour instead.
    void cellReleased(int index, Qt::MouseButton button, const QPoint& globalPos);
    // A left double click on a cell.
    void cellDoubleClicked(int index);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    static std::size_t slot(int index) { return static_cast<std::size_t>(index); }
    void setHovered(int index);
    void paintEmptyCell(QPainter& painter, const QRect& box);

    std::array<ColorValue, kCells> colors_{};
    const DisplayFilter* filter_ = nullptr;
    int filled_ = kCells;
    int pitchX_ = kPitchX;
    int pitchY_ = kPitchY;
    int hovered_ = -1;
    QPixmap emptyCell_; // one empty cell, drawn for emptyBack_ and emptyLine_
    QColor emptyBack_;
    QColor emptyLine_;
    int selected_ = -1;
    int pressed_ = -1;
    Qt::MouseButton pressedButton_ = Qt::NoButton;
    ColorDragGesture drag_;
};

} // namespace prismara
