// colorwheelframe.cpp - the colour wheel frame: cells, wheel type, display form, Lock, harmonies.
#include "ui/wheel/colorwheelframe.h"

#include "widgets/colorhub.h"
#include "core/app/twips.h"
#include "platform/platform.h"
#include "platform/qtconvert.h"
#include "platform/settings.h"
#include "core/wheel/celllayout.h"
#include "ui/wheel/colorcellring.h"
#include "ui/wheel/harmonyswatches.h"
#include "core/wheel/harmony.h"
#include "core/wheel/wheelcolors.h"
#include "widgets/displayfilter.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace prismara {

namespace {

// Designed geometry in pixels (designed in twips, 15 to a pixel), relative to the frame.
constexpr QSize kFrameSize(122, 168);            // 1830 x 2520
constexpr QRect kLockBox(36, 15, 63, 17);        // left 540, top 225, width 945
constexpr QRect kHarmonyList(3, 139, 115, 21);   // left 45, top 2085, width 1725
// The frame line runs kFrameTop below the frame's top edge; the caption sits in it, kCaptionLeft
// from the left, with kCaptionInset of clear line either side.
constexpr int kFrameTop = 6;
constexpr int kFrameRadius = 3;
constexpr int kCaptionLeft = 7;
constexpr int kCaptionInset = 4;

// A one-pixel frame with rounded corners: straight edges between the corners, each corner a
// quarter circle drawn as two eighths, edges in the order bottom, right, left, top.
void drawRoundedFrame(QPainter& p, const QRectF& r, qreal radius, const QColor& color)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QPen pen(color, 1, Qt::SolidLine, Qt::SquareCap);
    const qreal d = 2 * radius - 1;
    auto edge = [&](qreal x1, qreal y1, qreal x2, qreal y2) {
        p.setPen(Qt::NoPen);
        p.setBrush(color);
        p.drawRect(QRectF(x1, y1, x2 - x1, y2 - y1));
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
    };
    auto arc = [&](qreal x, qreal y, int start, int span) { p.drawArc(QRectF(x + 0.5, y + 0.5, d, d), start * 16, span * 16); };
    const qreal left = r.left();
    const qreal top = r.top();
    const qreal right = r.left() + r.width();
    const qreal bottom = r.top() + r.height();
    edge(left + radius, bottom - 1, right - radius, bottom);
    arc(left, bottom - 2 * radius, -90, -45);
    arc(right - 2 * radius, bottom - 2 * radius, -90, 45);
    edge(right - 1, top + radius, right, bottom - radius);
    arc(right - 2 * radius, top, 45, -45);
    arc(right - 2 * radius, bottom - 2 * radius, 315, 45);
    edge(left, top + radius, left + 1, bottom - radius);
    arc(left, top, 135, 45);
    arc(left, bottom - 2 * radius, 180, 45);
    edge(left + radius, top, right - radius, top + 1);
    arc(left, top, 135, -45);
    arc(right - 2 * radius, top, 45, 45);
    p.restore();
}

// Per wheel type, in the order of its number: the menu entry that chooses it and the frame's
// caption while it is shown.
struct WheelTypeInfo {
    const char* action;
    const char* caption;
};
constexpr WheelTypeInfo kWheelTypes[] = {
    {"mnuRGBWheel", "RGB Color Wheel"},
    {"mnuRYBWheel", "RYB Color Wheel"},
    {"mnuOKLCHWheel", "OKLCH Color Wheel"},
};
constexpr int kWheelTypeCount = static_cast<int>(std::size(kWheelTypes));
static_assert(kWheelTypeCount - 1 == kOklchWheel);

// Cells 3 and 9 belong to no harmony; their markers stay hidden.
bool neverMarked(int cell) { return cell == 3 || cell == 9; }

std::array<QRectF, kWheelCells> inPixels(const CellBoxes& boxes)
{
    std::array<QRectF, kWheelCells> rects{};
    for (std::size_t i = 0; i < rects.size(); ++i) {
        const TwipBox& b = boxes[i];
        rects[i] = QRectF(b.left / kTwipsPerPixel, b.top / kTwipsPerPixel, b.width / kTwipsPerPixel,
                          b.height / kTwipsPerPixel);
    }
    return rects;
}

using Rects = std::array<QRectF, kWheelCells>;

QRectF boundsOf(const Rects& cells, const Rects& markers)
{
    QRectF bounds;
    for (std::size_t i = 0; i < cells.size(); ++i)
        bounds = bounds.united(cells[i]).united(markers[i]);
    return bounds;
}

