// ui_picker.cpp - how quickly the screen picker is on screen, from the command to both picker
// windows shown and painted (the deliberate 100 ms wait that lets the main window leave the
// screen included), and what one pointer move over the frozen picture costs (the colour square and
// the loupe moved, the loupe repainted), beside a floor of bare Qt doing the same window work: a
// picture painted where two plain overlays of the same sizes leave, the overlays filled where they
// arrive. On the xcb platform
// (bench/picker.sh runs it under a private 1920 x 1080 Xvfb) the screen is really captured; on
// the offscreen platform a picture of the screen's size stands in.
#include "core/palette/pickerrules.h"
#include "platform/screencapture.h"
#include "shell/frmshowcolor.h"
#include "shell/palettetools.h"
#include "support/fakeplatform.h"
#include "ui/picker/frmgetcolor.h"
#include "ui/picker/frmpick.h"
#include "ui/picker/pickerloupe.h"
#include "ui/picker/screenpicker.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
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
    if (!picture->loupe()->isVisible())
        fail("the loupe was not shown");
    state.SetLabel("square and loupe");
    w.stop();
}
BENCHMARK(BM_PickerPointerMove)->Unit(benchmark::kMicrosecond);

// The floor: a full-screen window that paints a frozen picture from a pixmap, and two opaque
// children of the square's and the loupe's sizes moved with the pointer and filled.
class BarePicture : public QWidget
{
public:
    explicit BarePicture(const QPixmap& picture) : picture_(picture)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setMouseTracking(true);
        for (QWidget*& overlay : overlays_) {
            overlay = new QWidget(this);
            overlay->setAutoFillBackground(true);
        }
        const int loupe = kLoupeSpan * kLoupeZoomDefault;
        overlays_[0]->resize(kShowSquareSize, kShowSquareSize);
        overlays_[1]->resize(loupe, loupe + fontMetrics().height() + 8);
    }

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QPainter p(this);
        p.drawPixmap(event->rect(), picture_, event->rect());
    }
    void mouseMoveEvent(QMouseEvent* event) override
    {
        const QPoint at = event->position().toPoint();
        overlays_[0]->move(at + QPoint(15, -115));
        overlays_[1]->move(at + QPoint(16, 16));
        QPalette pal = overlays_[1]->palette();
        pal.setColor(QPalette::Window, QColor::fromRgb(static_cast<QRgb>(at.x() * 7919 + at.y())));
        overlays_[1]->setPalette(pal);
    }

private:
    QPixmap picture_;
    QWidget* overlays_[2] = {};
};

void BM_PickerPointerMoveFloor(benchmark::State& state)
{
    QScreen* screen = QGuiApplication::primaryScreen();
    BarePicture bare(screen->grabWindow(0));
    bare.setWindowFlag(Qt::FramelessWindowHint);
    bare.setGeometry(screen->geometry());
    bare.show();
    if (!waitExposed(&bare))
        fail("the bare window did not come on screen");
    int step = 0;
    for (auto _ : state) {
        const QPointF at(200 + (step % 800), 300 + (step % 400));
        ++step;
        QMouseEvent move(QEvent::MouseMove, at, bare.mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(&bare, &move);
        QApplication::processEvents();
    }
    state.SetLabel("floor: bare Qt, two plain overlays");
}
BENCHMARK(BM_PickerPointerMoveFloor)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace prismara
