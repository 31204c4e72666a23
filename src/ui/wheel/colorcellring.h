// colorcellring.h - the twelve colour cells of the wheel or of the square, with their markers,
// as one widget that paints them and maps a point to a cell.
#pragma once

#include "core/colour/colorvalue.h"
#include "core/wheel/wheelcolors.h"
#include "widgets/colordrag.h"

#include <QImage>
#include <QRectF>
#include <QWidget>

#include <array>
#include <cstdint>
#include <vector>

namespace prismara {

class DisplayFilter;

class ColorCellRing : public QWidget
{
    Q_OBJECT
public:
    enum class Shape { Circle, Square };

    // `name` is the control name of the cells ("shpColorWheel", "lblColorSquare").
    ColorCellRing(Shape shape, const QString& name, QWidget* parent);

    // Places cells and markers; rectangles in pixels of the parent. The widget takes the
    // smallest pixel rectangle that holds them all.
    void layOut(const std::array<QRectF, kWheelCells>& cells, const std::array<QRectF, kWheelCells>& markers);

    // Paints every cell through `filter` (the colour-vision simulation); nullptr: as they are.
    void setDisplayFilter(const DisplayFilter* filter);

    void setColors(const std::array<ColorValue, kWheelCells>& colors);
    ColorValue cellColor(int index) const;

    void setMarkerVisible(int index, bool visible);
    bool markerVisible(int index) const;
    void hideAllMarkers();

    // Cell and marker rectangles in this widget's coordinates.
    QRectF cellRect(int index) const;
    QRectF markerRect(int index) const;
    // The cell under `pos` (widget coordinates), -1 for none.
    int cellAt(QPointF pos) const;

    // Whether this form is the one on display (not hidden by the display switch).
    bool isShown() const { return !isHidden(); }

signals:
    // A left click pressed and released on the same cell. A press that moves away with the button
    // held drags the cell's colour instead.
    void cellClicked(int index);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    // A round shape's antialiased coverage at device pixels, measured once from the painter: the
    // shape filled to its designed edge (outer) and 1 pixel inside it (inner). Pixels wholly inside
    // the inner shape are kept as runs, the antialiased edge pixel by pixel.
    struct ShapeCoverage
    {
        struct Run
        {
            int x = 0;
            int y = 0;
            int length = 0;
        };
        struct EdgePixel
        {
            int x = 0;
            int y = 0;
            std::uint8_t fill = 0; // the fill colour's share (the inner coverage)
            std::uint8_t edge = 0; // the edge colour's share (outer coverage not covered by the fill)
        };
        bool measured = false;
        std::vector<Run> inside;
        std::vector<EdgePixel> edge;
    };

    static std::size_t slot(int index) { return static_cast<std::size_t>(index); }
    QString toolTipAt(QPointF pos) const;
    // The shapes' area in this widget, edge included, for partial repaints.
    QRect repaintRect(const QRectF& shape) const;
    void paintSquares(QPainter& painter, const QRect& dirty);
    void paintCircles(QPainter& painter, const QRect& dirty);
    const ShapeCoverage& coverage(std::size_t shape, qreal ratio);
    void compose(const ShapeCoverage& shape, const QColor& fill, const QColor& edge);

    Shape shape_;
    const DisplayFilter* filter_ = nullptr;
    std::array<QRectF, kWheelCells> cells_{};
    std::array<QRectF, kWheelCells> markers_{};
    std::array<ColorValue, kWheelCells> colors_{};
    std::array<bool, kWheelCells> markerShown_{};
    int pressedCell_ = -1;
    // Coverage of cells 0-11 and markers 12-23, for coverageRatio_; the image the circles are
    // composed in before one copy to the window.
    std::array<ShapeCoverage, 2 * kWheelCells> coverage_{};
    qreal coverageRatio_ = 0;
    QImage canvas_;
    ColorDragGesture drag_;
};

} // namespace prismara