// The designed cells and markers scaled by `scale` about the corner of their bounds, which moves
// to `at`; squares are kept on whole pixels so their edges stay sharp.
void scaleInto(Rects& cells, Rects& markers, QPointF at, qreal scale, bool wholePixels)
{
    const QPointF from = boundsOf(cells, markers).topLeft();
    auto map = [&](QRectF& r) {
        r = QRectF(at + (r.topLeft() - from) * scale, r.size() * scale);
        if (wholePixels)
            r = QRectF(QPointF(std::round(r.left()), std::round(r.top())),
                       QSizeF(std::round(r.width()), std::round(r.height())));
    };
    for (std::size_t i = 0; i < cells.size(); ++i) {
        map(cells[i]);
        map(markers[i]);
    }
}

// Room between the wheel and the harmony list, and round the harmony swatches.
constexpr int kSwatchGap = 6;

} // namespace

ColorWheelFrame::ColorWheelFrame(ColorHub& hub, QWidget* parent)
    : QGroupBox(kWheelTypes[kRgbWheel].caption, parent),
      hub_(hub),
      mnuColorSquare_(hub.action("mnuColorSquare"))
{
    for (int type = 0; type < kWheelTypeCount; ++type)
        mnuWheel_[static_cast<std::size_t>(type)] = hub.action(kWheelTypes[type].action);
    setObjectName("fraColorWheel");
    setMinimumSize(kFrameSize);

    shpColorWheel_ = new ColorCellRing(ColorCellRing::Shape::Circle, "shpColorWheel", this);
    lblColorSquare_ = new ColorCellRing(ColorCellRing::Shape::Square, "lblColorSquare", this);
    shpColorWheel_->hide();
    lblColorSquare_->hide();
    shpColorWheel_->setDisplayFilter(&hub.displayFilter());
    lblColorSquare_->setDisplayFilter(&hub.displayFilter());

    chkLock_ = new QCheckBox("Lock", this);
    chkLock_->setObjectName("chkLock");
    chkLock_->setGeometry(kLockBox);

    cmbColorwheel_ = new QComboBox(this);
    cmbColorwheel_->setObjectName("cmbColorwheel");
    cmbColorwheel_->setGeometry(kHarmonyList);
    // The Lock box and the harmony list keep the application's font, a size larger than the
    // window's compact one.
    chkLock_->setFont(QApplication::font());
    cmbColorwheel_->setFont(QApplication::font());
    for (const HarmonyScheme& scheme : HarmonySchemes())
        cmbColorwheel_->addItem(ToQString(scheme.caption));
    // Nothing is selected until the window build selects the first harmony.
    cmbColorwheel_->setCurrentIndex(-1);
    connect(cmbColorwheel_, &QComboBox::currentIndexChanged, this, [this](int index) { applyHarmony(index); });

    picHarmony_ = new HarmonySwatches(&hub.displayFilter(), this);
    picHarmony_->hide();
    connect(picHarmony_, &HarmonySwatches::taken, this, [this](ColorValue color) {
        hub_.ClearSchemeSelection();
        hub_.CurrentColorChanged(color, WriteRecent::Yes);
    });
    connect(picHarmony_, &HarmonySwatches::copyRequested, this, [this](const QString& text) {
        hub_.platform().clearClipboard();
        hub_.platform().setClipboardText(text);
    });

    // Until the first colour arrives the cells show the start colour.
    GetWheel(kWhite, kRgbWheel);

    for (ColorCellRing* cells : {shpColorWheel_, lblColorSquare_})
        connect(cells, &ColorCellRing::cellClicked, this, [this, cells](int index) { cellClicked(cells, index); });
    for (int type = 0; type < kWheelTypeCount; ++type)
        if (QAction* entry = mnuWheel_[static_cast<std::size_t>(type)])
            connect(entry, &QAction::triggered, this, [this, type](bool checked) { chooseWheelType(type, checked); });
    if (mnuColorSquare_)
        connect(mnuColorSquare_, &QAction::triggered, this, [this](bool checked) { switchDisplay(checked); });
    resize(kFrameSize);
}

QSize ColorWheelFrame::designedSize() { return kFrameSize; }

int ColorWheelFrame::besideColumnWidth() const { return picHarmony_->columnWidth() + kSwatchGap; }

void ColorWheelFrame::layOutCells()
{
    cellsPlaced_ = true;
    placeCells();
    for (ColorCellRing* cells : {shpColorWheel_, lblColorSquare_}) {
        cells->hideAllMarkers();
        cells->hide();
    }
}

