// screencapture.cpp - direct grab of every screen.
#include "platform/screencapture.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QScreen>

namespace prismara {

ScreenCapture CaptureVirtualScreen(QWidget*)
{
    ScreenCapture result;
    const QList<QScreen*> screens = QGuiApplication::screens();
    if (screens.isEmpty()) {
        result.error = QStringLiteral("There is no screen to capture.");
        return result;
    }
    QRect virtualRect;
    for (QScreen* screen : screens)
        virtualRect = virtualRect.united(screen->geometry());
    const qreal ratio = QGuiApplication::primaryScreen()->devicePixelRatio();
    QImage image(virtualRect.size() * ratio, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    bool any = false;
    for (QScreen* screen : screens) {
        const QPixmap grab = screen->grabWindow(0);
        if (grab.isNull())
            continue;
        any = true;
        const QPoint at = (screen->geometry().topLeft() - virtualRect.topLeft()) * ratio;
        painter.drawImage(at, grab.toImage());
    }
    painter.end();
    if (!any) {
        result.error = QStringLiteral("The screen could not be captured.");
        return result;
    }
    image.setDevicePixelRatio(ratio);
    result.image = image;
    result.geometry = virtualRect;
    return result;
}

} // namespace prismara
