// colorcellring.cpp - painting, hit-testing and the mouse for the twelve wheel or square cells.
#include "ui/wheel/colorcellring.h"

#include "widgets/colorswatch.h"
#include "widgets/displayfilter.h"
#include "platform/qtconvert.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
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

// a * b / 255, rounded, for 8-bit values.
inline std::uint32_t mul255(std::uint32_t v)
{
    v += 128;
    return (v + (v >> 8)) >> 8;
}

// Every channel of a premultiplied pixel times share / 255, two channels per multiplication.
inline QRgb scaled(QRgb pixel, std::uint32_t share)
{
    std::uint32_t low = (pixel & 0xff00ffu) * share;
    low = ((low + ((low >> 8) & 0xff00ffu) + 0x800080u) >> 8) & 0xff00ffu;
    std::uint32_t high = ((pixel >> 8) & 0xff00ffu) * share;
    high = (high + ((high >> 8) & 0xff00ffu) + 0x800080u) & 0xff00ff00u;
    return high | low;
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
    coverageRatio_ = 0;
    update();
}

void ColorCellRing::setDisplayFilter(const DisplayFilter* filter)
{
    UseDisplayFilter(this, filter_, filter);
}

void ColorCellRing::setColors(const std::array<ColorValue, kWheelCells>& colors)
{
    // Only the cells whose colour changed are painted again (in one go when they all changed).
    int changed = 0;
    for (int i = 0; i < kWheelCells; ++i)
        changed += colors[slot(i)] != colors_[slot(i)] ? 1 : 0;
    for (int i = 0; i < kWheelCells && changed < kWheelCells; ++i) {
        if (colors[slot(i)] != colors_[slot(i)])
            update(repaintRect(cells_[slot(i)]));
    }
    if (changed == kWheelCells)
        update();
    colors_ = colors;
}

QRect ColorCellRing::repaintRect(const QRectF& shape) const { return shape.toAlignedRect().adjusted(-1, -1, 1, 1); }

ColorValue ColorCellRing::cellColor(int index) const { return colors_.at(slot(index)); }

void ColorCellRing::setMarkerVisible(int index, bool visible)
{
    bool& shown = markerShown_.at(slot(index));
    if (shown == visible)
        return;
    shown = visible;
    update(repaintRect(markers_[slot(index)]));
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

void ColorCellRing::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    if (shape_ == Shape::Square)
        paintSquares(painter, event->rect());
    else
        paintCircles(painter, event->rect());
}