void ColorWheelFrame::resizeEvent(QResizeEvent* event)
{
    QGroupBox::resizeEvent(event);
    const int extraWidth = width() - kFrameSize.width();
    chkLock_->move(kLockBox.left() + extraWidth / 2, kLockBox.top());
    cmbColorwheel_->setGeometry(kHarmonyList.left(), height() - (kFrameSize.height() - kHarmonyList.top()),
                                kHarmonyList.width() + extraWidth, kHarmonyList.height());
    if (cellsPlaced_)
        placeCells();
}

std::vector<HarmonySwatches::Entry> ColorWheelFrame::harmonyEntries() const
{
    std::vector<HarmonySwatches::Entry> entries;
    const int harmony = cmbColorwheel_->currentIndex();
    for (int i = 0; i < kWheelCells; ++i)
        if (!neverMarked(i) && HarmonyMarks(harmony, i))
            entries.push_back({shpColorWheel_->cellColor(i), i});
    return entries;
}

void ColorWheelFrame::placeCells()
{
    // The swatches' rows depend on how many colours the harmony has.
    picHarmony_->setEntries(harmonyEntries());
    const int extraWidth = width() - kFrameSize.width();
    const int extraHeight = height() - kFrameSize.height();
    // The harmony swatches take a column beside the wheel when the frame is much wider than
    // tall, else rows below it when there is height enough; otherwise they stay hidden.
    const int columnWidth = picHarmony_->columnWidth();
    const bool beside = extraWidth - extraHeight >= columnWidth + kSwatchGap &&
                        picHarmony_->heightFor(columnWidth) <= cmbColorwheel_->y() - kLockBox.bottom() - kSwatchGap;
    const int belowWidth = width() - 2 * kSwatchGap;
    const int belowHeight = picHarmony_->heightFor(belowWidth) + kSwatchGap;
    const bool below = !beside && extraHeight >= belowHeight + kSwatchGap;
    const int ringExtraWidth = extraWidth - (beside ? columnWidth + kSwatchGap : 0);
    const int ringExtraHeight = extraHeight - (below ? belowHeight : 0);

    auto place = [&](ColorCellRing* ring, Rects cells, Rects markers, bool wholePixels) {
        const QRectF bounds = boundsOf(cells, markers);
        // As designed when there is no room to spare; else as large as the room allows, centred
        // across and at the top, so that the swatches follow right below.
        const qreal scale = std::min((bounds.width() + ringExtraWidth) / bounds.width(),
                                     (bounds.height() + ringExtraHeight) / bounds.height());
        if (scale > 1) {
            const qreal roomWidth = bounds.width() + ringExtraWidth;
            const QPointF at = bounds.topLeft() + QPointF((roomWidth - bounds.width() * scale) / 2, 0);
            scaleInto(cells, markers, at, scale, wholePixels);
        }
        ring->layOut(cells, markers);
    };
    place(shpColorWheel_, inPixels(WheelCellLayout()), inPixels(WheelMarkerLayout()), false);
    place(lblColorSquare_, inPixels(SquareCellLayout()), inPixels(SquareMarkerLayout()), true);

    if (beside) {
        const int h = picHarmony_->heightFor(columnWidth);
        const int top = kLockBox.bottom() + 1 + (cmbColorwheel_->y() - kLockBox.bottom() - 1 - h) / 2;
        picHarmony_->setGeometry(width() - kSwatchGap - columnWidth, top, columnWidth, h);
    } else if (below) {
        const int ringBottom = std::max(shpColorWheel_->geometry().bottom(), lblColorSquare_->geometry().bottom());
        picHarmony_->setGeometry(kSwatchGap, std::min(ringBottom + 1 + kSwatchGap, cmbColorwheel_->y() - belowHeight),
                                 belowWidth, belowHeight - kSwatchGap);
    }
    picHarmony_->setVisible(beside || below);
    showHarmonyColors();
}

void ColorWheelFrame::showHarmonyColors()
{
    if (picHarmony_->isHidden())
        return;
    const std::vector<HarmonySwatches::Entry> entries = harmonyEntries();
    // A harmony of another size takes other rows: lay the frame out again.
    if (entries.size() != picHarmony_->entries().size() && cellsPlaced_)
        placeCells();
    else
        picHarmony_->setEntries(entries);
}

void ColorWheelFrame::applyStoredDisplay()
{
    if (Settings(hub_.platform()).isOn(Setting::ColorSquare) && mnuColorSquare_)
        mnuColorSquare_->trigger();
    ColorCellRing* cells = shownCells();
    cells->setMarkerVisible(0, true);
    cells->show();
}

