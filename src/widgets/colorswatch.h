// colorswatch.h - a label painted in one colour that reports clicks.
#pragma once

#include "core/colour/colorvalue.h"
#include "widgets/colordrag.h"

#include <QLabel>

class QHelpEvent;

namespace prismara {

class ColorSwatch : public QLabel
{
    Q_OBJECT
public:
    explicit ColorSwatch(QWidget* parent = nullptr);

    ColorValue color() const { return color_; }
    void setColor(ColorValue color);

    // Lets the primary button drag the colour out of the swatch (off by default).
    void setColorDragEnabled(bool enabled) { dragEnabled_ = enabled; }

signals:
    void clicked();
    void doubleClicked();
    void rightReleased(const QPoint& globalPos);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    ColorValue color_ = kWhite;
    bool pressed_ = false;
    bool dragEnabled_ = false;
    ColorDragGesture drag_;
};

// The tool tip of a colour: its HtmlHex, then on a second line its nearest colour name
// ("#6495ED\ncornflowerblue", "#3366CC\n≈ ...").
QString ColorToolTip(ColorValue color);

// Answers a tool-tip event of a widget made of colour cells: the tip is ColorToolTip of `color`,
// the colour of the cell under the pointer, and goes when the pointer leaves `cellArea`. `cell` is
// that cell's index, -1 when the pointer is over no cell (then no tip shows).
void ShowCellToolTip(QWidget& widget, QHelpEvent& help, int cell, ColorValue color, const QRect& cellArea);

// The QColor of a colour value.
QColor ToQColor(ColorValue color);
ColorValue FromQColor(const QColor& color);

} // namespace prismara
