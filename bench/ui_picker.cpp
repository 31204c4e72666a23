// ui_picker.cpp - how quickly the screen picker is on screen, from the command to both picker
// windows shown and painted (the deliberate 100 ms wait that lets the main window leave the
// screen included), and what one pointer move over the frozen picture costs. On the xcb platform
// (bench/picker.sh runs it under a private 1920 x 1080 Xvfb) the screen is really captured; on
// the offscreen platform a picture of the screen's size stands in.
#include "shell/frmshowcolor.h"
#include "ui/picker/frmgetcolor.h"
#include "ui/picker/frmpick.h"
#include "shell/palettetools.h"
#include "ui/picker/screenpicker.h"
#include "platform/screencapture.h"
#include "support/fakeplatform.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QThread>
#include <QWindow>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace prismara {
namespace {

// Lets events run until the window is on screen; false after five seconds.
bool waitExposed(QWidget* widget)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 5000) {
        if (widget->windowHandle() && widget->windowHandle()->isExposed())
            return true;
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return false;
}

[[noreturn]] void fail(const char* why)
{
    std::fprintf(stderr, "ui_picker: %s\n", why);
    std::abort();
}

bool offscreen() { return QGuiApplication::platformName() == QLatin1String("offscreen"); }

// The scripted platform, but with the real capture and the real wait where there is a display.
class CapturingPlatform : public test::FakePlatform
{
public:
    ScreenCapture captureScreen(QWidget* parent) override
    {
        if (!offscreen())
            return CaptureVirtualScreen(parent);
        ScreenCapture shot;
        const QSize size = QGuiApplication::primaryScreen()->size();
        shot.image = QImage(size, QImage::Format_RGB32);
        shot.image.fill(QColor(0x33, 0x66, 0xCC));
        shot.geometry = QRect(QPoint(0, 0), size);
        return shot;
    }
    void sleepAndProcessEvents(int milliseconds) override
    {
        QApplication::processEvents();
        QThread::msleep(static_cast<unsigned long>(milliseconds));
        QApplication::processEvents();
    }
};

struct PickerWindow
{
    PickerWindow()
    {
        platform.screenSize = QGuiApplication::primaryScreen()->size();
        // A desktop behind the main window, as a wallpaper would be.
        backdrop.setWindowFlag(Qt::FramelessWindowHint);
        backdrop.setAutoFillBackground(true);
        QPalette wallpaper = backdrop.palette();
        wallpaper.setColor(QPalette::Window, QColor(0x20, 0x50, 0x80));
        backdrop.setPalette(wallpaper);
        backdrop.setGeometry(QRect(QPoint(0, 0), platform.screenSize));
        backdrop.show();
        if (!waitExposed(&backdrop))
            fail("the backdrop did not come on screen");
        window = std::make_unique<FrmShowColor>(platform);
        window->show();
        if (!waitExposed(window.get()))
            fail("the main window did not come on screen");
        tools = window->findChild<PaletteTools*>("paletteTools");
    }

    // Runs the command and returns once both windows are exposed and have painted.
    void start()
    {
        window->action("mnustartpick")->trigger();
        ScreenPicker* picker = tools->picker();
        if (!picker || !picker->getColorWindow())
            fail(platform.errorsShown.isEmpty() ? "the picker did not start" : qPrintable(platform.errorsShown.last()));
        if (!waitExposed(picker->getColorWindow()) || !waitExposed(picker->pickWindow()))
            fail("the picker windows did not come on screen");
        QApplication::processEvents();
    }

    void stop()
    {
        tools->picker()->cmdStop_Click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QApplication::processEvents();
    }

    CapturingPlatform platform;
    QWidget backdrop;
    std::unique_ptr<FrmShowColor> window;
    PaletteTools* tools = nullptr;
};

void BM_PickerOnScreen(benchmark::State& state)
{
    PickerWindow w;
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        w.start();
        state.SetIterationTime(static_cast<double>(clock.nsecsElapsed()) / 1e9);
        state.PauseTiming();
        w.stop();
        state.ResumeTiming();
    }
    state.SetLabel(QGuiApplication::platformName().toStdString());
}
BENCHMARK(BM_PickerOnScreen)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_PickerPointerMove(benchmark::State& state)
{
    PickerWindow w;
    w.start();
    FrmGetColor* picture = w.tools->picker()->getColorWindow();
    int step = 0;
    for (auto _ : state) {
        const QPointF at(200 + (step % 800), 300 + (step % 400));
        ++step;
        QMouseEvent move(QEvent::MouseMove, at, picture->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(picture, &move);
        // The square's old and new places are repainted.
        QApplication::processEvents();
    }
    w.stop();
}
BENCHMARK(BM_PickerPointerMove)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace prismara
