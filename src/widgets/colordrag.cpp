// colordrag.cpp - colour drags and drops, and palette files dropped on the window.
#include "widgets/colordrag.h"

#include "core/colour/colorparse.h"
#include "platform/qtconvert.h"
#include "widgets/colorhub.h"
#include "widgets/colorswatch.h"

#include <QApplication>
#include <QDrag>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QToolTip>
#include <QUrl>
#include <QWidget>

namespace prismara {

namespace {

// A text longer than this is no single colour (and is not read as one).
constexpr qsizetype kMaxColorText = 200;

constexpr QSize kPixmapSize(26, 18);
// The pixmap hangs below and right of the pointer, as desktop colour drags do.
constexpr QPoint kHotSpot(-6, -6);

ColorDragHook& dragHook()
{
    static ColorDragHook hook;
    return hook;
}

} // namespace

QMimeData* ColorMimeData(ColorValue color)
{
    auto* data = new QMimeData;
    data->setColorData(ToQColor(color));
    data->setText(ToQString(HtmlHex(color)));
    return data;
}

std::optional<ColorValue> ColorFromMimeData(const QMimeData* data)
{
    if (!data)
        return std::nullopt;
    if (data->hasColor()) {
        const QColor color = qvariant_cast<QColor>(data->colorData());
        if (color.isValid())
            return FromQColor(color.toRgb());
    }
    if (!data->hasText())
        return std::nullopt;
    const QString text = data->text().trimmed();
    if (text.isEmpty() || text.size() > kMaxColorText)
        return std::nullopt;
    const ColorParseResult parsed = ParseColorText(ToStdString(text));
    if (!parsed.ok())
        return std::nullopt;
    return parsed.color;
}

QStringList FilesFromMimeData(const QMimeData* data)
{
    QStringList files;
    if (!data || !data->hasUrls())
        return files;
    for (const QUrl& url : data->urls())
        if (url.isLocalFile())
            files << url.toLocalFile();
    return files;
}

QPixmap ColorDragPixmap(ColorValue color)
{
    QPixmap pixmap(kPixmapSize);
    pixmap.fill(ToQColor(color));
    QPainter painter(&pixmap);
    painter.setPen(QColor(64, 64, 64));
    painter.drawRect(pixmap.rect().adjusted(0, 0, -1, -1));
    painter.setPen(QColor(255, 255, 255, 160));
    painter.drawRect(pixmap.rect().adjusted(1, 1, -2, -2));
    return pixmap;
}

void SetColorDragHook(ColorDragHook hook) { dragHook() = std::move(hook); }

void StartColorDrag(QWidget* source, ColorValue color)
{
    QMimeData* data = ColorMimeData(color);
    const QPixmap pixmap = ColorDragPixmap(color);
    if (dragHook()) {
        dragHook()(source, *data, pixmap);
        delete data;
        return;
    }
    auto* drag = new QDrag(source);
    drag->setMimeData(data);
    drag->setPixmap(pixmap);
    drag->setHotSpot(kHotSpot);
    drag->exec(Qt::CopyAction, Qt::CopyAction);
}

void ColorDragGesture::press(const QMouseEvent& event)
{
    pressed_ = event.button() == Qt::LeftButton;
    origin_ = event.position().toPoint();
}

bool ColorDragGesture::moved(const QMouseEvent& event)
{
    if (!pressed_ || !(event.buttons() & Qt::LeftButton))
        return false;
    if ((event.position().toPoint() - origin_).manhattanLength() < QApplication::startDragDistance())
        return false;
    pressed_ = false;
    return true;
}

ColorDropTarget::ColorDropTarget(QWidget* widget, ColorHub& hub, Take take, Refusal refusal)
    : QObject(widget), widget_(widget), hub_(hub), take_(std::move(take)), refusal_(std::move(refusal))
{
    setObjectName(widget->objectName() + "Drop");
    widget->setAcceptDrops(true);
    widget->installEventFilter(this);
}

ColorDropTarget::Payload ColorDropTarget::payload(const QMimeData* data)
{
    Payload what;
    // A colour drag may name a file too (its text); the colour wins over files, files over a text.
    if (data->hasColor())
        what.color = ColorFromMimeData(data);
    if (!what.color)
        what.files = FilesFromMimeData(data);
    if (!what.color && what.files.isEmpty())
        what.color = ColorFromMimeData(data);
    return what;
}

bool ColorDropTarget::accepts(const Payload& what, QPoint pos, const QObject* source)
{
    if (!what.files.isEmpty())
        return true;
    if (!take_ || !what.color)
        return false;
    const QString reason = refusal_ ? refusal_(pos, source) : QString();
    if (reason.isEmpty()) {
        QToolTip::hideText();
        return true;
    }
    QToolTip::showText(widget_->mapToGlobal(pos), reason, widget_);
    return false;
}

bool ColorDropTarget::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != widget_)
        return false;
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* move = static_cast<QDragMoveEvent*>(event);
        if (accepts(payload(move->mimeData()), move->position().toPoint(), move->source())) {
            move->setDropAction(Qt::CopyAction);
            move->accept();
        } else {
            move->ignore();
        }
        return true;
    }
    case QEvent::DragLeave:
        QToolTip::hideText();
        return false;
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        const QPoint pos = drop->position().toPoint();
        const Payload what = payload(drop->mimeData());
        if (!accepts(what, pos, drop->source())) {
            drop->ignore();
            return true;
        }
        drop->setDropAction(Qt::CopyAction);
        drop->accept();
        if (what.color)
            take_(*what.color, pos);
        else
            hub_.importPaletteFiles(what.files);
        return true;
    }
    default:
        return false;
    }
}

} // namespace prismara
