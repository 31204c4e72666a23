// palettegrid.cpp - painting, hit-testing and the mouse for the palette cells and their frame.
#include "ui/palette/palettegrid.h"

#include "widgets/colorswatch.h"
#include "widgets/displayfilter.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

namespace prismara {

namespace {

// The edge every cell draws around itself; neighbours share it, so the cells read as a grid of
// thin dark lines whatever their colours.
const QColor kCellEdge(96, 96, 96);
// The selection frame is two pixels wide: a dark outer ring and a light inner one, so it stands
// out on dark and on light neighbours alike.
const QColor kFrameOuter(0, 0, 0);
const QColor kFrameInner(255, 255, 255);

constexpr int kRows = PalettePage::kRows;
constexpr int kColumns = PalettePage::kColumns;
constexpr int kGridWidth = (kColumns - 1) * PaletteGrid::kPitchX + PaletteGrid::kCellWidth;
constexpr int kGridHeight = (kRows - 1) * PaletteGrid::kPitchY + PaletteGrid::kCellHeight;

} // namespace

PaletteGrid::PaletteGrid(QWidget* parent) : QWidget(parent)
{
    setObjectName("lblcor");
    colors_.fill(kWhite);
    resize(sizeHint());
}

QSize PaletteGrid::sizeHint() const { return {kGridWidth + 2 * kMargin, kGridHeight + 2 * kMargin}; }

void PaletteGrid::setDisplayFilter(const DisplayFilter* filter)
{
    if (filter_)
        disconnect(filter_, nullptr, this, nullptr);
    filter_ = filter;
    if (filter_)
        connect(filter_, &DisplayFilter::changed, this, qOverload<>(&QWidget::update));
    update();
}

void PaletteGrid::setColors(const std::array<ColorValue, kCells>& colors)
{
    QRegion changed;
    for (int i = 0; i < kCells; ++i) {
        if (colors_[slot(i)] != colors[slot(i)]) {
            colors_[slot(i)] = colors[slot(i)];
            changed += cellRect(i);
        }
    }
    if (!changed.isEmpty()) {
        // A cell's repaint covers the shared edges, which the frame may lie over.
        if (selected_ >= 0 && changed.intersects(selectionRect(selected_)))
            changed += selectionRect(selected_);
        update(changed);
    }
}

ColorValue PaletteGrid::cellColor(int index) const { return colors_.at(slot(index)); }

QRect PaletteGrid::cellRect(int index)
{
    return {kMargin + PalettePage::column(index) * kPitchX, kMargin + PalettePage::row(index) * kPitchY, kCellWidth,
            kCellHeight};
}

int PaletteGrid::cellAt(QPoint pos)
{
    const int x = pos.x() - kMargin;
    const int y = pos.y() - kMargin;
    if (x < 0 || y < 0 || x >= kGridWidth || y >= kGridHeight)
        return -1;
    const int column = std::min(x / kPitchX, kColumns - 1);
    const int row = std::min(y / kPitchY, kRows - 1);
    return column * kRows + row;
}

QRect PaletteGrid::selectionRect(int index) { return cellRect(index).adjusted(-2, -2, 2, 2); }

void PaletteGrid::showSelection(int index)
{
    if (index < 0 || index >= kCells) {
        hideSelection();
        return;
    }
    if (index == selected_)
        return;
    if (selected_ >= 0)
        update(selectionRect(selected_));
    selected_ = index;
    update(selectionRect(selected_));
}

void PaletteGrid::hideSelection()
{
    if (selected_ < 0)
        return;
    update(selectionRect(selected_));
    selected_ = -1;
}

bool PaletteGrid::event(QEvent* event)
{
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    auto* help = static_cast<QHelpEvent*>(event);
    const int cell = cellAt(help->pos());
    ShowCellToolTip(*this, *help, cell, cell < 0 ? kWhite : colors_[slot(cell)], cell < 0 ? QRect() : cellRect(cell));
    return true;
}

void PaletteGrid::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QRegion& dirty = event->region();
    for (int i = 0; i < kCells; ++i) {
        const QRect box = cellRect(i);
        if (!dirty.intersects(box))
            continue;
        painter.fillRect(box, kCellEdge);
        painter.fillRect(box.adjusted(1, 1, -1, -1), PaintColor(filter_, colors_[slot(i)]));
    }
    if (selected_ >= 0 && dirty.intersects(selectionRect(selected_))) {
        const QRect frame = selectionRect(selected_);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(kFrameOuter, 0));
        painter.drawRect(frame.adjusted(0, 0, -1, -1));
        painter.setPen(QPen(kFrameInner, 0));
        painter.drawRect(frame.adjusted(1, 1, -2, -2));
    }
}

void PaletteGrid::mousePressEvent(QMouseEvent* event)
{
    const Qt::MouseButton button = event->button();
    if (button == Qt::LeftButton || button == Qt::RightButton) {
        pressed_ = cellAt(event->position().toPoint());
        pressedButton_ = button;
    }
    drag_.press(*event);
    QWidget::mousePressEvent(event);
}

void PaletteGrid::mouseMoveEvent(QMouseEvent* event)
{
    if (pressed_ >= 0 && pressedButton_ == Qt::LeftButton && drag_.moved(*event)) {
        const int cell = pressed_;
        pressed_ = -1;
        pressedButton_ = Qt::NoButton;
        StartColorDrag(this, colors_[slot(cell)]);
        return;
    }
    QWidget::mouseMoveEvent(event);
}

void PaletteGrid::mouseReleaseEvent(QMouseEvent* event)
{
    const int pressed = pressed_;
    if (pressed < 0 || event->button() != pressedButton_) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    pressed_ = -1;
    pressedButton_ = Qt::NoButton;
    // The cell that took the press takes the release, wherever the pointer is by then.
    emit cellReleased(pressed, event->button(), event->globalPosition().toPoint());
}

void PaletteGrid::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The second press of a double click: its release is a click like any other.
    mousePressEvent(event);
    if (event->button() == Qt::LeftButton && pressed_ >= 0)
        emit cellDoubleClicked(pressed_);
}

} // namespace prismara
