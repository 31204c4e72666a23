// ui_convert.cpp - cost of one conversion-panel slider step and of one pass through the colour hub,
// on a real main window (offscreen, scripted platform).
#include "shell/frmshowcolor.h"
#include "support/fakeplatform.h"

#include <QAction>
#include <QApplication>
#include <QSlider>
#include <QTabBar>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

namespace prismara {
namespace {

struct Window
{
    test::FakePlatform platform;
    FrmShowColor window{platform};

    Window()
    {
        window.show();
        QApplication::processEvents();
    }
};

// Times every call on its own and reports the median as well as the mean.
template <typename Call>
void timeEachCall(benchmark::State& state, Call call, bool paint)
{
    std::vector<double> samples;
    samples.reserve(1 << 16);
    std::int64_t i = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        call(i++);
        if (paint)
            QApplication::processEvents();
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(took.count());
        samples.push_back(took.count());
    }
    if (samples.empty())
        return;
    const auto mid = samples.begin() + static_cast<std::ptrdiff_t>(samples.size() / 2);
    std::nth_element(samples.begin(), mid, samples.end());
    state.counters["median_us"] = *mid * 1e6;
}

QSlider* openPanelOn(Window& w, const char* tab)
{
    // A saturated colour, so that every hue step gives a new colour.
    w.window.CurrentColorChanged(MakeColor(200, 100, 50), WriteRecent::Yes);
    w.window.action("mnucon")->trigger();
    auto* tabs = w.window.findChild<QTabBar*>("tabModels");
    for (int t = 0; t < tabs->count(); ++t)
        if (tabs->tabText(t) == tab)
            tabs->setCurrentIndex(t);
    return w.window.findChild<QSlider*>("sldVal0");
}

// One slider step end to end: the model is written, CurrentColorChanged runs, every view follows.
// Arg 0: HSL hue (1) or RGB red (0); arg 1: also let the window repaint (1).
void BM_SliderStep(benchmark::State& state)
{
    // Each benchmark builds its own window, so it needs nothing from main but the QApplication.
    Window w;
    const bool hsl = state.range(0) == 1;
    QSlider* slider = openPanelOn(w, hsl ? "HSL" : "RGB");
    const int low = hsl ? 100 : 40;
    timeEachCall(
        state, [&](std::int64_t i) { slider->setValue(low + static_cast<int>(i % 100)); }, state.range(1) == 1);
}
BENCHMARK(BM_SliderStep)->ArgsProduct({{0, 1}, {0, 1}})->UseManualTime()->Unit(benchmark::kMicrosecond);

// CurrentColorChanged alone, with a new colour on every call. Arg: WriteRecent (0 or 1).
void BM_CurrentColorChanged(benchmark::State& state)
{
    Window w;
    const WriteRecent writeRecent = state.range(0) != 0 ? WriteRecent::Yes : WriteRecent::No;
    timeEachCall(
        state,
        [&](std::int64_t i) {
            const auto n = static_cast<int>(i % 200);
            w.window.CurrentColorChanged(MakeColor(20 + n, 255 - n, (n * 7) % 256), writeRecent);
        },
        false);
}
BENCHMARK(BM_CurrentColorChanged)->Arg(0)->Arg(1)->UseManualTime()->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace prismara
