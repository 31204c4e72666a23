// pickerloupe.h - the magnifier that follows the pointer over the frozen picture: the pixels
// around the sampled one enlarged on a grid, the sampled square (or dragged rectangle) outlined,
// and the hex text of the colour a click takes.
#pragma once

#include "core/colour/colorvalue.h"
#include "core/colour/pixelaverage.h"

#include <QImage>
#include <QWidget>

namespace prismara {

class PickerLoupe : public QWidget
{
    Q_OBJECT
public:
    // `picture` must outlive the loupe.
    PickerLoupe(const QImage& picture, QWidget* parent);

    // Shows the picture around `pixel` (a pixel of the picture), outlines `area` and names `taken`.
    void showAround(QPoint pixel, PixelRect area, ColorValue taken);

    // Device pixels per picture pixel (kLoupeZoomMin..kLoupeZoomMax); the loupe resizes with it.
    int zoom() const { return zoom_; }
    void setZoom(int zoom);

    QPoint centre() const { return centre_; }
    QString hexText() const { return hexText_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void fitSize();
    // The enlarged pixels with their grid and outline, at device pixels.
    QImage magnified() const;

    const QImage& picture_;
    QPoint centre_;
    PixelRect area_;
    ColorValue taken_ = 0;
    QString hexText_;
    int zoom_;
};

} // namespace prismara
