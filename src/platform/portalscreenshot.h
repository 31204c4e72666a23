// portalscreenshot.h - a screenshot through the desktop portal (org.freedesktop.portal.Screenshot),
// the way to see the screen where a direct grab shows nothing (Wayland, some X servers).
#pragma once

#include "platform/platform.h"

#include <QDBusConnection>
#include <QObject>
#include <QVariantMap>

class QEventLoop;

namespace prismara {

class PortalScreenshot : public QObject
{
    Q_OBJECT
public:
    static constexpr int kDefaultTimeoutMs = 10000;

    // "org.freedesktop.portal.Desktop", unless PRISMARA_PORTAL_SERVICE names another service.
    static QString serviceName();

    // The Request object the portal answers on for a request with `token` made by the connection
    // whose unique name is `uniqueName` (":1.42" gives .../request/1_42/<token>).
    static QString requestPath(const QString& uniqueName, const QString& token);

    // Asks `service` on `bus` for a non-interactive screenshot and waits for the answer, at most
    // timeoutMs (window events keep running meanwhile). `parentWindow` is the portal's window
    // identifier ("x11:<hex id>") or "". The screenshot file is read and then deleted. The image
    // is returned at its own pixels with the virtual screen's geometry; on failure `error` says
    // why in one sentence. A wait longer than FrmPortalWait::kShowDelayMs shows the window
    // "Waiting for the desktop to share the screen…"; its Cancel (or Esc) ends the wait at once
    // with `cancelled` set.
    static ScreenCapture take(const QDBusConnection& bus, const QString& service, const QString& parentWindow,
                              int timeoutMs = kDefaultTimeoutMs);

    // The portal's own colour picker (PickColor, version 2 of the interface on): the user clicks
    // one pixel anywhere, nothing is frozen. `offered` is false when `service` has no PickColor
    // (no bus, no portal, an older portal). The portal's 0-1 channels are rounded to the nearest
    // 8-bit value. A pick the user cancelled sets `cancelled`; any other failure `error`.
    static constexpr int kPickTimeoutMs = 120000;
    static DesktopColorPick pickColor(const QDBusConnection& bus, const QString& service, const QString& parentWindow,
                                      int timeoutMs = kPickTimeoutMs);

    // The version of the portal's Screenshot interface; 0 when it cannot be read.
    static constexpr int kVersionTimeoutMs = 3000;
    static uint version(const QDBusConnection& bus, const QString& service);

private slots:
    void onResponse(uint response, const QVariantMap& results);

private:
    // One request on the Screenshot interface and the wait for its Response signal, at most
    // timeoutMs; `withWaitWindow` shows FrmPortalWait when the wait lasts, whose Cancel ends it.
    struct Answer
    {
        bool answered = false;
        uint response = 2;
        QVariantMap results;
        QString callError;
        bool cancelled = false;
    };
    static Answer request(QDBusConnection bus, const QString& service, const QString& method,
                          const QString& parentWindow, QVariantMap options, int timeoutMs, bool withWaitWindow);

    PortalScreenshot() = default;
    void finish();

    QEventLoop* loop_ = nullptr;
    bool answered_ = false;
    uint response_ = 2;
    QVariantMap results_;
};

} // namespace prismara