// Each shape is its edge colour to the designed edge with its own colour 1 pixel inside.
void ColorCellRing::paintSquares(QPainter& painter, const QRect& dirty)
{
    auto draw = [&](const QRectF& box, const QColor& fill, const QColor& edge) {
        if (!repaintRect(box).intersects(dirty))
            return;
        painter.fillRect(box, edge);
        painter.fillRect(box.adjusted(1, 1, -1, -1), fill);
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

// The circles are composed from their measured coverage in an image of the widget, which is then
// copied in one step: the same pixels as painting two antialiased circles per shape, at a small
// part of the cost.
void ColorCellRing::paintCircles(QPainter& painter, const QRect& dirty)
{
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * ratio).toSize();
    if (canvas_.size() != pixels) {
        canvas_ = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
        canvas_.setDevicePixelRatio(ratio);
    }
    const QRect area = QRectF(QRectF(dirty).topLeft() * ratio, QRectF(dirty).size() * ratio).toAlignedRect();
    for (int y = area.top(); y <= area.bottom() && y < canvas_.height(); ++y)
        std::fill_n(reinterpret_cast<QRgb*>(canvas_.scanLine(y)) + std::max(area.left(), 0),
                    std::max(0, std::min(area.right() + 1, canvas_.width()) - std::max(area.left(), 0)), QRgb(0));
    auto draw = [&](std::size_t shape, const QRectF& box, const QColor& fill, const QColor& edge) {
        if (repaintRect(box).intersects(dirty))
            compose(coverage(shape, ratio), fill, edge);
    };
    for (int i = 0; i < kWheelCells; ++i) {
        const QColor fill = PaintColor(filter_, colors_[slot(i)]);
        draw(slot(i), cells_[slot(i)], fill, darkened(fill, kCellEdge));
    }
    for (int i = 0; i < kWheelCells; ++i)
        if (markerShown_[slot(i)])
            draw(kWheelCells + slot(i), markers_[slot(i)], Qt::white, darkened(Qt::white, kMarkerEdge));
    painter.drawImage(dirty, canvas_, area);
}

const ColorCellRing::ShapeCoverage& ColorCellRing::coverage(std::size_t shape, qreal ratio)
{
    if (coverageRatio_ != ratio) {
        for (ShapeCoverage& c : coverage_)
            c = ShapeCoverage();
        coverageRatio_ = ratio;
    }
    ShapeCoverage& c = coverage_[shape];
    if (c.measured)
        return c;
    c.measured = true;
    const QRectF box = shape < kWheelCells ? cells_[shape] : markers_[shape - kWheelCells];
    const QRect area = QRectF(box.topLeft() * ratio, box.size() * ratio).toAlignedRect().adjusted(-1, -1, 1, 1);
    auto measure = [&](const QRectF& ellipse) {
        QImage image(area.size(), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.translate(-area.topLeft());
        p.scale(ratio, ratio);
        p.drawEllipse(ellipse);
        return image;
    };
    const QImage outer = measure(box);
    const QImage inner = measure(box.adjusted(1, 1, -1, -1));
    for (int y = 0; y < area.height(); ++y) {
        const auto* o = reinterpret_cast<const QRgb*>(outer.constScanLine(y));
        const auto* i = reinterpret_cast<const QRgb*>(inner.constScanLine(y));
        for (int x = 0; x < area.width(); ++x) {
            const int cover = qAlpha(o[x]);
            const int within = qAlpha(i[x]);
            if (within == 255) {
                if (!c.inside.empty() && c.inside.back().y == area.top() + y &&
                    c.inside.back().x + c.inside.back().length == area.left() + x)
                    ++c.inside.back().length;
                else
                    c.inside.push_back({area.left() + x, area.top() + y, 1});
            } else if (cover > 0) {
                // The edge colour at the outer coverage, the fill at the inner coverage over it.
                const auto edge = mul255(static_cast<std::uint32_t>(cover) * static_cast<std::uint32_t>(255 - within));
                c.edge.push_back({area.left() + x, area.top() + y, static_cast<std::uint8_t>(within),
                                  static_cast<std::uint8_t>(edge)});
            }
        }
    }
    return c;
}

// Lays a shape in `fill` with its edge in `edge` over the canvas (premultiplied), as painting
// the edge-coloured shape and then the fill-coloured inner shape over it does.
void ColorCellRing::compose(const ShapeCoverage& shape, const QColor& fill, const QColor& edge)
{
    const int width = canvas_.width();
    const int height = canvas_.height();
    uchar* const bits = canvas_.bits();
    const qsizetype stride = canvas_.bytesPerLine();
    auto line = [&](int y) { return reinterpret_cast<QRgb*>(bits + y * stride); };
    const QRgb inside = qRgb(fill.red(), fill.green(), fill.blue());
    for (const ShapeCoverage::Run& run : shape.inside) {
        if (run.y < 0 || run.y >= height)
            continue;
        const int from = std::max(run.x, 0);
        const int to = std::min(run.x + run.length, width);
        if (from < to)
            std::fill(line(run.y) + from, line(run.y) + to, inside);
    }
    const QRgb rim = qRgb(edge.red(), edge.green(), edge.blue());
    for (const ShapeCoverage::EdgePixel& px : shape.edge) {
        if (px.x < 0 || px.y < 0 || px.x >= width || px.y >= height)
            continue;
        const QRgb over = scaled(inside, px.fill) + scaled(rim, px.edge);
        QRgb& pixel = line(px.y)[px.x];
        pixel = pixel == 0 ? over : over + scaled(pixel, 255 - qAlpha(over));
    }
}

void ColorCellRing::mousePressEvent(QMouseEvent* event)
{
    pressedCell_ = event->button() == Qt::LeftButton ? cellAt(event->position()) : -1;
    drag_.press(*event);
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
    if (pressedCell_ >= 0 && drag_.moved(*event)) {
        const int cell = pressedCell_;
        pressedCell_ = -1;
        StartColorDrag(this, colors_[slot(cell)]);
        return;
    }
    setToolTip(toolTipAt(event->position()));
    QWidget::mouseMoveEvent(event);
}

} // namespace prismara
