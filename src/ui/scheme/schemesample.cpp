// schemesample.cpp - a sample control of a web-scheme mock-up.
#include "ui/scheme/schemesample.h"

#include "widgets/colorswatch.h"
#include "widgets/displayfilter.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <QStyle>

namespace prismara {

namespace {
// Height of a table's caption row, where the table's text label sits.
constexpr int kTableCaptionRow = 19;
constexpr int kTableBodyRows = 2;
constexpr int kTableColumns = 3;
} // namespace

SchemeSample::SchemeSample(const SampleGeometry& geometry, const DisplayFilter* filter, QWidget* parent)
    : QLabel(parent), shape_(geometry.shape), outlined_(geometry.outlined), filter_(filter)
{
    setObjectName(QString::fromLatin1(geometry.name));
    setGeometry(geometry.rect);
    setAlignment(geometry.alignment);
    setIndent(geometry.indent);
    setWordWrap(geometry.wrap);
    QFont f = font();
    if (geometry.pointSize > 0)
        f.setPointSizeF(geometry.pointSize);
    f.setBold(geometry.bold);
    f.setUnderline(geometry.underline);
    setFont(f);
    // Areas fill themselves in paintEvent, through the filter.
    setAutoFillBackground(false);
    if (filter_)
        connect(filter_, &DisplayFilter::changed, this, qOverload<>(&QWidget::update));
    // A table frame lies over its table; clicks reach the table's labels beneath.
    setAttribute(Qt::WA_TransparentForMouseEvents, shape_ == SampleShape::TableGrid);
    showLook(kWhite, kBlack, kBlack, QString());
}

void SchemeSample::showLook(ColorValue backColor, ColorValue foreColor, ColorValue borderColor, const QString& caption)
{
    back_ = backColor;
    fore_ = foreColor;
    border_ = borderColor;
    QPalette pal = palette();
    pal.setColor(QPalette::Window, ToQColor(back_));
    pal.setColor(QPalette::WindowText, ToQColor(fore_));
    setPalette(pal);
    if (text() != caption)
        setText(caption);
    update();
}

QColor SchemeSample::painted(ColorValue color) const { return PaintColor(filter_, color); }

QColor SchemeSample::backQColor() const { return ToQColor(back_); }
QColor SchemeSample::foreQColor() const { return ToQColor(fore_); }
QColor SchemeSample::borderQColor() const { return ToQColor(border_); }

void SchemeSample::paintEvent(QPaintEvent* event)
{
    Q_UNUSED(event);
    QPainter p(this);
    if (shape_ == SampleShape::Area) {
        // What QLabel paints, in the painted colours: the area, then the caption inside the
        // indent on the sides it is aligned to.
        p.fillRect(rect(), painted(back_));
        if (!text().isEmpty()) {
            QRect box = contentsRect();
            const int in = std::max(indent(), 0);
            const Qt::Alignment align = alignment();
            box.adjust(align & Qt::AlignLeft ? in : 0, align & Qt::AlignTop ? in : 0,
                       align & Qt::AlignRight ? -in : 0, align & Qt::AlignBottom ? -in : 0);
            QPalette pal = palette();
            pal.setColor(QPalette::WindowText, painted(fore_));
            const int flags = static_cast<int>(align) | (wordWrap() ? Qt::TextWordWrap : 0);
            style()->drawItemText(&p, box, flags, pal, isEnabled(), text(), QPalette::WindowText);
        }
        if (outlined_) {
            p.setPen(QColor(0, 0, 0, 70));
            p.drawRect(rect().adjusted(0, 0, -1, -1));
        }
        return;
    }
    p.setRenderHint(QPainter::Antialiasing);
    const QColor fill = painted(back_);
    const QRectF r = QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5);
    p.setPen(QPen(fill.darker(135), 1.2));
    p.setBrush(fill);
    switch (shape_) {
    case SampleShape::Circle:
        p.drawEllipse(r);
        break;
    case SampleShape::RoundedBox:
        p.drawRoundedRect(r, r.width() / 5, r.height() / 5);
        break;
    case SampleShape::Diamond:
        p.drawPolygon(QPolygonF({QPointF(r.center().x(), r.top()), QPointF(r.right(), r.center().y()),
                                 QPointF(r.center().x(), r.bottom()), QPointF(r.left(), r.center().y())}));
        break;
    case SampleShape::TableGrid: {
        p.setRenderHint(QPainter::Antialiasing, false);
        const QColor line = painted(border_);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(line, 2));
        p.drawRect(QRect(rect()).adjusted(1, 1, -1, -1));
        p.setPen(QPen(line, 1));
        const int left = 2;
        const int right = width() - 3;
        const int bottom = height() - 3;
        p.drawLine(left, kTableCaptionRow, right, kTableCaptionRow);
        const int rowHeight = (bottom - kTableCaptionRow) / kTableBodyRows;
        for (int row = 1; row < kTableBodyRows; ++row)
            p.drawLine(left, kTableCaptionRow + row * rowHeight, right, kTableCaptionRow + row * rowHeight);
        for (int column = 1; column < kTableColumns; ++column) {
            const int x = left + column * (right - left) / kTableColumns;
            p.drawLine(x, kTableCaptionRow, x, bottom);
        }
        break;
    }
    case SampleShape::Area:
        break;
    }
}

void SchemeSample::mousePressEvent(QMouseEvent* event)
{
    // Accepting the press makes the release come here.
    primaryPressed_ = event->button() == Qt::LeftButton;
    dragged_ = false;
    drag_.press(*event);
    event->accept();
}

void SchemeSample::mouseMoveEvent(QMouseEvent* event)
{
    if (drag_.moved(*event)) {
        primaryPressed_ = false;
        dragged_ = true;
        emit dragRequested();
    }
    event->accept();
}

void SchemeSample::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = event->button() == Qt::LeftButton && primaryPressed_ && rect().contains(event->position().toPoint());
    if (event->button() == Qt::LeftButton)
        primaryPressed_ = false;
    event->accept();
    if (dragged_ && event->button() == Qt::LeftButton) {
        dragged_ = false;
        return;
    }
    emit released(event->button(), event->globalPosition().toPoint());
    if (click)
        emit clicked();
}

} // namespace prismara
