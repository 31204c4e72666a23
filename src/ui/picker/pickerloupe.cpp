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

void PickerLoupe::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const qreal ratio = devicePixelRatioF();
    const int side = kLoupeSpan * zoom_; // in device pixels
    const int strip = stripHeight(*this);

    // The enlarged pixels, drawn in device pixels so that each is exactly zoom x zoom of them;
    // outside the picture stays black.
    p.save();
    p.fillRect(QRect(0, 0, width(), height() - strip), Qt::black);
    p.scale(1 / ratio, 1 / ratio);
    const QRect around(centre_.x() - kHalfSpan, centre_.y() - kHalfSpan, kLoupeSpan, kLoupeSpan);
    const QRect shown = around & picture_.rect();
    if (!shown.isEmpty()) {
        const QRect target((shown.x() - around.x()) * zoom_, (shown.y() - around.y()) * zoom_,
                           shown.width() * zoom_, shown.height() * zoom_);
        p.drawImage(target, picture_, shown);
    }
    // The grid between the pixels: filled one-pixel rectangles, which the painter blends far faster
    // than translucent lines.
    const QColor grid(128, 128, 128, 96);
    for (int i = 1; i < kLoupeSpan; ++i) {
        p.fillRect(QRect(i * zoom_, 0, 1, side), grid);
        p.fillRect(QRect(0, i * zoom_, side, 1), grid);
    }
    // The sampled square or rectangle, clipped to the loupe: black outside, white inside, so that
    // it shows on any colour.
    const QRect sampled = QRect(area_.left - around.x(), area_.top - around.y(), area_.width, area_.height) &
                          QRect(-1, -1, kLoupeSpan + 2, kLoupeSpan + 2);
    if (!sampled.isEmpty()) {
        const QRect outline(sampled.x() * zoom_, sampled.y() * zoom_, sampled.width() * zoom_,
                            sampled.height() * zoom_);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(Qt::black, 1));
        p.drawRect(outline.adjusted(-1, -1, 0, 0));
        p.setPen(QPen(Qt::white, 1));
        p.drawRect(outline.adjusted(0, 0, -1, -1));
    }
    p.restore();

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
