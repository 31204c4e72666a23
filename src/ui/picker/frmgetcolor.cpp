// frmgetcolor.cpp - the frozen picture, the pointer and keys that read it, and the square and
// loupe that show what they read.
#include "ui/picker/frmgetcolor.h"

#include "core/palette/pickerrules.h"
#include "platform/settings.h"
#include "ui/picker/pickerloupe.h"
#include "widgets/colorswatch.h"

#include <QBitmap>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace prismara {

namespace {
constexpr QPoint kHotSpot(11, 20);
// The loupe keeps this many pixels between itself and the pointer.
constexpr int kLoupeGap = 16;
// The zoom of an opened image: 1/16 to 32 device pixels per picture pixel, doubling per step.
constexpr qreal kViewZoomMin = 1.0 / 16;
constexpr qreal kViewZoomMax = 32;

int floorToInt(qreal v)
{
    return static_cast<int>(std::floor(v));
}

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

FrmGetColor::FrmGetColor(const ScreenCapture& capture, int primaryWidth, Platform& platform, Source source,
                         QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), platform_(platform), source_(source),
      image_(capture.image), geometry_(capture.geometry), primaryWidth_(primaryWidth)
{
    setObjectName("frmGetColor");
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(pickCursor());
    if (image_.format() != QImage::Format_RGB32)
        image_ = image_.convertToFormat(QImage::Format_RGB32);
    if (source_ == Source::Image) {
        // An image is shown at the device pixels of the screen, from the top left corner.
        image_.setDevicePixelRatio(1);
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            geometry_ = screen->geometry();
        primaryWidth_ = geometry_.width();
        ratio_ = devicePixelRatioF();
    } else {
        ratio_ = image_.devicePixelRatio();
    }
    picture_ = QPixmap::fromImage(image_);
    if (geometry_.isEmpty())
        geometry_ = QRect(QPoint(0, 0), (QSizeF(image_.size()) / ratio_).toSize());

    shpshow_ = new QWidget(this);
    shpshow_->setObjectName("shpshow");
    shpshow_->setAutoFillBackground(true);
    // The square only shows the colour: the pointer reads the picture through it, and a click on
    // it picks the pixel under the pointer, never the colour the square showed before.
    shpshow_->setAttribute(Qt::WA_TransparentForMouseEvents);
    shpshow_->resize(kShowSquareSize, kShowSquareSize);
    shpshow_->hide();
    loupe_ = new PickerLoupe(image_, this);
    loupe_->setZoom(Settings(platform_).number(Setting::LoupeZoom).value_or(kLoupeZoomDefault));
    loupe_->hide();

    if (source_ == Source::Image) {
        hScroll_ = new QScrollBar(Qt::Horizontal, this);
        vScroll_ = new QScrollBar(Qt::Vertical, this);
        for (QScrollBar* bar : {hScroll_, vScroll_}) {
            bar->setCursor(Qt::ArrowCursor);
            bar->hide();
            connect(bar, &QScrollBar::valueChanged, this, qOverload<>(&QWidget::update));
        }
    }
}

FrmGetColor::~FrmGetColor()
{
    // The zoom the loupe was left at is the next picker's.
    Settings(platform_).setNumber(Setting::LoupeZoom, loupe_->zoom());
}

void FrmGetColor::showOverScreen()
{
    setGeometry(geometry_);
    // A window exactly covering the only screen is made full-screen, so that no panel of the
    // desktop stays above the picture.
    const QList<QScreen*> screens = QGuiApplication::screens();
    if (source_ == Source::Image || (screens.size() == 1 && screens.front()->geometry() == geometry_))
        showFullScreen();
    else
        show();
    activateWindow();
    setFocus();
}

QPoint FrmGetColor::pixelOf(QPointF position) const
{
    const qreal sx = hScroll_ ? hScroll_->value() : 0;
    const qreal sy = vScroll_ ? vScroll_->value() : 0;
    return {floorToInt((position.x() * ratio_ + sx) / zoom_),
            floorToInt((position.y() * ratio_ + sy) / zoom_)};
}

QPointF FrmGetColor::positionOf(QPoint pixel) const
{
    const qreal sx = hScroll_ ? hScroll_->value() : 0;
    const qreal sy = vScroll_ ? vScroll_->value() : 0;
    return {((pixel.x() + 0.5) * zoom_ - sx) / ratio_, ((pixel.y() + 0.5) * zoom_ - sy) / ratio_};
}

ColorValue FrmGetColor::pixelAt(const QPointF& position) const
{
    const QPoint pixel = pixelOf(position);
    if (!image_.valid(pixel))
        return -1;
    return FromQColor(QColor::fromRgb(image_.pixel(pixel)));
}

PixelView FrmGetColor::pictureView() const
{
    return {reinterpret_cast<const std::uint32_t*>(image_.constBits()), image_.width(), image_.height(),
            static_cast<int>(image_.bytesPerLine() / 4)};
}

PixelRect FrmGetColor::sampledArea() const
{
    if (dragged_)
        return *dragged_;
    const QPoint at = sample_.value_or(QPoint(-1, -1));
    return SampleSquare(at.x(), at.y(), sampleSize_);
}

void FrmGetColor::setSampleSize(int size)
{
    sampleSize_ = ValidSampleSize(size);
    if (sample_)
        sampleAt(*sample_);
}

void FrmGetColor::hideSquare()
{
    shpshow_->hide();
    loupe_->hide();
}

std::optional<QPoint> FrmGetColor::sampledScreenPoint() const
{
    if (!sample_ || source_ != Source::Screen)
        return std::nullopt;
    const QPointF centre = positionOf(*sample_);
    return mapToGlobal(QPoint(floorToInt(centre.x()), floorToInt(centre.y())));
}

void FrmGetColor::sampleAt(QPoint pixel)
{
    sample_ = pixel;
    const ColorValue color = LinearAverage(pictureView(), sampledArea());
    pickedColor_ = color < 0 ? 0 : color;
    QPalette pal = shpshow_->palette();
    pal.setColor(QPalette::Window, ToQColor(pickedColor_));
    shpshow_->setPalette(pal);
    loupe_->showAround(pixel, sampledArea(), takenRule_ ? takenRule_(pickedColor_) : pickedColor_);
    emit colorUnderPointer(pickedColor_);
}

void FrmGetColor::placeOverlays(QPointF position)
{
    const int x = floorToInt(position.x());
    const int y = floorToInt(position.y());
    const SquarePosition at = ShowSquarePosition(x, y, primaryWidth_);
    shpshow_->move(at.left, at.top);
    shpshow_->show();
    // The loupe flips at the edges of the screen under the pointer, not of the whole desktop.
    QRect bounds = rect();
    // The window's own place, not mapToGlobal: on X11 that asks the server, once for every move.
    const QPoint origin = geometry().topLeft();
    if (const QScreen* screen = QGuiApplication::screenAt(origin + QPoint(x, y)))
        bounds &= screen->geometry().translated(-origin);
    const PixelRect place = LoupePosition(x, y, loupe_->width(), loupe_->height(), kLoupeGap,
                                          {bounds.x(), bounds.y(), bounds.width(), bounds.height()},
                                          {at.left, at.top, kShowSquareSize, kShowSquareSize});
    loupe_->move(place.left, place.top);
    loupe_->show();
}

void FrmGetColor::paintEvent(QPaintEvent* event)
{
    // Only the exposed part is drawn: moving the square and the loupe repaints just their old
    // places.
    QPainter painter(this);
    const QRect area = event->rect();
    painter.fillRect(area, Qt::black);
    const qreal sx = hScroll_ ? hScroll_->value() : 0;
    const qreal sy = vScroll_ ? vScroll_->value() : 0;
    const QPoint first = pixelOf(area.topLeft());
    const QPoint last(static_cast<int>(std::ceil(((area.right() + 1) * ratio_ + sx) / zoom_)),
                      static_cast<int>(std::ceil(((area.bottom() + 1) * ratio_ + sy) / zoom_)));
    const QRect source = QRect(first, last - QPoint(1, 1)) & image_.rect();
    if (!source.isEmpty()) {
        const QRectF target((source.x() * zoom_ - sx) / ratio_, (source.y() * zoom_ - sy) / ratio_,
                            source.width() * zoom_ / ratio_, source.height() * zoom_ / ratio_);
        painter.drawPixmap(target, picture_, QRectF(source));
    }
    if (dragged_) {
        // The dragged rectangle: a white line under a black dashed one shows on any picture.
        const QPointF from =
            positionOf({dragged_->left, dragged_->top}) - QPointF(zoom_, zoom_) / (2 * ratio_);
        const QPointF to = positionOf({dragged_->left + dragged_->width, dragged_->top + dragged_->height}) -
                           QPointF(zoom_, zoom_) / (2 * ratio_);
        const QRectF band(from, to);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(Qt::white, 1));
        painter.drawRect(band);
        painter.setPen(QPen(Qt::black, 1, Qt::DashLine));
        painter.drawRect(band);
    }
}

