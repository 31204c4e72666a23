// portalscreenshot.cpp - the portal's Screenshot request: subscribe to the answer, ask, wait.
#include "platform/portalscreenshot.h"

#include "platform/frmportalwait.h"

#include <QCoreApplication>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QEventLoop>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QScreen>
#include <QTimer>
#include <QUrl>

#include <atomic>

namespace prismara {

namespace {
const QString kDesktopPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kScreenshotInterface = QStringLiteral("org.freedesktop.portal.Screenshot");
const QString kRequestInterface = QStringLiteral("org.freedesktop.portal.Request");

ScreenCapture failure(const QString& sentence)
{
    ScreenCapture result;
    result.error = sentence;
    return result;
}

// The portal's picture covers the whole virtual screen at its own pixels: the ratio of its width
// to the virtual screen's maps pointer positions to its pixels.
void fitToVirtualScreen(ScreenCapture& capture)
{
    QRect virtualRect;
    for (QScreen* screen : QGuiApplication::screens())
        virtualRect = virtualRect.united(screen->geometry());
    if (virtualRect.isEmpty())
        virtualRect = QRect(QPoint(0, 0), capture.image.size());
    const qreal ratio = static_cast<qreal>(capture.image.width()) / virtualRect.width();
    capture.image.setDevicePixelRatio(ratio > 0 ? ratio : 1.0);
    capture.geometry = virtualRect;
}
} // namespace

QString PortalScreenshot::serviceName()
{
    const QString custom = qEnvironmentVariable("PRISMARA_PORTAL_SERVICE");
    return custom.isEmpty() ? QStringLiteral("org.freedesktop.portal.Desktop") : custom;
}

QString PortalScreenshot::requestPath(const QString& uniqueName, const QString& token)
{
    QString sender = uniqueName;
    if (sender.startsWith(':'))
        sender.remove(0, 1);
    sender.replace('.', '_');
    return kDesktopPath + "/request/" + sender + "/" + token;
}

void PortalScreenshot::onResponse(uint response, const QVariantMap& results)
{
    answered_ = true;
    response_ = response;
    results_ = results;
    finish();
}

void PortalScreenshot::finish()
{
    if (loop_)
        loop_->quit();
}

ScreenCapture PortalScreenshot::take(const QDBusConnection& busIn, const QString& service,
                                     const QString& parentWindow, int timeoutMs)
{
    QDBusConnection bus = busIn;
    if (!bus.isConnected())
        return failure(QStringLiteral("The screen could not be captured because no desktop session bus is "
                                      "available to reach the screenshot portal."));

    static std::atomic<int> requests{0};
    const QString token = QStringLiteral("prismara%1_%2").arg(QCoreApplication::applicationPid()).arg(++requests);
    QString requestObject = requestPath(bus.baseService(), token);

    PortalScreenshot waiter;
    QEventLoop loop;
    waiter.loop_ = &loop;
    // Subscribe before asking: the answer may arrive before the call's own reply.
    auto subscribe = [&](const QString& path, bool on) {
        if (on)
            return bus.connect(service, path, kRequestInterface, QStringLiteral("Response"), &waiter,
                               SLOT(onResponse(uint, QVariantMap)));
        return bus.disconnect(service, path, kRequestInterface, QStringLiteral("Response"), &waiter,
                              SLOT(onResponse(uint, QVariantMap)));
    };
    subscribe(requestObject, true);

    QDBusMessage call = QDBusMessage::createMethodCall(service, kDesktopPath, kScreenshotInterface,
                                                       QStringLiteral("Screenshot"));
    QVariantMap options;
    options.insert(QStringLiteral("handle_token"), token);
    options.insert(QStringLiteral("interactive"), false);
    call << parentWindow << options;

    QString callError;
    QDBusPendingCallWatcher watcher(bus.asyncCall(call, timeoutMs));
    QObject::connect(&watcher, &QDBusPendingCallWatcher::finished, &waiter, [&](QDBusPendingCallWatcher* w) {
        const QDBusPendingReply<QDBusObjectPath> reply = *w;
        if (reply.isError()) {
            callError = reply.error().message();
            loop.quit();
            return;
        }
        // An older portal may answer on a Request object of its own choosing.
        const QString handle = reply.value().path();
        if (!waiter.answered_ && !handle.isEmpty() && handle != requestObject) {
            subscribe(requestObject, false);
            requestObject = handle;
            subscribe(requestObject, true);
        }
    });
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
    limit.start(timeoutMs);
    // A wait that lasts is shown, with a way out.
    FrmPortalWait wait;
    bool cancelled = false;
    QObject::connect(&wait, &QDialog::rejected, &loop, [&] {
        cancelled = true;
        loop.quit();
    });
    QTimer showWait;
    showWait.setSingleShot(true);
    QObject::connect(&showWait, &QTimer::timeout, &wait, [&wait] {
        wait.show();
        wait.activateWindow();
    });
    showWait.start(FrmPortalWait::kShowDelayMs);
    if (!waiter.answered_)
        loop.exec();
    wait.hide();
    waiter.loop_ = nullptr;
    subscribe(requestObject, false);

    if (cancelled && !waiter.answered_) {
        ScreenCapture result = failure(QStringLiteral("The screen capture was cancelled."));
        result.cancelled = true;
        return result;
    }

    if (!waiter.answered_) {
        if (!callError.isEmpty())
            return failure(QStringLiteral("The screen could not be captured because the desktop screenshot portal is "
                                          "not available (%1).")
                               .arg(callError));
        return failure(QStringLiteral("The screen could not be captured because the desktop screenshot portal did "
                                      "not answer within %1 seconds.")
                           .arg((timeoutMs + 999) / 1000));
    }
    if (waiter.response_ == 1)
        return failure(QStringLiteral("The screen could not be captured because the desktop refused or cancelled "
                                      "the screenshot."));
    if (waiter.response_ != 0)
        return failure(QStringLiteral("The screen could not be captured because the desktop screenshot portal "
                                      "reported a failure."));

    const QUrl uri(waiter.results_.value(QStringLiteral("uri")).toString());
    const QString file = uri.isLocalFile() ? uri.toLocalFile() : QString();
    ScreenCapture result;
    if (!file.isEmpty()) {
        result.image = QImage(file);
        // The portal leaves the file for the caller; the picture is all the picker keeps.
        QFile::remove(file);
    }
    if (result.image.isNull())
        return failure(QStringLiteral("The screen could not be captured because the screenshot from the desktop "
                                      "portal could not be read."));
    if (result.image.format() != QImage::Format_RGB32)
        result.image = result.image.convertToFormat(QImage::Format_RGB32);
    fitToVirtualScreen(result);
    return result;
}

} // namespace prismara
