// frmgetcolor.h - the borderless window that covers the screen with its frozen picture while
// colours are picked, the colour square (shpshow) and the loupe that follow the pointer, and the
// keys that move the sampled pixel, choose the sampled square and take the colour.
#pragma once

#include "core/colour/colorvalue.h"
#include "core/colour/pixelaverage.h"
#include "platform/platform.h"

#include <QPixmap>
#include <QWidget>

#include <functional>
#include <optional>

class QScrollBar;

namespace prismara {

class PickerLoupe;

class FrmGetColor : public QWidget
{
    Q_OBJECT
public:
    // What the frozen picture is: the whole screen, shown pixel for pixel where it was; or an
    // opened image, shown from the top left corner, scrolled and zoomed when larger than the screen.
    enum class Source { Screen, Image };

    // `capture` is the frozen picture; primaryWidth the primary screen's width in pixels (the
    // square moves to the pointer's left near it). The platform moves the pointer for the keys.
    FrmGetColor(const ScreenCapture& capture, int primaryWidth, Platform& platform,
                Source source = Source::Screen, QWidget* parent = nullptr);
    ~FrmGetColor() override;

    // Covers the captured virtual screen (an image: the primary screen) and shows the window.
    void showOverScreen();

    // The colour a click takes: the average of the sampled square around the sampled pixel, or of
    // the dragged rectangle; 0 until the pointer has moved.
    ColorValue pickedColor() const { return pickedColor_; }

    // The pixel of the frozen picture at a point of the window (logical pixels); -1 outside it.
    ColorValue pixelAt(const QPointF& position) const;

    // The sampled pixel of the picture (device pixels of the screen); nullopt before any move.
    std::optional<QPoint> sampledPixel() const { return sample_; }
    // Where on the virtual screen (logical pixels) the sampled pixel lies; nullopt before the first
    // sample and for an opened image, which lies on no screen.
    std::optional<QPoint> sampledScreenPoint() const;
    // The area whose average a click takes.
    PixelRect sampledArea() const;

    // The side of the sampled square: 1, 3, 5 or 9 pixels.
    int sampleSize() const { return sampleSize_; }
    void setSampleSize(int size);

    // Device pixels per picture pixel (1 for the screen; an opened image zooms with Ctrl and the wheel).
    qreal viewZoom() const { return zoom_; }

    // What a click finally takes of a sampled colour (e.g. the display's colour converted to sRGB);
    // the loupe names that. Without one, the sampled colour itself.
    void setTakenColorRule(std::function<ColorValue(ColorValue)> rule) { takenRule_ = std::move(rule); }

    QWidget* shpshow() const { return shpshow_; }
    PickerLoupe* loupe() const { return loupe_; }
    void hideSquare();

    // The picker's pointer: a 32 x 32 two-colour eyedropper whose hot spot is at (11, 20).
    static QCursor pickCursor();

signals:
    // The sampled pixel or area changed; pickedColor() is the colour a click now takes.
    void colorUnderPointer(ColorValue color);
    // A mouse button was released over the picture, or Enter or Space was pressed.
    void picked();
    // Esc was pressed.
    void stopRequested();
    // One of the keys 1 to 4 chose the sampled square of this size.
    void sampleSizeKeyed(int size);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // The picture pixel under a window position, and the window position of a pixel's centre.
    QPoint pixelOf(QPointF position) const;
    QPointF positionOf(QPoint pixel) const;
    // Samples `pixel`: the colour taken, the square, the loupe and the tool window follow.
    void sampleAt(QPoint pixel);
    void placeOverlays(QPointF position);
    void nudge(int dx, int dy);
    void zoomView(int notches, QPointF around);
    void scrollToShow(QPoint pixel);
    void updateScrollBars();
    PixelView pictureView() const;

    Platform& platform_;
    Source source_;
    QImage image_;
    QPixmap picture_;
    QRect geometry_;
    int primaryWidth_;
    QWidget* shpshow_;
    PickerLoupe* loupe_;
    std::function<ColorValue(ColorValue)> takenRule_;
    QScrollBar* hScroll_ = nullptr;
    QScrollBar* vScroll_ = nullptr;
    ColorValue pickedColor_ = 0;
    std::optional<QPoint> sample_;
    std::optional<QPoint> dragFrom_;   // the pixel a button went down on
    std::optional<PixelRect> dragged_; // the rectangle dragged from there
    std::optional<QPointF> movedTo_;   // where a key put the pointer (global logical pixels)
    int sampleSize_ = 1;
    int wheelEighths_ = 0;
    qreal ratio_ = 1; // device pixels per logical pixel of the window
    qreal zoom_ = 1;  // device pixels per picture pixel
};

} // namespace prismara