void FrmGetColor::mouseMoveEvent(QMouseEvent* event)
{
    const QPointF position = event->position();
    if (movedTo_) {
        // The desktop reports the pointer a key moved in whole logical pixels: on a scaled screen
        // that is up to a device pixel off the one the key chose, which stays sampled.
        const QPointF off = event->globalPosition() - *movedTo_;
        if (std::abs(off.x()) <= 1 && std::abs(off.y()) <= 1 && event->buttons() == Qt::NoButton)
            return;
        movedTo_.reset();
    }
    const QPoint pixel = pixelOf(position);
    if (dragFrom_ && (event->buttons() & Qt::LeftButton) && (dragged_ || pixel != *dragFrom_)) {
        dragged_ = SpannedRect(dragFrom_->x(), dragFrom_->y(), pixel.x(), pixel.y());
        update();
    }
    sampleAt(pixel);
    placeOverlays(position);
}

void FrmGetColor::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        dragFrom_ = pixelOf(event->position());
    event->accept();
}

void FrmGetColor::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    emit picked();
    dragFrom_.reset();
    if (dragged_) {
        dragged_.reset();
        update();
        if (sample_)
            sampleAt(*sample_);
    }
}

void FrmGetColor::nudge(int dx, int dy)
{
    QPoint from = sample_.value_or(pixelOf(mapFromGlobal(QCursor::pos())));
    const QPoint to(std::clamp(from.x() + dx, 0, std::max(0, image_.width() - 1)),
                    std::clamp(from.y() + dy, 0, std::max(0, image_.height() - 1)));
    scrollToShow(to);
    sampleAt(to);
    const QPointF position = positionOf(to);
    placeOverlays(position);
    platform_.movePointer(this, position);
    movedTo_ = position + geometry().topLeft();
}

