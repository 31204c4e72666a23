// schemesample.h - one sample control of a web-scheme mock-up (a label, a shape or a table frame).
#pragma once

#include "core/colour/colorvalue.h"
#include "ui/scheme/schemelayouts.h"
#include "widgets/colordrag.h"

#include <QColor>
#include <QLabel>

namespace prismara {

class DisplayFilter;

// A label whose BackColor, ForeColor and BorderColor are the sample's colours. Areas paint as a
// filled label with their caption; shapes paint a figure filled with the BackColor on the page;
// table frames paint border and cell lines in the BorderColor and let clicks through. Every colour
// is painted through the display filter (the colour-vision simulation) when there is one; the
// colour properties stay the sample's own colours.
class SchemeSample : public QLabel
{
    Q_OBJECT
    Q_PROPERTY(QColor BackColor READ backQColor)
    Q_PROPERTY(QColor ForeColor READ foreQColor)
    Q_PROPERTY(QColor BorderColor READ borderQColor)
public:
    SchemeSample(const SampleGeometry& geometry, const DisplayFilter* filter, QWidget* parent);

    // Shows the sample's colours and caption.
    void showLook(ColorValue backColor, ColorValue foreColor, ColorValue borderColor, const QString& caption);

    ColorValue backColor() const { return back_; }
    ColorValue foreColor() const { return fore_; }
    ColorValue borderColor() const { return border_; }
    SampleShape shape() const { return shape_; }

signals:
    // Any mouse button let go over the sample (after a press on it).
    void released(Qt::MouseButton button, const QPoint& globalPos);
    // An ordinary click: primary button pressed and let go over the sample.
    void clicked();
    // The primary button was pressed on the sample and moved away with it held: its colour is
    // to be dragged (no click follows).
    void dragRequested();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QColor backQColor() const;
    QColor foreQColor() const;
    QColor borderQColor() const;

    QColor painted(ColorValue color) const;

    SampleShape shape_;
    bool outlined_;
    const DisplayFilter* filter_;
    ColorValue back_ = kWhite;
    ColorValue fore_ = kBlack;
    ColorValue border_ = kBlack;
    bool primaryPressed_ = false;
    bool dragged_ = false; // the press became a drag: its release is no click
    ColorDragGesture drag_;
};

} // namespace prismara
