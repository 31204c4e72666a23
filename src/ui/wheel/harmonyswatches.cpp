// harmonyswatches.cpp - painting, flow and the mouse for the harmony swatches.
#include "ui/wheel/harmonyswatches.h"

#include "platform/qtconvert.h"
#include "widgets/colorswatch.h"
#include "widgets/displayfilter.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QToolTip>

#include <algorithm>

namespace prismara {

namespace {
constexpr int kSwatchHeight = 16;
constexpr int kGap = 4;
constexpr int kMaxEntries = 4; // the most cells a harmony marks

// The angle of a wheel cell from cell 0, as the tool tip names it: "Base", "+30°", "−60°".
QString angleText(int cell)
{
    if (cell == 0)
        return QStringLiteral("Base");
    const int degrees = cell <= 6 ? cell * 30 : (cell - 12) * 30;
    return QString::fromUtf8(degrees > 0 ? "+%1\u00B0" : "\u2212%1\u00B0").arg(std::abs(degrees));
}
} // namespace

HarmonySwatches::HarmonySwatches(const DisplayFilter* filter, QWidget* parent) : QWidget(parent), filter_(filter)
{
    setObjectName("picHarmony");
    if (filter_)
        connect(filter_, &DisplayFilter::changed, this, qOverload<>(&QWidget::update));
    cmdCopyAll_ = new QPushButton("Copy All", this);
    cmdCopyAll_->setObjectName("cmdCopyHarmony");
    cmdCopyAll_->setToolTip("Copy the harmony's colors, one hex a line");
    cmdCopyAll_->setFocusPolicy(Qt::NoFocus);
    connect(cmdCopyAll_, &QPushButton::clicked, this, [this] { emit copyRequested(allText()); });
}

QSize HarmonySwatches::entrySize() const
{
    return {fontMetrics().horizontalAdvance("#DDDDDD") + 6, kSwatchHeight + 1 + fontMetrics().height()};
}

int HarmonySwatches::columns(int width) const
{
    const int fit = (width + kGap) / (entrySize().width() + kGap);
    return std::clamp(fit, 1, kMaxEntries);
}

int HarmonySwatches::heightFor(int width) const
{
    const int shown = entries_.empty() ? kMaxEntries : static_cast<int>(entries_.size());
    const int rows = (shown + columns(width) - 1) / columns(width);
    return rows * (entrySize().height() + kGap) + cmdCopyAll_->sizeHint().height();
}

int HarmonySwatches::columnWidth() const
{
    return std::max(entrySize().width(), cmdCopyAll_->sizeHint().width());
}

QRect HarmonySwatches::swatchRect(int index) const
{
    const QSize e = entrySize();
    const int n = columns(width());
    // The row is centred in the strip.
    const int used = n * e.width() + (n - 1) * kGap;
    const int left = std::max(0, (width() - used) / 2);
    return {left + (index % n) * (e.width() + kGap), (index / n) * (e.height() + kGap), e.width(), e.height()};
}

int HarmonySwatches::swatchAt(QPoint pos) const
{
    for (int i = 0; i < static_cast<int>(entries_.size()); ++i)
        if (swatchRect(i).contains(pos))
            return i;
    return -1;
}

QString HarmonySwatches::allText() const
{
    QStringList lines;
    for (const Entry& e : entries_)
        lines << ToQString(HtmlHex(e.color));
    return lines.join('\n');
}

void HarmonySwatches::setEntries(const std::vector<Entry>& entries)
{
    if (entries == entries_)
        return;
    entries_ = entries;
    placeButton();
    update();
}

void HarmonySwatches::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    placeButton();
}

void HarmonySwatches::placeButton()
{
    // Right under the rows the swatches fill.
    const int n = columns(width());
    const int rows = (std::max<int>(1, static_cast<int>(entries_.size())) + n - 1) / n;
    const QSize button = cmdCopyAll_->sizeHint();
    cmdCopyAll_->setGeometry((width() - button.width()) / 2, rows * (entrySize().height() + kGap), button.width(),
                             button.height());
}

bool HarmonySwatches::event(QEvent* event)
{
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    auto* help = static_cast<QHelpEvent*>(event);
    const int i = swatchAt(help->pos());
    if (i < 0) {
        QToolTip::hideText();
        event->ignore();
        return true;
    }
    const Entry& e = entries_[static_cast<std::size_t>(i)];
    QToolTip::showText(help->globalPos(),
                       angleText(e.cell) + "  " + ColorToolTip(e.color) + "\nClick to take it, right-click to copy it",
                       this, swatchRect(i));
    return true;
}

void HarmonySwatches::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QColor text = palette().color(QPalette::WindowText);
    QColor edge = text;
    edge.setAlpha(140);
    for (int i = 0; i < static_cast<int>(entries_.size()); ++i) {
        const QRect box = swatchRect(i);
        const QRect swatch(box.left(), box.top(), box.width(), kSwatchHeight);
        p.fillRect(swatch, edge);
        p.fillRect(swatch.adjusted(1, 1, -1, -1), PaintColor(filter_, entries_[static_cast<std::size_t>(i)].color));
        p.setPen(text);
        p.drawText(QRect(box.left(), swatch.bottom() + 1, box.width(), box.height() - kSwatchHeight - 1),
                   Qt::AlignHCenter | Qt::AlignTop, ToQString(HtmlHex(entries_[static_cast<std::size_t>(i)].color)));
    }
}

void HarmonySwatches::mousePressEvent(QMouseEvent* event)
{
    drag_.reset();
    if (swatchAt(event->position().toPoint()) >= 0)
        drag_.press(*event);
    QWidget::mousePressEvent(event);
}

void HarmonySwatches::mouseMoveEvent(QMouseEvent* event)
{
    if (!drag_.moved(*event)) {
        QWidget::mouseMoveEvent(event);
        return;
    }
    if (const int i = swatchAt(drag_.origin()); i >= 0)
        StartColorDrag(this, entries_[static_cast<std::size_t>(i)].color);
}

void HarmonySwatches::mouseReleaseEvent(QMouseEvent* event)
{
    const bool pressedHere = drag_.pressed(); // a left press on a swatch that did not become a drag
    drag_.reset();
    const int i = swatchAt(event->position().toPoint());
    if (i < 0) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    const ColorValue color = entries_[static_cast<std::size_t>(i)].color;
    if (event->button() == Qt::LeftButton && pressedHere)
        emit taken(color);
    else if (event->button() == Qt::RightButton)
        emit copyRequested(ToQString(HtmlHex(color)));
}

} // namespace prismara