void FrmGetColor::keyPressEvent(QKeyEvent* event)
{
    const int step = event->modifiers() & Qt::ShiftModifier ? 10 : 1;
    switch (event->key()) {
    case Qt::Key_Escape:
        emit stopRequested();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        emit picked();
        return;
    case Qt::Key_Left:
        return nudge(-step, 0);
    case Qt::Key_Right:
        return nudge(step, 0);
    case Qt::Key_Up:
        return nudge(0, -step);
    case Qt::Key_Down:
        return nudge(0, step);
    case Qt::Key_Plus:
    case Qt::Key_Equal:
    case Qt::Key_Minus:
        if (source_ == Source::Image)
            zoomView(event->key() == Qt::Key_Minus ? -1 : 1,
                     sample_ ? positionOf(*sample_) : QPointF(rect().center()));
        return;
    default:
        break;
    }
    const int index = event->key() - Qt::Key_1;
    if (index >= 0 && index < static_cast<int>(std::size(kSampleSizes))) {
        setSampleSize(kSampleSizes[index]);
        emit sampleSizeKeyed(sampleSize_);
        return;
    }
    QWidget::keyPressEvent(event);
}

void FrmGetColor::wheelEvent(QWheelEvent* event)
{
    event->accept();
    const Qt::KeyboardModifiers mods = event->modifiers();
    const QPoint delta = event->angleDelta();
    if (source_ == Source::Image && (mods & (Qt::ShiftModifier | Qt::AltModifier))) {
        // Shift or Alt and the wheel scroll an opened image; with Shift across.
        QScrollBar* bar = (mods & Qt::ShiftModifier) ? hScroll_ : vScroll_;
        const int amount = delta.y() != 0 ? delta.y() : delta.x();
        bar->setValue(bar->value() - amount * bar->pageStep() / 480);
        return;
    }
    // Whole notches of 120 eighths of a degree; a fine-grained wheel adds up its steps.
    wheelEighths_ += delta.y();
    const int notches = wheelEighths_ / 120;
    wheelEighths_ -= notches * 120;
    if (notches == 0)
        return;
    if (source_ == Source::Image && (mods & Qt::ControlModifier)) {
        zoomView(notches, event->position());
        return;
    }
    loupe_->setZoom(LoupeZoomAfter(loupe_->zoom(), notches));
    if (sample_ && loupe_->isVisible())
        placeOverlays(event->position());
}

