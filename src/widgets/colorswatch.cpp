// colorswatch.cpp - a clickable colour swatch.
#include "widgets/colorswatch.h"

#include "core/colour/colornames.h"
#include "platform/qtconvert.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QToolTip>

namespace prismara {

QColor ToQColor(ColorValue color) { return QColor(GetRed(color), GetGreen(color), GetBlue(color)); }

ColorValue FromQColor(const QColor& color) { return MakeColor(color.red(), color.green(), color.blue()); }

QString ColorToolTip(ColorValue color)
{
    return ToQString(HtmlHex(color)) + '\n' + ToQString(ColorNameText(color));
}

void ShowCellToolTip(QWidget& widget, QHelpEvent& help, int cell, ColorValue color, const QRect& cellArea)
{
    if (cell < 0) {
        widget.setToolTip(QString());
        QToolTip::hideText();
        help.ignore();
        return;
    }
    widget.setToolTip(ColorToolTip(color));
    QToolTip::showText(help.globalPos(), widget.toolTip(), &widget, cellArea);
}

ColorSwatch::ColorSwatch(QWidget* parent) : QLabel(parent)
{
    setAutoFillBackground(true);
    setFrameShape(QFrame::Box);
    setColor(kWhite);
}

void ColorSwatch::setColor(ColorValue color)
{
    color_ = color;
    setToolTip(ColorToolTip(color));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, ToQColor(color));
    setPalette(pal);
}

void ColorSwatch::mousePressEvent(QMouseEvent* event)
{
    pressed_ = event->button() == Qt::LeftButton;
    drag_.press(*event);
    QLabel::mousePressEvent(event);
}

void ColorSwatch::mouseMoveEvent(QMouseEvent* event)
{
    if (dragEnabled_ && drag_.moved(*event)) {
        // A drag is no click.
        pressed_ = false;
        StartColorDrag(this, color_);
        return;
    }
    QLabel::mouseMoveEvent(event);
}

void ColorSwatch::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && pressed_ && rect().contains(event->position().toPoint()))
        emit clicked();
    else if (event->button() == Qt::RightButton)
        emit rightReleased(event->globalPosition().toPoint());
    pressed_ = false;
    drag_.reset();
    QLabel::mouseReleaseEvent(event);
}

void ColorSwatch::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit doubleClicked();
    QLabel::mouseDoubleClickEvent(event);
}

} // namespace prismara
