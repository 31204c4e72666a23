// Screen capture: composing the grabs of several screens at device pixels, telling a blank grab,
// and the desktop portal's Screenshot request answered by a stand-in portal on a private session
// bus (a picture of known pixels, a refusal, silence, no portal at all).
#include "platform/portalscreenshot.h"
#include "platform/screencapture.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>
#include <QWidget>

#include <gtest/gtest.h>

using namespace prismara;

namespace {

QImage filled(int width, int height, QRgb base)
{
    // Each pixel differs, so a shifted or resampled copy cannot pass.
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, (base & 0xFFFF0000u) | static_cast<QRgb>(((x & 255) << 8) | (y & 255)));
    return image;
}

QImage withRatio(QImage image, qreal ratio)
{
    image.setDevicePixelRatio(ratio);
    return image;
}

} // namespace

TEST(ScreenCapture, ScreensAreComposedAtTheirPlacesKeepingEveryDevicePixel)
{
    const QImage one = filled(64, 48, 0xFF110000);
    const ScreenCapture single = ComposeScreenGrabs({{one, QRect(0, 0, 64, 48)}});
    EXPECT_EQ(single.geometry, QRect(0, 0, 64, 48));
    EXPECT_EQ(single.image.convertToFormat(QImage::Format_RGB32), one) << "one screen is taken as it is";

    // A 2x screen starting at a negative x beside a taller 1x screen, and a screen whose grab failed.
    const QImage left = withRatio(filled(200, 100, 0xFF220000), 2.0);
    const QImage right = filled(100, 60, 0xFF330000);
    const ScreenCapture c = ComposeScreenGrabs(
        {{left, QRect(-100, 0, 100, 50)}, {right, QRect(0, 0, 100, 60)}, {QImage(), QRect(100, 0, 50, 50)}});
    ASSERT_TRUE(c.error.isEmpty());
    EXPECT_EQ(c.geometry, QRect(-100, 0, 250, 60));
    EXPECT_EQ(c.image.size(), QSize(500, 120));
    EXPECT_EQ(c.image.devicePixelRatio(), 2.0);
    for (const QPoint p : {QPoint(0, 0), QPoint(199, 99), QPoint(57, 31)})
        EXPECT_EQ(c.image.pixel(p), left.pixel(p)) << "left " << p.x() << "," << p.y();
    for (const QPoint p : {QPoint(0, 0), QPoint(7, 9), QPoint(99, 59)})
        for (const QPoint d : {QPoint(0, 0), QPoint(1, 1)})
            EXPECT_EQ(c.image.pixel(QPoint(200, 0) + 2 * p + d), right.pixel(p)) << "enlarged " << p.x() << "," << p.y();
    EXPECT_EQ(c.image.pixel(10, 110), qRgb(0, 0, 0)) << "below the shorter screen";
    EXPECT_EQ(c.image.pixel(420, 10), qRgb(0, 0, 0)) << "where the grab failed";
    EXPECT_FALSE(ComposeScreenGrabs({{QImage(), QRect(0, 0, 50, 50)}}).error.isEmpty());
    EXPECT_TRUE(ComposeScreenGrabs({}).image.isNull());
}

TEST(ScreenCapture, BlankPicturesAreTold)
{
    QImage black(30, 20, QImage::Format_RGB32);
    black.fill(Qt::black);
    QImage transparent(30, 20, QImage::Format_ARGB32);
    transparent.fill(Qt::transparent);
    EXPECT_TRUE(IsBlankCapture(QImage()) && IsBlankCapture(black) && IsBlankCapture(transparent));
    for (const QPoint p : {QPoint(0, 0), QPoint(29, 19), QPoint(12, 7)}) {
        QImage one = black;
        one.setPixel(p, qRgb(0, 0, 1));
        EXPECT_FALSE(IsBlankCapture(one)) << p.x() << "," << p.y();
    }
}

TEST(ScreenCapture, ThePortalStandsInWhereTheDirectGrabShowsNothing)
{
    QImage black(8, 8, QImage::Format_RGB32);
    black.fill(Qt::black);
    QImage content = black;
    content.setPixel(3, 3, qRgb(200, 10, 10));
    QImage fromPortal = black;
    fromPortal.setPixel(5, 5, qRgb(1, 2, 3));
    auto capture = [](const QImage& image) {
        ScreenCapture c;
        c.image = image;
        if (image.isNull())
            c.error = "direct failed.";
        return c;
    };
    ScreenCapture refused;
    refused.error = "The screen could not be captured because the desktop refused or cancelled the screenshot.";

    struct Case
    {
        const char* name;
        bool waylandPlatform;
        bool waylandSession;
        QImage direct;
        ScreenCapture portal;
        bool portalAsked;
        QImage expected; // null: the portal's error is the answer
    };
    const Case cases[] = {
        {"X11 with something on screen", false, false, content, capture(fromPortal), false, content},
        {"Wayland client", true, true, content, capture(fromPortal), true, fromPortal},
        {"Wayland client, portal refuses", true, true, content, refused, true, QImage()},
        {"X11, black grab, portal answers", false, false, black, capture(fromPortal), true, fromPortal},
        {"plain X11, black screen, no portal", false, false, black, refused, true, black},
        {"Xwayland, black grab, no portal", false, true, black, refused, true, QImage()},
        {"X11, no grab at all, no portal", false, false, QImage(), refused, true, QImage()},
    };
    for (const Case& c : cases) {
        bool asked = false;
        const ScreenCapture result = ChooseCapture(
            c.waylandPlatform, c.waylandSession, [&] { return capture(c.direct); },
            [&] {
                asked = true;
                return c.portal;
            });
        EXPECT_EQ(asked, c.portalAsked) << c.name;
        EXPECT_EQ(result.image, c.expected) << c.name;
        if (c.expected.isNull()) {
            EXPECT_EQ(result.error, refused.error) << c.name;
        }
    }
}

