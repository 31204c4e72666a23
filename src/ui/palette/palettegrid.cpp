// palettegrid.cpp - painting, hit-testing and the mouse for the palette cells and their frame.
#include "ui/palette/palettegrid.h"

#include "widgets/colorswatch.h"
#include "widgets/displayfilter.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPixmap>

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

// The ring round the cell under the pointer: the desktop's highlight colour outside, and inside
// it white or black, whichever stands out more on the cell's colour.
constexpr int kDarkCellLimit = 140;

constexpr int kRows = PalettePage::kRows;
constexpr int kColumns = PalettePage::kColumns;

} // namespace

PaletteGrid::PaletteGrid(QWidget* parent) : QWidget(parent)
{
    setObjectName("lblcor");
    setMouseTracking(true);
    colors_.fill(kWhite);
    resize(sizeHint());
}

QSize PaletteGrid::sizeHint() const
{
    return {kColumns * pitchX_ + 1 + 2 * kMargin, kRows * pitchY_ + 1 + 2 * kMargin};
}

void PaletteGrid::fitTo(QSize area)
{
    int x = std::max(kPitchX, (area.width() - 2 * kMargin - 1) / kColumns);
    int y = std::max(kPitchY, (area.height() - 2 * kMargin - 1) / kRows);
    // Square-ish: neither side more than half as long again as the designed proportion allows.
    x = std::min(x, std::max(kPitchX, y * 3 / 2));
    y = std::min(y, std::max(kPitchY, x));
    if (x != pitchX_ || y != pitchY_) {
        pitchX_ = x;
        pitchY_ = y;
        update();
    }
    resize(sizeHint());
}

void PaletteGrid::setDisplayFilter(const DisplayFilter* filter)
{
    UseDisplayFilter(this, filter_, filter);
}

void PaletteGrid::setColors(const std::array<ColorValue, kCells>& colors, int filled)
{
    filled = std::clamp(filled, 0, kCells);
    QRegion changed;
    for (int i = 0; i < kCells; ++i) {
        const bool emptyChanged = (i >= filled) != (i >= filled_);
        if (colors_[slot(i)] != colors[slot(i)] || emptyChanged) {
            colors_[slot(i)] = colors[slot(i)];
            changed += cellRect(i);
        }
    }
    filled_ = filled;
    if (hovered_ >= filled_)
        setHovered(-1);
    if (!changed.isEmpty()) {
        // A cell's repaint covers the shared edges, which the frame may lie over.
        if (selected_ >= 0 && changed.intersects(selectionRect(selected_)))
            changed += selectionRect(selected_);
        update(changed);
    }
}

ColorValue PaletteGrid::cellColor(int index) const { return colors_.at(slot(index)); }

QRect PaletteGrid::cellRect(int index) const
{
    return {kMargin + PalettePage::column(index) * pitchX_, kMargin + PalettePage::row(index) * pitchY_, pitchX_ + 1,
            pitchY_ + 1};
}

int PaletteGrid::cellAt(QPoint pos) const
{
    const int x = pos.x() - kMargin;
    const int y = pos.y() - kMargin;
    if (x < 0 || y < 0 || x > kColumns * pitchX_ || y > kRows * pitchY_)
        return -1;
    const int column = std::min(x / pitchX_, kColumns - 1);
    const int row = std::min(y / pitchY_, kRows - 1);
    return column * kRows + row;
}

QRect PaletteGrid::selectionRect(int index) const { return cellRect(index).adjusted(-2, -2, 2, 2); }

void PaletteGrid::setHovered(int index)
{
    if (index == hovered_)
        return;
    auto repaintCell = [this](int cell) {
        if (cell < 0)
            return;
        QRegion area(cellRect(cell));
        if (selected_ >= 0 && area.intersects(selectionRect(selected_)))
            area += selectionRect(selected_);
        update(area);
    };
    repaintCell(hovered_);
    hovered_ = index;
    repaintCell(hovered_);
}

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
    int cell = cellAt(help->pos());
    if (cell >= 0 && isEmptyCell(cell))
        cell = -1;
    ShowCellToolTip(*this, *help, cell, cell < 0 ? kWhite : colors_[slot(cell)], cell < 0 ? QRect() : cellRect(cell));
    return true;
}

void PaletteGrid::paintEmptyCell(QPainter& painter, const QRect& box)
{
    // The window's own colours, hatched: no colour of a palette looks like it, light or dark.
    // Drawn once per size and scheme, then copied.
    const QPalette& pal = palette();
    const qreal ratio = devicePixelRatioF();
    const QColor back = pal.color(QPalette::Window);
    QColor line = pal.color(QPalette::WindowText);
    line.setAlpha(90);
    if (emptyCell_.size() != box.size() * ratio || emptyCell_.devicePixelRatio() != ratio || emptyBack_ != back ||
        emptyLine_ != line) {
        emptyBack_ = back;
        emptyLine_ = line;
        emptyCell_ = QPixmap(box.size() * ratio);
        emptyCell_.setDevicePixelRatio(ratio);
        QPainter p(&emptyCell_);
        const QRect cell(QPoint(0, 0), box.size());
        p.fillRect(cell, back);
        p.fillRect(cell.adjusted(1, 1, -1, -1), QBrush(line, Qt::BDiagPattern));
        p.setPen(QPen(line, 0));
        p.setBrush(Qt::NoBrush);
        p.drawRect(cell.adjusted(0, 0, -1, -1));
    }
    painter.drawPixmap(box.topLeft(), emptyCell_);
}

void PaletteGrid::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QRegion& dirty = event->region();
    // Empty cells first, so that the last colour's edge stays whole where they meet.
    for (int i = filled_; i < kCells; ++i) {
        const QRect box = cellRect(i);
        if (dirty.intersects(box))
            paintEmptyCell(painter, box);
    }
    for (int i = 0; i < filled_; ++i) {
        const QRect box = cellRect(i);
        if (!dirty.intersects(box))
            continue;
        painter.fillRect(box, kCellEdge);
        painter.fillRect(box.adjusted(1, 1, -1, -1), PaintColor(filter_, colors_[slot(i)]));
    }
    if (hovered_ >= 0 && hovered_ < filled_ && dirty.intersects(cellRect(hovered_))) {
        const QRect box = cellRect(hovered_);
        const ColorValue c = colors_[slot(hovered_)];
        const bool dark = (GetRed(c) * 299 + GetGreen(c) * 587 + GetBlue(c) * 114) / 1000 < kDarkCellLimit;
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(palette().color(QPalette::Highlight), 0));
        painter.drawRect(box.adjusted(0, 0, -1, -1));
        painter.setPen(QPen(dark ? QColor(Qt::white) : QColor(Qt::black), 0));
        painter.drawRect(box.adjusted(1, 1, -2, -2));
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
        // An empty cell holds no colour to take; its right click still offers the menu.
        if (button == Qt::LeftButton && pressed_ >= 0 && isEmptyCell(pressed_))
            pressed_ = -1;
        pressedButton_ = button;
    }
    drag_.press(*event);
    QWidget::mousePressEvent(event);
}

void PaletteGrid::mouseMoveEvent(QMouseEvent* event)
{
    const int hovered = cellAt(event->position().toPoint());
    setHovered(hovered >= 0 && !isEmptyCell(hovered) ? hovered : -1);
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

void PaletteGrid::leaveEvent(QEvent* event)
{
    setHovered(-1);
    QWidget::leaveEvent(event);
}

} // namespace prismara
