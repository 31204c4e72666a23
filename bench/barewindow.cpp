// barewindow.cpp - the floor of bench/startup.sh: a bare Qt Widgets window of the main window's
// size, timed the same way (PRISMARA_STARTUP_T0) from exec to the window exposed and to its first
// frame drawn. bench/startup.sh compiles it on its own; it is not part of the build.
#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

double msSince(long long t0)
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<double>(static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec - t0) / 1e6;
}

class Probe : public QObject
{
public:
    explicit Probe(long long t0) : t0_(t0) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* window = qobject_cast<QWindow*>(watched);
        if (event->type() == QEvent::Expose && window && window->isExposed() && !done_) {
            done_ = true;
            std::printf("startup_ms %.2f\n", msSince(t0_));
            // The expose is handled (the frame painted and flushed) before this runs.
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

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.resize(560, 462);
    window.show();
    if (const char* t0 = std::getenv("PRISMARA_STARTUP_T0"))
        window.windowHandle()->installEventFilter(new Probe(std::atoll(t0)));
    return app.exec();
}
