// frmgetcolor.cpp - the frozen screen, the pointer that reads it and the square that shows the
// colour under the pointer.
#include "ui/picker/frmgetcolor.h"

#include "widgets/colorswatch.h"
#include "core/palette/pickerrules.h"

#include <QBitmap>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPaintEvent>
#include <QScreen>

#include <cmath>

namespace prismara {

namespace {
constexpr QPoint kHotSpot(11, 20);

void drawEyedropper(QPainter& p, int widen)
{
    // Crosshair around the hot spot, with a gap so the picked pixel itself stays visible.
    p.setPen(QPen(Qt::color1, 1 + 2 * widen));
    const int x = kHotSpot.x();
    const int y = kHotSpot.y();
    p.drawLine(x, y - 10, x, y - 3);
    p.drawLine(x, y + 3, x, y + 10);
    p.drawLine(x - 10, y, x - 3, y);
    p.drawLine(x + 3, y, x + 8, y);
    // The dropper's glass tube, up and to the right of the hot spot, and its bulb.
    p.setPen(QPen(Qt::color1, 3 + 2 * widen, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(x + 4, y - 4, x + 14, y - 14);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::color1);
    p.drawEllipse(QPoint(x + 16, y - 16), 4 + widen, 4 + widen);
}
} // namespace

QCursor FrmGetColor::pickCursor()
{
    // Two colours: black lines (bitmap and mask set) inside a white outline (mask only).
    QBitmap lines(32, 32);
    QBitmap mask(32, 32);
    lines.fill(Qt::color0);
    mask.fill(Qt::color0);
    {
        QPainter p(&mask);
        drawEyedropper(p, 1);
    }
    {
        QPainter p(&lines);
        drawEyedropper(p, 0);
    }
    return QCursor(lines, mask, kHotSpot.x(), kHotSpot.y());
}

FrmGetColor::FrmGetColor(const ScreenCapture& capture, int primaryWidth, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), image_(capture.image), geometry_(capture.geometry),
      primaryWidth_(primaryWidth)
{
    setObjectName("frmGetColor");
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setMouseTracking(true);
    setCursor(pickCursor());
    if (image_.format() != QImage::Format_RGB32)
        image_ = image_.convertToFormat(QImage::Format_RGB32);
    picture_ = QPixmap::fromImage(image_);
    if (geometry_.isEmpty()) {
        const qreal ratio = image_.devicePixelRatio();
        geometry_ = QRect(QPoint(0, 0), (QSizeF(image_.size()) / ratio).toSize());
    }

    shpshow_ = new QWidget(this);
    shpshow_->setObjectName("shpshow");
    shpshow_->setAutoFillBackground(true);
    // The square only shows the colour: the pointer reads the picture through it, and a click on
    // it picks the pixel under the pointer, never the colour the square showed before.
    shpshow_->setAttribute(Qt::WA_TransparentForMouseEvents);
    shpshow_->resize(kShowSquareSize, kShowSquareSize);
    shpshow_->hide();
}

void FrmGetColor::showOverScreen()
{
    setGeometry(geometry_);
    // A window exactly covering the only screen is made full-screen, so that no panel of the
    // desktop stays above the picture.
    const QList<QScreen*> screens = QGuiApplication::screens();
    if (screens.size() == 1 && screens.front()->geometry() == geometry_)
        showFullScreen();
    else
        show();
}

ColorValue FrmGetColor::pixelAt(const QPointF& position) const
{
    const qreal ratio = image_.devicePixelRatio();
    const int x = static_cast<int>(std::floor(position.x() * ratio));
    const int y = static_cast<int>(std::floor(position.y() * ratio));
    if (!image_.valid(x, y))
        return -1;
    return FromQColor(QColor::fromRgb(image_.pixel(x, y)));
}

void FrmGetColor::hideSquare() { shpshow_->hide(); }

void FrmGetColor::paintEvent(QPaintEvent* event)
{
    // Only the exposed part is drawn: moving the square repaints just its old and new places.
    QPainter painter(this);
    const QRect area = event->rect();
    const qreal ratio = picture_.devicePixelRatio();
    const QRectF source(area.x() * ratio, area.y() * ratio, area.width() * ratio, area.height() * ratio);
    painter.fillRect(area, Qt::black);
    painter.drawPixmap(QRectF(area), picture_, source);
}

void FrmGetColor::mouseMoveEvent(QMouseEvent* event)
{
    const QPointF position = event->position();
    const SquarePosition at = ShowSquarePosition(static_cast<int>(std::floor(position.x())),
                                                 static_cast<int>(std::floor(position.y())), primaryWidth_);
    shpshow_->move(at.left, at.top);
    shpshow_->show();
    const ColorValue color = pixelAt(position);
    pickedColor_ = color < 0 ? 0 : color;
    QPalette pal = shpshow_->palette();
    pal.setColor(QPalette::Window, ToQColor(pickedColor_));
    shpshow_->setPalette(pal);
    emit colorUnderPointer(pickedColor_);
}

void FrmGetColor::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    emit picked();
}

void FrmGetColor::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        emit stopRequested();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace prismara