TEST(ScreenCapture, PortalIdentifiers)
{
    EXPECT_EQ(PortalScreenshot::requestPath(":1.42", "tok"), "/org/freedesktop/portal/desktop/request/1_42/tok");
    QWidget window;
    EXPECT_EQ(PortalParentWindow(&window), "") << "the offscreen platform is not X11: no window identifier";
}

namespace {

// A stand-in for org.freedesktop.portal.Desktop's Screenshot interface. It sends its Response
// before it replies to the call, as a portal may: a caller that subscribes only after the reply
// misses the answer.
class StandInPortal : public QObject, protected QDBusContext
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Screenshot")
    Q_PROPERTY(uint version MEMBER version)
public:
    uint version = 2;
    QVariantList color; // the PickColor answer's three doubles; empty: no "color" in it
    bool silent = false;
    uint response = 0;
    QString uri;
    QString seenParent;
    QVariantMap seenOptions;
    QString seenSender;
    int calls = 0;

public slots:
    QDBusObjectPath Screenshot(const QString& parentWindow, const QVariantMap& options)
    {
        seenOptions = options;
        seenSender = message().service();
        QVariantMap results;
        results.insert("uri", uri);
        return answer(parentWindow, options, silent ? nullptr : &results);
    }

    QDBusObjectPath PickColor(const QString& parentWindow, const QVariantMap& options)
    {
        QVariantMap results;
        if (color.size() == 3) {
            QDBusArgument rgb;
            rgb.beginStructure();
            rgb << color[0].toDouble() << color[1].toDouble() << color[2].toDouble();
            rgb.endStructure();
            results.insert("color", QVariant::fromValue(rgb));
        }
        return answer(parentWindow, options, &results);
    }

private:
    // The request's handle; its Response carries `results` unless there are none.
    QDBusObjectPath answer(const QString& parentWindow, const QVariantMap& options, const QVariantMap* results)
    {
        ++calls;
        seenParent = parentWindow;
        const QString path = "/org/freedesktop/portal/desktop/request/" +
                             message().service().mid(1).replace('.', '_') + "/" +
                             options.value("handle_token").toString();
        if (results) {
            QDBusMessage reply = QDBusMessage::createSignal(path, "org.freedesktop.portal.Request", "Response");
            reply << response << *results;
            connection().send(reply);
        }
        return QDBusObjectPath(path);
    }
};

// A private session bus with the stand-in portal on it, and a second connection for the caller.
class Portal : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const QString daemon = QStandardPaths::findExecutable("dbus-daemon");
        if (daemon.isEmpty())
            GTEST_SKIP() << "dbus-daemon is not installed";
        bus_.start(daemon, {"--session", "--nofork", "--print-address=1"});
        ASSERT_TRUE(bus_.waitForStarted(5000));
        QByteArray line;
        for (int i = 0; i < 50 && !line.contains('\n'); ++i) {
            bus_.waitForReadyRead(100);
            line += bus_.readAllStandardOutput();
        }
        address_ = QString::fromUtf8(line).trimmed();
        ASSERT_FALSE(address_.isEmpty()) << "the private bus gave no address";
        ++round_;
        portalName_ = QString("standin-portal-%1").arg(round_);
        callerName_ = QString("portal-caller-%1").arg(round_);
        QDBusConnection portalBus = QDBusConnection::connectToBus(address_, portalName_);
        ASSERT_TRUE(portalBus.isConnected());
        ASSERT_TRUE(portalBus.registerObject("/org/freedesktop/portal/desktop", &portal,
                                             QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllProperties));
        ASSERT_TRUE(portalBus.registerService(kService));
        ASSERT_TRUE(files_.isValid());
    }

    void TearDown() override
    {
        QDBusConnection::disconnectFromBus(callerName_);
        QDBusConnection::disconnectFromBus(portalName_);
        if (bus_.state() != QProcess::NotRunning) {
            bus_.kill();
            bus_.waitForFinished(5000);
        }
    }

    QDBusConnection caller() const { return QDBusConnection::connectToBus(address_, callerName_); }

    // A screenshot file of known pixels, as the portal leaves it for the caller.
    QString writeScreenshot(const QImage& image) const
    {
        const QString file = files_.filePath("Screenshot.png");
        EXPECT_TRUE(image.save(file));
        return file;
    }

    static inline const QString kService = "org.example.StandInPortal";
    static inline int round_ = 0;
    StandInPortal portal;
    QProcess bus_;
    QString address_;
    QString portalName_;
    QString callerName_;
    QTemporaryDir files_;
};

} // namespace

