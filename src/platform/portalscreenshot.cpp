// portalscreenshot.cpp - the portal's Screenshot request: subscribe to the answer, ask, wait.
#include "platform/portalscreenshot.h"

#include "platform/frmportalwait.h"
#include "core/colour/unitcolor.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusVariant>
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

PortalScreenshot::Answer PortalScreenshot::request(QDBusConnection bus, const QString& service, const QString& method,
                                                   const QString& parentWindow, QVariantMap options, int timeoutMs,
                                                   bool withWaitWindow)
{
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

    QDBusMessage call = QDBusMessage::createMethodCall(service, kDesktopPath, kScreenshotInterface, method);
    options.insert(QStringLiteral("handle_token"), token);
    call << parentWindow << options;

    Answer answer;
    QDBusPendingCallWatcher watcher(bus.asyncCall(call, timeoutMs));
    QObject::connect(&watcher, &QDBusPendingCallWatcher::finished, &waiter, [&](QDBusPendingCallWatcher* w) {
        const QDBusPendingReply<QDBusObjectPath> reply = *w;
        if (reply.isError()) {
            answer.callError = reply.error().message();
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
    QObject::connect(&wait, &QDialog::rejected, &loop, [&] {
        answer.cancelled = true;
        loop.quit();
    });
    QTimer showWait;
    showWait.setSingleShot(true);
    QObject::connect(&showWait, &QTimer::timeout, &wait, [&wait] {
        wait.show();
        wait.activateWindow();
    });
    if (withWaitWindow)
        showWait.start(FrmPortalWait::kShowDelayMs);
    if (!waiter.answered_)
        loop.exec();
    wait.hide();
    waiter.loop_ = nullptr;
    subscribe(requestObject, false);
    answer.answered = waiter.answered_;
    answer.response = waiter.response_;
    answer.results = waiter.results_;
    return answer;
}

ScreenCapture PortalScreenshot::take(const QDBusConnection& bus, const QString& service,
                                     const QString& parentWindow, int timeoutMs)
{
    if (!bus.isConnected())
        return failure(QStringLiteral("The screen could not be captured because no desktop session bus is "
                                      "available to reach the screenshot portal."));
    QVariantMap options;
    options.insert(QStringLiteral("interactive"), false);
    const Answer waiter = request(bus, service, QStringLiteral("Screenshot"), parentWindow, options, timeoutMs, true);
    const QString& callError = waiter.callError;
    const bool cancelled = waiter.cancelled;

    if (cancelled && !waiter.answered) {
        ScreenCapture result = failure(QStringLiteral("The screen capture was cancelled."));
        result.cancelled = true;
        return result;
    }

    if (!waiter.answered) {
        if (!callError.isEmpty())
            return failure(QStringLiteral("The screen could not be captured because the desktop screenshot portal is "
                                          "not available (%1).")
                               .arg(callError));
        return failure(QStringLiteral("The screen could not be captured because the desktop screenshot portal did "
                                      "not answer within %1 seconds.")
                           .arg((timeoutMs + 999) / 1000));
    }
    if (waiter.response == 1)
        return failure(QStringLiteral("The screen could not be captured because the desktop refused or cancelled "
                                      "the screenshot."));
    if (waiter.response != 0)
        return failure(QStringLiteral("The screen could not be captured because the desktop screenshot portal "
                                      "reported a failure."));

    const QUrl uri(waiter.results.value(QStringLiteral("uri")).toString());
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

uint PortalScreenshot::version(const QDBusConnection& bus, const QString& service)
{
    QDBusMessage get = QDBusMessage::createMethodCall(
        service, kDesktopPath, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    get << kScreenshotInterface << QStringLiteral("version");
    // Window events keep running while the portal answers (it may live in this very process).
    QDBusPendingCallWatcher watcher(QDBusConnection(bus).asyncCall(get, kVersionTimeoutMs));
    if (!watcher.isFinished()) {
        QEventLoop loop;
        QObject::connect(&watcher, &QDBusPendingCallWatcher::finished, &loop, &QEventLoop::quit);
        loop.exec();
    }
    const QDBusPendingReply<QDBusVariant> reply = watcher;
    return reply.isError() ? 0 : reply.value().variant().toUInt();
}

DesktopColorPick PortalScreenshot::pickColor(const QDBusConnection& bus, const QString& service,
                                             const QString& parentWindow, int timeoutMs)
{
    DesktopColorPick result;
    // PickColor came with version 2 of the interface.
    if (!bus.isConnected() || version(bus, service) < 2)
        return result;
    result.offered = true;
    const Answer answer = request(bus, service, QStringLiteral("PickColor"), parentWindow, {}, timeoutMs, false);
    if (!answer.answered) {
        result.error =
            answer.callError.isEmpty()
                ? QStringLiteral("The desktop's colour picker did not answer within %1 seconds.")
                      .arg((timeoutMs + 999) / 1000)
                : QStringLiteral("The desktop's colour picker could not be used (%1).").arg(answer.callError);
        return result;
    }
    if (answer.response == 1) {
        result.cancelled = true;
        return result;
    }
    double rgb[3] = {-1, -1, -1};
    const QVariant color = answer.results.value(QStringLiteral("color"));
    if (answer.response == 0 && color.userType() == qMetaTypeId<QDBusArgument>()) {
        const QDBusArgument argument = color.value<QDBusArgument>();
        argument.beginStructure();
        argument >> rgb[0] >> rgb[1] >> rgb[2];
        argument.endStructure();
    }
    if (answer.response != 0 || rgb[0] < 0 || rgb[1] < 0 || rgb[2] < 0) {
        result.error = QStringLiteral("The desktop's colour picker reported a failure.");
        return result;
    }
    result.color = ColorFromUnitChannels(rgb[0], rgb[1], rgb[2]);
    return result;
}

} // namespace prismara
