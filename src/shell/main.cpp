// main.cpp - entry routine: the printing modes of the command line without a display, else a
// display, one running copy, white as the current colour, the main window; SIGTERM and SIGINT
// end it like Exit.
#include "shell/commandline.h"
#include "shell/deferrediconstyle.h"
#include "shell/frmshowcolor.h"
#include "shell/palettetools.h"
#include "core/app/appinfo.h"
#include "core/colour/colorparse.h"
#include "core/report/printformats.h"
#include "platform/instancechannel.h"
#include "platform/qtplatform.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTextStream>
#include <QSocketNotifier>
#include <QTimer>
#include <QWindow>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <functional>
#include <optional>
#include <string>
#include <tuple>

#include <csignal>
#include <thread>

#include <fontconfig/fontconfig.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {
int g_signalPipe[2] = {-1, -1};
volatile sig_atomic_t g_signalled = 0;

void onTerminate(int signal)
{
    // A second signal while the first is handled ends the program at once.
    if (g_signalled)
        ::_exit(128 + signal);
    g_signalled = 1;
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(g_signalPipe[0], &byte, 1);
}

// SIGTERM and SIGINT end the program whatever is open (the picker, a dialog, the wait for the
// desktop portal): `end` saves what Exit saves and every event loop is left, so the process is
// gone at once. The handler only writes to a socket; the work runs in the event loop.
void endOnTerminate(std::function<void()> end)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, g_signalPipe) != 0)
        return;
    auto* notifier = new QSocketNotifier(g_signalPipe[1], QSocketNotifier::Read, qApp);
    QObject::connect(notifier, &QSocketNotifier::activated, qApp, [end = std::move(end)] {
        char byte = 0;
        [[maybe_unused]] const auto got = ::read(g_signalPipe[1], &byte, 1);
        end();
        QCoreApplication::exit(0);
    });
    struct sigaction action = {};
    action.sa_handler = onTerminate;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}

// Without a display the window cannot be shown: one line says so, and the status is 1.
QtMessageHandler g_previousHandler = nullptr;
QList<std::tuple<QtMsgType, QString>> g_heldMessages;

std::string displayNames()
{
    std::string names;
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY"}) {
        if (const char* value = std::getenv(variable); value && *value)
            names += std::string(names.empty() ? "" : ", ") + variable + "=" + value;
    }
    return names;
}

bool platformChosen(int argc, char** argv)
{
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        return true;
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
            return true;
    return false;
}

// While the application connects to the display, Qt's messages are held back; a fatal one means
// the display could not be reached.
void holdDisplayMessages(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type != QtFatalMsg) {
        g_heldMessages.append({type, message});
        return;
    }
    const std::string names = displayNames();
    std::fprintf(stderr, "prismara: the display could not be reached (%s), so the window cannot be shown\n",
                 names.empty() ? "no display is set" : names.c_str());
    std::fflush(stderr);
    ::_exit(1);
}

void releaseDisplayMessages()
{
    qInstallMessageHandler(g_previousHandler);
    for (const auto& [type, message] : g_heldMessages)
        qt_message_output(type, QMessageLogContext(), message);
    g_heldMessages.clear();
}

// The font configuration (every configuration file of the system parsed, the font caches mapped)
// is the largest single piece of start-up; it is read on a second thread while the application
// connects to the display, and the first text of the window finds it ready.
class FontConfigurationReader
{
public:
    FontConfigurationReader() : thread_([] { FcInit(); }) {}
    ~FontConfigurationReader() { wait(); }
    FontConfigurationReader(const FontConfigurationReader&) = delete;
    FontConfigurationReader& operator=(const FontConfigurationReader&) = delete;
    void wait()
    {
        if (thread_.joinable())
            thread_.join();
    }

private:
    std::thread thread_;
};

