// main.cpp - entry routine: the printing modes of the command line without a display, else one
// running copy, white as the current colour, the main window.
#include "shell/commandline.h"
#include "shell/frmshowcolor.h"
#include "shell/toolbaricons.h"
#include "core/app/appinfo.h"
#include "platform/qtplatform.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTextStream>
#include <QSocketNotifier>
#include <QTimer>
#include <QWindow>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <ctime>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {
int g_signalPipe[2] = {-1, -1};

void onTerminate(int)
{
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(g_signalPipe[0], &byte, 1);
}

// SIGTERM and SIGINT close the main window like Exit, so the position is saved and the recent
// colours are removed when the session ends or the program is interrupted.
void closeOnTerminate(QWidget& window)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, g_signalPipe) != 0)
        return;
    auto* notifier = new QSocketNotifier(g_signalPipe[1], QSocketNotifier::Read, &window);
    QObject::connect(notifier, &QSocketNotifier::activated, &window, [&window] {
        char byte = 0;
        [[maybe_unused]] const auto got = ::read(g_signalPipe[1], &byte, 1);
        window.close();
    });
    struct sigaction action = {};
    action.sa_handler = onTerminate;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}
// Start-up measurement: when PRISMARA_STARTUP_T0 holds the CLOCK_MONOTONIC time (ns) at which
// the launcher started us, print the time until the main window is first exposed, then quit.
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
            timespec now{};
            clock_gettime(CLOCK_MONOTONIC, &now);
            const long long ns = static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
            std::printf("startup_ms %.2f\n", static_cast<double>(ns - t0_) / 1e6);
            std::fflush(stdout);
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
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
    if (!printing)
        return std::nullopt;

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
} // namespace

int main(int argc, char** argv)
{
    if (const std::optional<int> status = runWithoutWindow(argc, argv))
        return *status;

    QApplication app(argc, argv);
    QApplication::setApplicationName("prismara");
    QApplication::setApplicationVersion(QString::fromUtf8(prismara::kVersion));
    QCommandLineParser parser;
    prismara::SetUpParser(parser);
    parser.process(app);
    QApplication::setDesktopFileName("prismara");
    // The icon installed with the program when there is one, else the drawn colour wheel.
    const QIcon installedIcon = prismara::QtPlatform::installedIcon();
    QApplication::setWindowIcon(installedIcon.isNull() ? prismara::ApplicationIcon() : installedIcon);

    prismara::QtPlatform platform;
    // A second copy ends at once: no window, nothing written.
    if (platform.previousInstance())
        return 0;

    prismara::FrmShowColor window(platform);
    closeOnTerminate(window);
    window.show();
    if (const char* t0 = std::getenv("PRISMARA_STARTUP_T0"); t0 && window.windowHandle())
        window.windowHandle()->installEventFilter(new StartupProbe(std::atoll(t0)));
    return app.exec();
}