TEST_F(Portal, AnsweredScreenshotIsReadAndItsFileDeleted)
{
    const QImage shot = filled(120, 80, 0xFF778800);
    const QString file = writeScreenshot(shot);
    portal.uri = QUrl::fromLocalFile(file).toString();

    const ScreenCapture c = PortalScreenshot::take(caller(), kService, "x11:1a2b", 5000);
    ASSERT_TRUE(c.error.isEmpty()) << c.error.toStdString();
    EXPECT_EQ(c.image.convertToFormat(QImage::Format_RGB32).copy(), shot);
    EXPECT_FALSE(QFile::exists(file)) << "the screenshot file is deleted once read";

    EXPECT_EQ(portal.calls, 1);
    EXPECT_EQ(portal.seenParent, "x11:1a2b");
    EXPECT_EQ(portal.seenOptions.value("interactive"), QVariant(false));
    EXPECT_FALSE(portal.seenOptions.value("handle_token").toString().isEmpty());
    EXPECT_EQ(portal.seenSender, caller().baseService());
    // The picture covers the virtual screen: its ratio maps the screen's points to its pixels.
    EXPECT_FALSE(c.geometry.isEmpty());
    EXPECT_DOUBLE_EQ(c.image.devicePixelRatio(), 120.0 / c.geometry.width());
}

TEST_F(Portal, FailuresAreToldInOneSentence)
{
    struct Case
    {
        const char* name;
        uint response;
        bool silent;
        QString service;
        QString uri;
        const char* words;
    };
    const QString missingFile = QUrl::fromLocalFile(files_.filePath("gone.png")).toString();
    const Case cases[] = {
        {"refused", 1, false, kService, "", "refused or cancelled"},
        {"no answer", 0, true, kService, "", "did not answer"},
        {"no portal on the bus", 0, false, "org.example.NoSuchPortal", "", "not available"},
        {"unreadable file", 0, false, kService, missingFile, "could not be read"},
    };
    for (const Case& c : cases) {
        portal.response = c.response;
        portal.silent = c.silent;
        portal.uri = c.uri;
        const ScreenCapture result = PortalScreenshot::take(caller(), c.service, "", 700);
        EXPECT_TRUE(result.image.isNull()) << c.name;
        EXPECT_TRUE(result.error.startsWith("The screen could not be captured because")) << c.name;
        EXPECT_TRUE(result.error.contains(c.words)) << c.name << ": " << result.error.toStdString();
        EXPECT_TRUE(result.error.endsWith('.')) << c.name;
    }
}

TEST_F(Portal, PickColorRoundsThePortalsChannelsToTheNearestByte)
{
    const struct
    {
        const char* name;
        uint version;
        uint response;
        QVariantList color;
        QString service;
        bool offered, cancelled;
        std::optional<ColorValue> expected;
    } rows[] = {
        {"rounded, not truncated", 2, 0, {0.1, 0.999, 0.5}, kService, true, false, MakeColor(26, 255, 128)},
        {"exact", 2, 0, {0.2, 0.4, 0.8}, kService, true, false, MakeColor(51, 102, 204)},
        {"cancelled", 2, 1, {}, kService, true, true, std::nullopt},
        {"no colour in the answer", 2, 0, {}, kService, true, false, std::nullopt},
        {"an older portal", 1, 0, {0.2, 0.4, 0.8}, kService, false, false, std::nullopt},
        {"no portal", 2, 0, {0.2, 0.4, 0.8}, "org.example.NoSuchPortal", false, false, std::nullopt},
    };
    for (const auto& row : rows) {
        portal.version = row.version;
        portal.response = row.response;
        portal.color = row.color;
        const int calls = portal.calls;
        const DesktopColorPick got = PortalScreenshot::pickColor(caller(), row.service, "x11:7", 5000);
        EXPECT_EQ(got.offered, row.offered) << row.name;
        EXPECT_EQ(got.cancelled, row.cancelled) << row.name;
        EXPECT_EQ(got.color, row.expected) << row.name;
        EXPECT_EQ(got.error.isEmpty(), row.expected || row.cancelled || !row.offered) << row.name;
        EXPECT_EQ(portal.calls - calls, row.offered ? 1 : 0) << row.name;
    }
}

TEST(PortalWithoutBus, NoSessionBusIsToldInOneSentence)
{
    const ScreenCapture result = PortalScreenshot::take(QDBusConnection(QStringLiteral("never-connected")),
                                                        "org.freedesktop.portal.Desktop", "", 100);
    EXPECT_TRUE(result.image.isNull());
    EXPECT_TRUE(result.error.contains("no desktop session bus")) << result.error.toStdString();
}

#include "screencapture_test.moc"