// Start-up measurement: when PRISMARA_STARTUP_T0 holds the CLOCK_MONOTONIC time (ns) at which
// the launcher started us, print the time until the main window is first exposed, until that
// first frame is drawn and until the work put off after it is done, then quit (bench/startup.sh).
double msSince(long long t0)
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<double>(static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec - t0) / 1e6;
}

class StartupProbe : public QObject
{
public:
    explicit StartupProbe(long long t0) : t0_(t0) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* window = qobject_cast<QWindow*>(watched);
        if (event->type() == QEvent::Expose && window && window->isExposed() && !done_) {
            done_ = true;
            std::printf("startup_ms %.2f\n", msSince(t0_));
            // The expose is handled (the frame painted and flushed) before this runs; what the
            // window put off until after its first frame runs before the quit.
            QTimer::singleShot(0, qApp, [this] {
                std::printf("painted_ms %.2f\n", msSince(t0_));
                QTimer::singleShot(0, qApp, [this] {
                    std::printf("ready_ms %.2f\n", msSince(t0_));
                    std::fflush(stdout);
                    QCoreApplication::quit();
                });
            });
        }
        return false;
    }

private:
    long long t0_;
    bool done_ = false;
};

// Runs a printing mode (or --help, --version, or reports a bad option) with no display. Returns
// nullopt when the program should open its window instead.
std::optional<int> runWithoutWindow(int& argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    QCommandLineParser probe;
    prismara::SetUpParser(probe);
    // Options Qt takes for itself (-platform, -style, ...) are unknown here: the window path
    // checks what is left once QApplication has taken them.
    (void)probe.parse(arguments);
    const bool printing = probe.isSet(QStringLiteral("help")) || probe.isSet(QStringLiteral("help-all")) ||
                          probe.isSet(QStringLiteral("version")) || prismara::RequestedPrintingMode(probe);
    if (!printing) {
        // A pick that cannot be done is told before any display is needed.
        QTextStream err(stderr);
        if (!prismara::RequestedPick(probe, err))
            return 2;
        return std::nullopt;
    }

    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("prismara");
    QCoreApplication::setApplicationVersion(QString::fromUtf8(prismara::kVersion));
    QCommandLineParser parser;
    prismara::SetUpParser(parser);
    parser.process(app); // --help, --version and bad options end here
    QTextStream out(stdout);
    QTextStream err(stderr);
    const int status = prismara::RequestedPrintingMode(parser)->run(parser, out, err);
    out.flush();
    err.flush();
    return status;
}

// The requests a copy started later hands to the running one, and the answer to a printing pick.
const QString kPickRequest = QStringLiteral("pick");
const QString kPickPrintRequest = QStringLiteral("pick print");
const QString kCancelledAnswer = QStringLiteral("cancelled");

// Prints the colour taken by a --pick --print run; the status: 0 taken, 1 cancelled.
int printPicked(std::optional<prismara::ColorValue> color, const prismara::PickRequest& pick)
{
    if (!color)
        return 1;
    std::printf("%s\n", pick.format->text(*color).c_str());
    std::fflush(stdout);
    return 0;
}

// Another copy runs: it picks, and with --print its answer is printed here.
int handPickOver(prismara::QtPlatform& platform, const prismara::PickRequest& pick)
{
    QString error;
    const std::optional<QString> answer = prismara::InstanceChannel::send(
        platform.instanceSocket(), pick.print ? kPickPrintRequest : kPickRequest, pick.print, error);
    if (!answer) {
        std::fprintf(stderr, "prismara: --pick: %s\n", qPrintable(error));
        return 1;
    }
    if (!pick.print)
        return 0;
    if (*answer == kCancelledAnswer)
        return 1;
    const prismara::ColorParseResult taken = prismara::ParseColorText(answer->toStdString());
    if (!taken.ok()) {
        std::fprintf(stderr, "prismara: --pick: the running copy answered '%s'\n", qPrintable(*answer));
        return 1;
    }
    return printPicked(taken.color, pick);
}

