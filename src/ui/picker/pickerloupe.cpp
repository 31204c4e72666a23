// pickerloupe.cpp - painting the enlarged pixels at the device pixels of the screen.
#include "ui/picker/pickerloupe.h"

#include "core/palette/pickerrules.h"
#include "platform/qtconvert.h"
#include "widgets/colorswatch.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace prismara {

namespace {
constexpr int kHalfSpan = kLoupeSpan / 2;
// Below the enlarged pixels: the taken colour as a patch and as hex text.
int stripHeight(const QWidget& w)
{
    return w.fontMetrics().height() + 8;
}
} // namespace

PickerLoupe::PickerLoupe(const QImage& picture, QWidget* parent)
    : QWidget(parent), picture_(picture), zoom_(kLoupeZoomDefault)
{
    setObjectName("picLoupe");
    setAttribute(Qt::WA_OpaquePaintEvent);
    // The pointer reads the picture through the loupe: a click on it takes the pixel under the
    // pointer, never a colour the loupe showed.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    fitSize();
}

void PickerLoupe::setZoom(int zoom)
{
    zoom_ = LoupeZoomAfter(zoom, 0);
    fitSize();
    update();
}

void PickerLoupe::fitSize()
{
    const qreal ratio = devicePixelRatioF();
    const int side = static_cast<int>(std::ceil(kLoupeSpan * zoom_ / ratio));
    const int strip = stripHeight(*this);
    const int text = fontMetrics().horizontalAdvance(QStringLiteral("#888888"));
    resize(std::max(side, strip + text + 12), side + strip);
}

void PickerLoupe::showAround(QPoint pixel, PixelRect area, ColorValue taken)
{
    if (pixel == centre_ && area == area_ && taken == taken_ && !hexText_.isEmpty())
        return;
    centre_ = pixel;
    area_ = area;
    taken_ = taken;
    hexText_ = ToQString(HtmlHex(taken));
    update();
}

QImage PickerLoupe::magnified() const
{
    const int side = kLoupeSpan * zoom_;
    QImage image(side, side, QImage::Format_RGB32);
    image.setDevicePixelRatio(devicePixelRatioF());
    const auto row = [&image](int y) { return reinterpret_cast<QRgb*>(image.scanLine(y)); };
    // Each pixel of the picture as zoom x zoom pixels; outside the picture black.
    for (int cy = 0; cy < kLoupeSpan; ++cy) {
        QRgb* line = row(cy * zoom_);
        for (int cx = 0; cx < kLoupeSpan; ++cx) {
            const QPoint at(centre_.x() - kHalfSpan + cx, centre_.y() - kHalfSpan + cy);
            const QRgb rgb = picture_.valid(at) ? picture_.pixel(at) : qRgb(0, 0, 0);
            std::fill_n(line + cx * zoom_, zoom_, rgb);
        }
        for (int y = 1; y < zoom_; ++y)
            std::copy_n(line, side, row(cy * zoom_ + y));
    }
    // The grid between the pixels: a grey of 96/255 over them.
    const auto grey = [](QRgb rgb) {
        const auto mix = [](int c) { return (c * 159 + 128 * 96 + 127) / 255; };
        return qRgb(mix(qRed(rgb)), mix(qGreen(rgb)), mix(qBlue(rgb)));
    };
    for (int i = 1; i < kLoupeSpan; ++i) {
        QRgb* line = row(i * zoom_);
        for (int x = 0; x < side; ++x)
            line[x] = grey(line[x]);
        for (int y = 0; y < side; ++y)
            row(y)[i * zoom_] = grey(row(y)[i * zoom_]);
    }
    // The sampled square or rectangle, clipped to the loupe: a black line outside a white one, so
    // that it shows on any colour.
    const QRect sampled(area_.left - (centre_.x() - kHalfSpan), area_.top - (centre_.y() - kHalfSpan), area_.width,
                        area_.height);
    const QRect outline(sampled.x() * zoom_, sampled.y() * zoom_, sampled.width() * zoom_, sampled.height() * zoom_);
    const auto frame = [&](QRect r, QRgb rgb) {
        const QRect clip = r & image.rect();
        if (clip.isEmpty())
            return;
        for (int x = clip.left(); x <= clip.right(); ++x) {
            if (r.top() >= 0)
                row(r.top())[x] = rgb;
            if (r.bottom() < side)
                row(r.bottom())[x] = rgb;
        }
        for (int y = clip.top(); y <= clip.bottom(); ++y) {
            if (r.left() >= 0)
                row(y)[r.left()] = rgb;
            if (r.right() < side)
                row(y)[r.right()] = rgb;
        }
    };
    if (!sampled.isEmpty()) {
        frame(outline.adjusted(-1, -1, 0, 0), qRgb(0, 0, 0));
        frame(outline.adjusted(0, 0, -1, -1), qRgb(255, 255, 255));
    }
    return image;
}

void PickerLoupe::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const int strip = stripHeight(*this);

    // The enlarged pixels, written into an image of device pixels and drawn unscaled: the painter
    // hands scaled or translucent fills of this size to a pool of threads, which costs more than
    // the drawing itself.
    p.fillRect(QRect(0, 0, width(), height() - strip), Qt::black);
    const QImage enlarged = magnified();
    p.drawImage(QPointF(0, 0), enlarged);

    // The strip: the colour a click takes, as a patch and as text.
    const int width = this->width();
    const int top = height() - strip;
    p.fillRect(QRect(0, top, width, strip), QColor(32, 32, 32));
    const QRect patch(4, top + 4, strip - 8, strip - 8);
    p.fillRect(patch, ToQColor(taken_));
    p.setPen(QColor(160, 160, 160));
    p.drawRect(patch.adjusted(0, 0, -1, -1));
    p.setPen(Qt::white);
    p.drawText(QRect(patch.right() + 6, top, width - patch.right() - 8, strip),
               Qt::AlignVCenter | Qt::AlignLeft, hexText_);
    p.setPen(QColor(96, 96, 96));
    p.setBrush(Qt::NoBrush);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace prismara
