// colorcellring.cpp - painting, hit-testing and the mouse for the twelve wheel or square cells.
#include "ui/wheel/colorcellring.h"

#include "widgets/colorswatch.h"
#include "widgets/displayfilter.h"
#include "platform/qtconvert.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace prismara {

namespace {

// The 1-pixel edge of a cell or marker is its own colour darkened by this share of black, so white
// and pale cells stay visible on the light frame while dark cells keep an edge of their own.
constexpr double kCellEdge = 0.43;
constexpr double kMarkerEdge = 0.5;

QColor darkened(const QColor& color, double share)
{
    auto channel = [share](int value) { return static_cast<int>(std::lround(value * (1.0 - share))); };
    return QColor(channel(color.red()), channel(color.green()), channel(color.blue()));
}

} // namespace

ColorCellRing::ColorCellRing(Shape shape, const QString& name, QWidget* parent) : QWidget(parent), shape_(shape)
{
    setObjectName(name);
    setMouseTracking(true);
    colors_.fill(kWhite);
}

void ColorCellRing::layOut(const std::array<QRectF, kWheelCells>& cells,
                           const std::array<QRectF, kWheelCells>& markers)
{
    QRectF bounds;
    for (int i = 0; i < kWheelCells; ++i)
        bounds = bounds.united(cells[slot(i)]).united(markers[slot(i)]);
    const QRect area(QPoint(static_cast<int>(std::floor(bounds.left())), static_cast<int>(std::floor(bounds.top()))),
                     QPoint(static_cast<int>(std::ceil(bounds.right())) - 1,
                            static_cast<int>(std::ceil(bounds.bottom())) - 1));
    setGeometry(area);
    const QPointF origin = area.topLeft();
    for (int i = 0; i < kWheelCells; ++i) {
        cells_[slot(i)] = cells[slot(i)].translated(-origin);
        markers_[slot(i)] = markers[slot(i)].translated(-origin);
    }
    update();
}

void ColorCellRing::setDisplayFilter(const DisplayFilter* filter)
{
    if (filter_)
        disconnect(filter_, nullptr, this, nullptr);
    filter_ = filter;
    if (filter_)
        connect(filter_, &DisplayFilter::changed, this, qOverload<>(&QWidget::update));
    update();
}

void ColorCellRing::setColors(const std::array<ColorValue, kWheelCells>& colors)
{
    if (colors == colors_)
        return;
    colors_ = colors;
    update();
}

ColorValue ColorCellRing::cellColor(int index) const { return colors_.at(slot(index)); }

void ColorCellRing::setMarkerVisible(int index, bool visible)
{
    bool& shown = markerShown_.at(slot(index));
    if (shown == visible)
        return;
    shown = visible;
    update(markers_[slot(index)].toAlignedRect().adjusted(-1, -1, 1, 1));
}

bool ColorCellRing::markerVisible(int index) const { return markerShown_.at(slot(index)); }

void ColorCellRing::hideAllMarkers()
{
    for (int i = 0; i < kWheelCells; ++i)
        setMarkerVisible(i, false);
}

QRectF ColorCellRing::cellRect(int index) const { return cells_.at(slot(index)); }

QRectF ColorCellRing::markerRect(int index) const { return markers_.at(slot(index)); }

int ColorCellRing::cellAt(QPointF pos) const
{
    for (int i = 0; i < kWheelCells; ++i) {
        const QRectF& box = cells_[slot(i)];
        if (shape_ == Shape::Square) {
            if (box.contains(pos))
                return i;
            continue;
        }
        const QPointF d = pos - box.center();
        const double radius = box.width() / 2;
        if (d.x() * d.x() + d.y() * d.y() <= radius * radius)
            return i;
    }
    return -1;
}

QString ColorCellRing::toolTipAt(QPointF pos) const
{
    const int cell = cellAt(pos);
    return cell < 0 ? QString() : ColorToolTip(colors_[slot(cell)]);
}

bool ColorCellRing::event(QEvent* event)
{
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    auto* help = static_cast<QHelpEvent*>(event);
    const int cell = cellAt(help->pos());
    ShowCellToolTip(*this, *help, cell, cell < 0 ? kWhite : colors_[slot(cell)], cell < 0 ? QRect() : cells_[slot(cell)].toAlignedRect());
    return true;
}

void ColorCellRing::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    // Each shape is its edge colour to the designed edge with its own colour 1 pixel inside: two
    // fills cost a fraction of an antialiased outline, above all at two device pixels to the pixel.
    auto draw = [this, &painter](const QRectF& box, const QColor& fill, const QColor& edge) {
        const QRectF inner = box.adjusted(1, 1, -1, -1);
        if (shape_ == Shape::Circle) {
            painter.setBrush(edge);
            painter.drawEllipse(box);
            painter.setBrush(fill);
            painter.drawEllipse(inner);
        } else {
            painter.fillRect(box, edge);
            painter.fillRect(inner, fill);
        }
    };
    for (int i = 0; i < kWheelCells; ++i) {
        const QColor fill = PaintColor(filter_, colors_[slot(i)]);
        draw(cells_[slot(i)], fill, darkened(fill, kCellEdge));
    }
    // Markers after the cells: on the square they sit inside their cells.
    for (int i = 0; i < kWheelCells; ++i)
        if (markerShown_[slot(i)])
            draw(markers_[slot(i)], Qt::white, darkened(Qt::white, kMarkerEdge));
}

void ColorCellRing::mousePressEvent(QMouseEvent* event)
{
    pressedCell_ = event->button() == Qt::LeftButton ? cellAt(event->position()) : -1;
    QWidget::mousePressEvent(event);
}

void ColorCellRing::mouseReleaseEvent(QMouseEvent* event)
{
    const int pressed = pressedCell_;
    pressedCell_ = -1;
    if (event->button() == Qt::LeftButton && pressed >= 0 && cellAt(event->position()) == pressed)
        emit cellClicked(pressed);
    else
        QWidget::mouseReleaseEvent(event);
}

void ColorCellRing::mouseMoveEvent(QMouseEvent* event)
{
    setToolTip(toolTipAt(event->position()));
    QWidget::mouseMoveEvent(event);
}

} // namespace prismara
