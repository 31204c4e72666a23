// screencapture.cpp - direct grab of every screen, with the desktop portal as the fallback.
#include "platform/screencapture.h"

#include "platform/portalscreenshot.h"

#include <QDBusConnection>
#include <QGuiApplication>
#include <qguiapplication_platform.h>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QWidget>

#include <cmath>
#include <cstdlib>
#include <memory>

#include <xcb/xcb.h>

namespace prismara {

namespace {
bool onWayland() { return QGuiApplication::platformName().startsWith(QLatin1String("wayland")); }

bool insideWaylandSession()
{
    return !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           qEnvironmentVariable("XDG_SESSION_TYPE") == QLatin1String("wayland");
}

int scaled(int logical, qreal ratio) { return static_cast<int>(std::lround(logical * ratio)); }

QList<ScreenGrab> grabEveryScreen()
{
    QList<ScreenGrab> grabs;
    for (QScreen* screen : QGuiApplication::screens())
        grabs.append({screen->grabWindow(0).toImage(), screen->geometry()});
    return grabs;
}
} // namespace

ScreenCapture ComposeScreenGrabs(const QList<ScreenGrab>& grabs)
{
    ScreenCapture result;
    QRect virtualRect;
    qreal ratio = 0;
    for (const ScreenGrab& grab : grabs) {
        virtualRect = virtualRect.united(grab.geometry);
        if (!grab.image.isNull() && grab.geometry.width() > 0)
            ratio = std::max(ratio, static_cast<qreal>(grab.image.width()) / grab.geometry.width());
    }
    if (ratio <= 0 || virtualRect.isEmpty()) {
        result.error = QStringLiteral("The screen could not be captured because the display returned no picture.");
        return result;
    }

    QImage canvas(scaled(virtualRect.width(), ratio), scaled(virtualRect.height(), ratio), QImage::Format_RGB32);
    canvas.fill(Qt::black);
    QPainter painter(&canvas);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    for (const ScreenGrab& grab : grabs) {
        if (grab.image.isNull())
            continue;
        const QPoint offset = grab.geometry.topLeft() - virtualRect.topLeft();
        const QRect target(scaled(offset.x(), ratio), scaled(offset.y(), ratio), scaled(grab.geometry.width(), ratio),
                           scaled(grab.geometry.height(), ratio));
        QImage picture = grab.image.convertToFormat(QImage::Format_RGB32);
        picture.setDevicePixelRatio(1.0);
        if (picture.size() != target.size())
            picture = picture.scaled(target.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
        painter.drawImage(target.topLeft(), picture);
    }
    painter.end();
    canvas.setDevicePixelRatio(ratio);
    result.image = canvas;
    result.geometry = virtualRect;
    return result;
}

bool IsBlankCapture(const QImage& image)
{
    if (image.isNull())
        return true;
    const QImage rgb = image.format() == QImage::Format_RGB32 ? image : image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            if ((line[x] & 0x00FFFFFFu) != 0)
                return false;
        }
    }
    return true;
}

QString PortalParentWindow(QWidget* parent)
{
    if (!parent || QGuiApplication::platformName() != QLatin1String("xcb"))
        return QString();
    return QStringLiteral("x11:%1").arg(static_cast<qulonglong>(parent->window()->winId()), 0, 16);
}

ScreenCapture ChooseCapture(bool waylandPlatform, bool waylandSession, const std::function<ScreenCapture()>& direct,
                            const std::function<ScreenCapture()>& portal)
{
    // A Wayland client cannot see the screen: the desktop takes the screenshot for us.
    if (waylandPlatform)
        return portal();
    ScreenCapture grabbed = direct();
    if (!IsBlankCapture(grabbed.image))
        return grabbed;
    // Nothing or only black came back. An X server inside a Wayland session (Xwayland) shows its
    // clients black: ask the portal. A plain X server's picture stands when the portal cannot
    // do better, so a screen that really is black can still be picked from.
    ScreenCapture asked = portal();
    if (!asked.image.isNull() || asked.cancelled || waylandSession || grabbed.image.isNull())
        return asked;
    return grabbed;
}

namespace {
// The bytes of the root window's property `name`; empty when it is not there.
QByteArray rootProperty(xcb_connection_t* connection, const xcb_screen_t* screen, const QByteArray& name)
{
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> atom(
        xcb_intern_atom_reply(connection,
                              xcb_intern_atom(connection, 1, static_cast<std::uint16_t>(name.size()), name.constData()),
                              nullptr),
        &std::free);
    if (!screen || !atom || atom->atom == XCB_ATOM_NONE)
        return {};
    // At most 16 MiB (the length counts 32-bit units); a profile is a few kilobytes.
    const std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> property(
        xcb_get_property_reply(connection,
                               xcb_get_property(connection, 0, screen->root, atom->atom, XCB_GET_PROPERTY_TYPE_ANY,
                                                0, 4u << 20),
                               nullptr),
        &std::free);
    if (!property || property->format != 8)
        return {};
    const int length = xcb_get_property_value_length(property.get());
    return QByteArray(static_cast<const char*>(xcb_get_property_value(property.get())), length);
}
} // namespace

std::vector<ScreenProfile> X11DisplayProfiles()
{
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return {};
    const xcb_screen_t* root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    std::vector<ScreenProfile> profiles;
    const QList<QScreen*> screens = QGuiApplication::screens();
    for (qsizetype i = 0; i < screens.size(); ++i) {
        const QByteArray name = i == 0 ? QByteArray("_ICC_PROFILE") : "_ICC_PROFILE_" + QByteArray::number(i);
        if (QByteArray icc = rootProperty(connection, root, name); !icc.isEmpty())
            profiles.push_back({screens[i]->geometry(), std::move(icc)});
    }
    return profiles;
}

ScreenCapture CaptureVirtualScreen(QWidget* parent)
{
    ScreenCapture capture = ChooseCapture(
        onWayland(), insideWaylandSession(), [] { return ComposeScreenGrabs(grabEveryScreen()); },
        [parent] {
            return PortalScreenshot::take(QDBusConnection::sessionBus(), PortalScreenshot::serviceName(),
                                          PortalParentWindow(parent));
        });
    if (!capture.image.isNull())
        capture.profiles = X11DisplayProfiles();
    return capture;
}

} // namespace prismara
