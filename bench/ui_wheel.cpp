// ui_wheel.cpp - what the colour wheel costs each time the current colour changes: rebuilding the
// twelve cells, painting them, and the whole colour hub with the window painted.
#include "shell/frmshowcolor.h"
#include "support/fakeplatform.h"
#include "ui/wheel/colorcellring.h"
#include "ui/wheel/colorwheelframe.h"

#include <QAction>
#include <QApplication>
#include <QImage>

#include <benchmark/benchmark.h>

using namespace prismara;

namespace {

// A new colour each time, stepping through hues and lightnesses.
ColorValue nextColor(int& n)
{
    n = (n + 1) % 4096;
    return MakeColor((n * 37) & 255, (n * 91) & 255, (n * 53) & 255);
}

void BM_GetWheel(benchmark::State& state)
{
    test::FakePlatform platform;
    FrmShowColor window(platform);
    window.show();
    ColorWheelFrame* wheel = window.wheel();
    int n = 0;
    for (auto _ : state)
        wheel->GetWheel(nextColor(n), static_cast<int>(state.range(0)));
}
BENCHMARK(BM_GetWheel)->Arg(0)->Arg(1);

void BM_GetWheelAndPaint(benchmark::State& state)
{
    test::FakePlatform platform;
    FrmShowColor window(platform);
    window.show();
    ColorWheelFrame* wheel = window.wheel();
    ColorCellRing* cells = state.range(0) == 0 ? wheel->wheelCells() : wheel->squareCells();
    if (state.range(0) == 1)
        window.action("mnuColorSquare")->trigger();
    QApplication::processEvents();
    QImage image(cells->size() * 2, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(2);
    int n = 0;
    for (auto _ : state) {
        wheel->GetWheel(nextColor(n), kRybWheel);
        // Painted the way the window paints it, at two device pixels to the pixel.
        cells->render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
    }
    benchmark::DoNotOptimize(image.constBits());
}
// 0: the wheel, 1: the square.
BENCHMARK(BM_GetWheelAndPaint)->Arg(0)->Arg(1);

// The real path: the shown form repainted into the window's backing store.
void BM_GetWheelAndRepaint(benchmark::State& state)
{
    test::FakePlatform platform;
    FrmShowColor window(platform);
    window.show();
    ColorWheelFrame* wheel = window.wheel();
    if (state.range(0) == 1)
        window.action("mnuColorSquare")->trigger();
    QApplication::processEvents();
    ColorCellRing* cells = state.range(0) == 0 ? wheel->wheelCells() : wheel->squareCells();
    int n = 0;
    for (auto _ : state) {
        wheel->GetWheel(nextColor(n), kRybWheel);
        cells->repaint();
    }
}
BENCHMARK(BM_GetWheelAndRepaint)->Arg(0)->Arg(1);

// The whole hub (editors, wheel, palette and scheme hooks) and the window's repaint.
void BM_CurrentColorChangedAndPaint(benchmark::State& state)
{
    test::FakePlatform platform;
    FrmShowColor window(platform);
    window.show();
    QApplication::processEvents();
    int n = 0;
    for (auto _ : state) {
        window.CurrentColorChanged(nextColor(n), WriteRecent::No);
        QApplication::processEvents();
    }
}
BENCHMARK(BM_CurrentColorChangedAndPaint);

} // namespace

// main: the shared one of the UI benchmark executable (ui_main.cpp).
