// frmgetcolor.h - the borderless window that covers the screen with its frozen picture while
// colours are picked, and the colour square (shpshow) that follows the pointer.
#pragma once

#include "core/colour/colorvalue.h"
#include "platform/platform.h"

#include <QPixmap>
#include <QWidget>

namespace prismara {

class FrmGetColor : public QWidget
{
    Q_OBJECT
public:
    // `capture` is the frozen screen; primaryWidth the primary screen's width in pixels (the
    // square moves to the pointer's left near it).
    FrmGetColor(const ScreenCapture& capture, int primaryWidth, QWidget* parent = nullptr);

    // Covers the captured virtual screen and shows the window.
    void showOverScreen();

    // The colour of the pixel last under the pointer's hot spot; 0 until the pointer has moved.
    ColorValue pickedColor() const { return pickedColor_; }

    // The pixel of the frozen picture at a point of the window (logical pixels); -1 outside it.
    ColorValue pixelAt(const QPointF& position) const;

    QWidget* shpshow() const { return shpshow_; }
    void hideSquare();

    // The picker's pointer: a 32 x 32 two-colour eyedropper whose hot spot is at (11, 20).
    static QCursor pickCursor();

signals:
    // The pointer moved; pickedColor() is the colour now under it.
    void colorUnderPointer(ColorValue color);
    // A mouse button was released over the picture.
    void picked();
    // Esc was pressed.
    void stopRequested();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QImage image_;
    QPixmap picture_;
    QRect geometry_;
    int primaryWidth_;
    QWidget* shpshow_;
    ColorValue pickedColor_ = 0;
};

} // namespace prismara