// The running copy serves the picks of copies started later.
void servePicks(prismara::InstanceChannel& channel, prismara::PaletteTools& tools)
{
    QObject::connect(&channel, &prismara::InstanceChannel::requested, &tools,
                     [&tools](const QString& request, const prismara::InstanceChannel::Answer& answer) {
                         if (request == kPickRequest) {
                             answer(QString());
                             tools.startPicking();
                         } else if (request == kPickPrintRequest) {
                             tools.pickFor(true, false, [answer](std::optional<prismara::ColorValue> color) {
                                 answer(color ? QString::fromStdString(prismara::HtmlHex(*color)) : kCancelledAnswer);
                             });
                         } else {
                             answer(QStringLiteral("unknown request"));
                         }
                     });
}
} // namespace

int main(int argc, char** argv)
{
    if (const std::optional<int> status = runWithoutWindow(argc, argv))
        return *status;

    if (!platformChosen(argc, argv) && displayNames().empty()) {
        std::fprintf(stderr, "prismara: no display (neither DISPLAY nor WAYLAND_DISPLAY is set), so the window "
                             "cannot be shown\n");
        return 1;
    }
    g_previousHandler = qInstallMessageHandler(holdDisplayMessages);
    FontConfigurationReader fonts;
    QApplication app(argc, argv);
    releaseDisplayMessages();
    QApplication::setApplicationName("prismara");
    QApplication::setApplicationVersion(QString::fromUtf8(prismara::kVersion));
    QCommandLineParser parser;
    prismara::SetUpParser(parser);
    parser.process(app);
    QTextStream err(stderr);
    const prismara::PickRequest pick = prismara::RequestedPick(parser, err).value_or(prismara::PickRequest{});
    QApplication::setDesktopFileName("prismara");
    prismara::DeferredIconStyle::install();

    prismara::FrmShowColor* window = nullptr;
    endOnTerminate([&window] {
        if (window)
            window->saveForExit();
    });

    prismara::QtPlatform platform;
    // A second copy ends at once: no window, nothing written. A pick goes to the running copy.
    if (platform.previousInstance())
        return pick.wanted ? handPickOver(platform, pick) : 0;
    prismara::InstanceChannel channel;
    const auto openChannel = [&channel, &platform] {
        if (!channel.listen(platform.instanceSocket()))
            std::fprintf(stderr, "prismara: copies started later cannot hand --pick to this one: %s\n",
                         qPrintable(channel.error()));
    };

    fonts.wait();
    prismara::FrmShowColor mainWindow(platform);
    window = &mainWindow;
    // A signal that came while the window was being built has left its event loops already.
    if (g_signalled) {
        mainWindow.saveForExit();
        return 0;
    }
    auto* tools = mainWindow.findChild<prismara::PaletteTools*>();
    servePicks(channel, *tools);
    // Copies started later wait for the channel: it opens once the window is on screen.
    if (pick.wanted)
        openChannel();
    else
        QObject::connect(&mainWindow, &prismara::FrmShowColor::firstFrameShown, &channel, openChannel);
    if (pick.print) {
        // The program is there for this one colour: the main window is never shown.
        QTimer::singleShot(0, tools, [tools, &mainWindow, pick] {
            tools->pickFor(true, true, [&mainWindow, pick](std::optional<prismara::ColorValue> color) {
                const int status = printPicked(color, pick);
                mainWindow.saveForExit();
                QCoreApplication::exit(status);
            });
        });
        return app.exec();
    }
    if (pick.wanted)
        QTimer::singleShot(0, tools, &prismara::PaletteTools::startPicking);
    else
        mainWindow.show();
    if (const char* t0 = std::getenv("PRISMARA_STARTUP_T0"); t0 && mainWindow.windowHandle())
        mainWindow.windowHandle()->installEventFilter(new StartupProbe(std::atoll(t0)));
    return app.exec();
}
