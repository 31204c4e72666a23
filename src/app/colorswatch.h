// colorswatch.h - a label painted in one colour that reports clicks.
#pragma once

#include "colour/colorvalue.h"

#include <QLabel>

namespace prismara {

class ColorSwatch : public QLabel
{
    Q_OBJECT
public:
    explicit ColorSwatch(QWidget* parent = nullptr);

    ColorValue color() const { return color_; }
    void setColor(ColorValue color);

signals:
    void clicked();
    void doubleClicked();
    void rightReleased(const QPoint& globalPos);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    ColorValue color_ = kWhite;
    bool pressed_ = false;
};

// The QColor of a colour value.
QColor toQColor(ColorValue color);
ColorValue fromQColor(const QColor& color);

} // namespace prismara
