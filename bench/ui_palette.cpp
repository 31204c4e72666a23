// ui_palette.cpp - what showing a palette page costs through the palette view of a real main
// window, for palettes of 10, 432 (two full pages) and 1,000,000 colours: the page read and the
// cell update alone, and with the grid painted. Neither the time nor the memory may grow with
// the palette. And the window while a long palette command runs: how long a repaint and a cancel
// take.
//
// The benchmarks run under the shared main of the ui benchmarks, which creates the application.
#include "shell/frmshowcolor.h"
#include "core/colour/colorvalue.h"
#include "ui/palette/palettegrid.h"
#include "ui/palette/paletteview.h"
#include "support/fakeplatform.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

namespace prismara {
namespace {

// Resident memory of the process in kilobytes (Linux), 0 where unknown.
long residentKb()
{
    std::FILE* status = std::fopen("/proc/self/status", "r");
    if (!status)
        return 0;
    char line[256];
    long kb = 0;
    while (std::fgets(line, sizeof line, status)) {
        if (std::strncmp(line, "VmRSS:", 6) == 0) {
            kb = std::strtol(line + 6, nullptr, 10);
            break;
        }
    }
    std::fclose(status);
    return kb;
}

// A main window whose first palette holds `colours` distinct colours.
struct PaletteWindow
{
    explicit PaletteWindow(int colours)
    {
        std::string bytes;
        bytes.reserve(static_cast<std::size_t>(colours) * 6);
        for (int k = 1; k <= colours; ++k)
            bytes += HtmlHex(MakeColor(k & 255, (k >> 8) & 255, (k >> 16) & 255)).substr(1);
        QFile file(platform.folder() + "/c1.rgb");
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size()))
            std::abort();
        file.close();
        window = std::make_unique<FrmShowColor>(platform);
        window->show();
        QApplication::processEvents();
    }

    test::FakePlatform platform;
    std::unique_ptr<FrmShowColor> window;
};

// Pages 1 and 2 in turn, so every cell changes each time (page 1 recounts the palette; page 2
// of the 10-colour palette is all white).
void showPages(benchmark::State& state, bool paint)
{
    const int colours = static_cast<int>(state.range(0));
    PaletteWindow w(colours);
    PaletteView& view = *w.window->palette();
    PaletteGrid& grid = *view.grid();
    const QString file = QStringLiteral("c1.rgb");
    int page = 1;
    // One round first, so that what the first paint allocates is not counted as growth.
    for (int i = 0; i < 4; ++i) {
        view.ShowColorChart(file, page = 3 - page);
        grid.repaint();
    }
    const long before = residentKb();
    for (auto _ : state) {
        view.ShowColorChart(file, page = 3 - page);
        if (paint)
            grid.repaint();
    }
    state.counters["colours"] = colours;
    state.counters["rss_MB"] = static_cast<double>(residentKb()) / 1024.0;
    state.counters["rss_growth_kB"] = static_cast<double>(residentKb() - before);
}

void BM_PaletteShowPage(benchmark::State& state) { showPages(state, false); }
BENCHMARK(BM_PaletteShowPage)->Arg(10)->Arg(432)->Arg(1'000'000)->Unit(benchmark::kMicrosecond);

void BM_PaletteShowPageAndPaint(benchmark::State& state) { showPages(state, true); }
BENCHMARK(BM_PaletteShowPageAndPaint)->Arg(10)->Arg(432)->Arg(1'000'000)->Unit(benchmark::kMicrosecond);

// A click on a cell: the cell's colour through the colour hub, the frame drawn.
void BM_PaletteCellClick(benchmark::State& state)
{
    PaletteWindow w(1'000'000);
    PaletteGrid& grid = *w.window->palette()->grid();
    int cell = 0;
    for (auto _ : state) {
        cell = (cell + 37) % PaletteGrid::kCells;
        emit grid.cellReleased(cell, Qt::LeftButton, QPoint());
        grid.repaint();
    }
}
BENCHMARK(BM_PaletteCellClick)->Unit(benchmark::kMicrosecond);

// The window while Clear Duplicate Colors runs on a palette of 4M colours, half of them repeated:
// the longest repaint of the grid while the job runs (paint_max_ms) and the time from Cancel to
// the job's end (cancel_ms), each beside the 50 ms they must stay under, and how long the whole
// job takes uncancelled (job_ms).
void BM_PaletteBusyWindow(benchmark::State& state)
{
    const int colours = static_cast<int>(state.range(0));
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(colours) * 6);
    for (int k = 0; k < colours; ++k)
        bytes += HtmlHex((k % (colours / 2)) * 7919 % 0x1000000).substr(1);
    PaletteWindow w(1);
    PaletteView& view = *w.window->palette();
    PaletteGrid& grid = *view.grid();
    const std::string path = w.platform.folder().toStdString() + "/c1.rgb";
    auto reset = [&] {
        std::FILE* out = std::fopen(path.c_str(), "wb");
        if (!out || std::fwrite(bytes.data(), 1, bytes.size(), out) != bytes.size() || std::fclose(out) != 0)
            std::abort();
        view.ShowColorChart(QStringLiteral("c1.rgb"), 1);
    };
    double paintMax = 0, cancelMax = 0, jobMs = 0;
    for (auto _ : state) {
        reset();
        QElapsedTimer job;
        job.start();
        view.clearDuplicateColors();
        while (view.busy()) {
            QElapsedTimer paint;
            paint.start();
            grid.repaint();
            QApplication::processEvents();
            paintMax = std::max(paintMax, static_cast<double>(paint.nsecsElapsed()) / 1e6);
        }
        jobMs = static_cast<double>(job.nsecsElapsed()) / 1e6;
        state.SetIterationTime(jobMs / 1e3);

        reset();
        view.clearDuplicateColors();
        QElapsedTimer wait;
        wait.start();
        while (view.busy() && wait.elapsed() < 15)
            QApplication::processEvents();
        QElapsedTimer cancel;
        cancel.start();
        view.job()->cancel();
        while (view.busy())
            QApplication::processEvents();
        cancelMax = std::max(cancelMax, static_cast<double>(cancel.nsecsElapsed()) / 1e6);
    }
    state.counters["paint_max_ms"] = paintMax;
    state.counters["cancel_ms"] = cancelMax;
    state.counters["bound_ms"] = 50;
    state.counters["job_ms"] = jobMs;
}
BENCHMARK(BM_PaletteBusyWindow)->Arg(1'000'000)->Arg(4'000'000)->Iterations(3)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace
} // namespace prismara