void FrmGetColor::zoomView(int notches, QPointF around)
{
    const qreal zoom = std::clamp(zoom_ * std::pow(2.0, notches), kViewZoomMin, kViewZoomMax);
    if (zoom == zoom_)
        return;
    // The picture point under `around` stays there.
    const qreal fx = (around.x() * ratio_ + hScroll_->value()) / zoom_;
    const qreal fy = (around.y() * ratio_ + vScroll_->value()) / zoom_;
    zoom_ = zoom;
    updateScrollBars();
    hScroll_->setValue(static_cast<int>(std::lround(fx * zoom_ - around.x() * ratio_)));
    vScroll_->setValue(static_cast<int>(std::lround(fy * zoom_ - around.y() * ratio_)));
    update();
    if (sample_)
        placeOverlays(positionOf(*sample_));
}

void FrmGetColor::updateScrollBars()
{
    if (source_ != Source::Image)
        return;
    const int thickness = hScroll_->sizeHint().height();
    const auto fit = [](QScrollBar* bar, qreal content, qreal view) {
        const int extra = static_cast<int>(std::ceil(content - view));
        bar->setRange(0, std::max(0, extra));
        bar->setPageStep(std::max(1, static_cast<int>(view)));
        bar->setSingleStep(std::max(1, static_cast<int>(view / 20)));
        bar->setVisible(extra > 0);
    };
    fit(hScroll_, image_.width() * zoom_, width() * ratio_);
    fit(vScroll_, image_.height() * zoom_, height() * ratio_);
    hScroll_->setGeometry(0, height() - thickness, width() - (vScroll_->isVisible() ? thickness : 0),
                          thickness);
    vScroll_->setGeometry(width() - thickness, 0, thickness,
                          height() - (hScroll_->isVisible() ? thickness : 0));
}

void FrmGetColor::scrollToShow(QPoint pixel)
{
    if (source_ != Source::Image)
        return;
    const auto bring = [](QScrollBar* bar, qreal at, qreal view) {
        if (at < bar->value() || at >= bar->value() + view)
            bar->setValue(static_cast<int>(at - view / 2));
    };
    bring(hScroll_, (pixel.x() + 0.5) * zoom_, width() * ratio_);
    bring(vScroll_, (pixel.y() + 0.5) * zoom_, height() * ratio_);
}

void FrmGetColor::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (source_ == Source::Image) {
        ratio_ = devicePixelRatioF();
        updateScrollBars();
    }
}

} // namespace prismara
