// badgelabel.cpp - the rounded patch behind a badge's text.
#include "widgets/badgelabel.h"

#include <QPainter>

namespace prismara {

namespace {
constexpr qreal kRadius = 3;
} // namespace

BadgeLabel::BadgeLabel(QWidget* parent, QSize padding) : QLabel(parent)
{
    setContentsMargins(padding.width(), padding.height(), padding.width(), padding.height());
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, Qt::white);
    setPalette(pal);
}

void BadgeLabel::setBadgeColor(const QColor& color)
{
    if (color == color_)
        return;
    color_ = color;
    update();
}

void BadgeLabel::paintEvent(QPaintEvent* event)
{
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(color_);
        p.drawRoundedRect(QRectF(rect()), kRadius, kRadius);
    }
    QLabel::paintEvent(event);
}

} // namespace prismara