void ColorWheelFrame::selectHarmony(int index)
{
    // Selecting the entry that is already current raises no change; apply it all the same.
    cmbColorwheel_->setCurrentIndex(index);
    applyHarmony(cmbColorwheel_->currentIndex());
}

void ColorWheelFrame::applyStoredWheelType()
{
    // Any number that names no wheel type is the RGB wheel.
    const auto stored = Settings(hub_.platform()).number(Setting::ColorWheelType);
    const int type = stored && *stored > 0 && *stored < kWheelTypeCount ? *stored : kRgbWheel;
    if (QAction* command = mnuWheel_[static_cast<std::size_t>(type)])
        command->trigger();
}

void ColorWheelFrame::GetWheel(ColorValue color, int colorwheeltype)
{
    const std::array<ColorValue, kWheelCells> colors = WheelColors(color, colorwheeltype);
    shpColorWheel_->setColors(colors);
    lblColorSquare_->setColors(colors);
    showHarmonyColors();
}

bool ColorWheelFrame::locked() const { return chkLock_->isChecked(); }

int ColorWheelFrame::wheelType() const
{
    for (int type = 0; type < kWheelTypeCount; ++type)
        if (QAction* entry = mnuWheel_[static_cast<std::size_t>(type)]; entry && entry->isChecked())
            return type;
    return kRgbWheel;
}

void ColorWheelFrame::chooseWheelType(int type, bool checkedNow)
{
    // The entry flipped its own check mark. Unchecked now means it was the chosen type already:
    // put the mark back and change nothing.
    if (!checkedNow) {
        mnuWheel_[static_cast<std::size_t>(type)]->setChecked(true);
        return;
    }
    for (int other = 0; other < kWheelTypeCount; ++other)
        if (QAction* entry = mnuWheel_[static_cast<std::size_t>(other)]; entry && other != type)
            entry->setChecked(false);
    // From cell 0, so a locked wheel keeps its base colour.
    GetWheel(shpColorWheel_->cellColor(0), type);
    setTitle(kWheelTypes[type].caption);
    Settings(hub_.platform()).setNumber(Setting::ColorWheelType, type);
}

void ColorWheelFrame::switchDisplay(bool toSquare)
{
    // The menu entry has flipped its check mark, and the toolbar button shares it.
    Settings(hub_.platform()).setOn(Setting::ColorSquare, toSquare);
    ColorCellRing* leaving = toSquare ? shpColorWheel_ : lblColorSquare_;
    ColorCellRing* coming = toSquare ? lblColorSquare_ : shpColorWheel_;
    leaving->hideAllMarkers();
    leaving->hide();
    coming->show();
    applyHarmony(cmbColorwheel_->currentIndex());
}

void ColorWheelFrame::applyHarmony(int index)
{
    if (index < 0 || index >= kHarmonyCount)
        return;
    ColorCellRing* cells = shownCells();
    for (int i = 0; i < kWheelCells; ++i)
        if (!neverMarked(i))
            cells->setMarkerVisible(i, HarmonyMarks(index, i));
    showHarmonyColors();
}

bool ColorWheelFrame::squareShown() const { return mnuColorSquare_ && mnuColorSquare_->isChecked(); }

ColorCellRing* ColorWheelFrame::shownCells() const { return squareShown() ? lblColorSquare_ : shpColorWheel_; }

void ColorWheelFrame::cellClicked(ColorCellRing* cells, int index)
{
    // A colour taken from the wheel belongs to no saved scheme.
    const ColorValue color = cells->cellColor(index);
    hub_.ClearSchemeSelection();
    hub_.CurrentColorChanged(color, WriteRecent::Yes);
}

void ColorWheelFrame::paintEvent(QPaintEvent* event)
{
    const QFontMetrics metrics(font());
    const int captionWidth = metrics.horizontalAdvance(title());
    const QRect caption(kCaptionLeft, 0, captionWidth + 2 * kCaptionInset, metrics.height());
    // A new colour repaints the cells inside the frame; the frame and the caption stay as they are.
    const QRect inside = rect().adjusted(kFrameRadius, kFrameTop + kFrameRadius, -kFrameRadius, -kFrameRadius);
    if (inside.contains(event->rect()) && !caption.intersects(event->rect()))
        return;
    QPainter p(this);
    p.setClipRegion(QRegion(rect()) - QRegion(caption));
    drawRoundedFrame(p, QRectF(rect().adjusted(0, kFrameTop, 0, 0)), kFrameRadius, palette().color(QPalette::Mid));
    p.setClipping(false);
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(caption.adjusted(kCaptionInset, 0, -kCaptionInset, 0), Qt::AlignCenter, title());
}

} // namespace prismara
