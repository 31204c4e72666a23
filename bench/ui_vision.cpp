// ui_vision.cpp - what the colour-vision simulation costs when painting: a 1000 x 700 mock-up
// area with its caption, and the 216-cell palette grid of distinct colours, each painted with
// normal vision (the floor), simulated from the filter's cache, and simulated with the cache
// emptied before every paint (the choice changed).
#include "core/access/cvd.h"
#include "ui/palette/palettegrid.h"
#include "ui/scheme/schemesample.h"
#include "widgets/displayfilter.h"

#include <QImage>

#include <benchmark/benchmark.h>

#include <array>
#include <memory>

using namespace prismara;

namespace {

enum Mode : int { Normal, Cached, Uncached };

// Paints `widget` into an image, with the filter in `mode`.
void paintLoop(benchmark::State& state, QWidget& widget, DisplayFilter& filter)
{
    const auto mode = static_cast<Mode>(state.range(0));
    filter.setDeficiency(mode == Normal ? std::nullopt : std::optional(Deficiency::Deuteranopia));
    QImage image(widget.size(), QImage::Format_ARGB32_Premultiplied);
    widget.render(&image); // the first paint fills the cache
    bool other = false;
    for (auto _ : state) {
        if (mode == Uncached) {
            // A new choice empties the cache.
            other = !other;
            filter.setDeficiency(other ? Deficiency::Protanopia : Deficiency::Deuteranopia);
        }
        widget.render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
    state.SetLabel(mode == Normal ? "normal vision (floor)" : mode == Cached ? "simulated, cached" : "simulated, uncached");
}

void BM_SimulatedMockupArea(benchmark::State& state)
{
    DisplayFilter filter;
    SchemeSample area({.name = "lbldisplay", .rect = {0, 0, 1000, 700}, .wrap = true}, &filter, nullptr);
    area.showLook(MakeColor(0x33, 0x66, 0xCC), MakeColor(0xFF, 0xEE, 0xAA), kBlack,
                  "Text will look like this in web browser.");
    paintLoop(state, area, filter);
}
BENCHMARK(BM_SimulatedMockupArea)->Arg(Normal)->Arg(Cached)->Arg(Uncached)->Unit(benchmark::kMicrosecond);

void BM_SimulatedPaletteGrid(benchmark::State& state)
{
    DisplayFilter filter;
    PaletteGrid grid(nullptr);
    grid.setDisplayFilter(&filter);
    std::array<ColorValue, PaletteGrid::kCells> colors{};
    for (int i = 0; i < PaletteGrid::kCells; ++i)
        colors[static_cast<std::size_t>(i)] = MakeColor((i * 37) & 255, (i * 91) & 255, (i * 53) & 255);
    grid.setColors(colors);
    paintLoop(state, grid, filter);
}
BENCHMARK(BM_SimulatedPaletteGrid)->Arg(Normal)->Arg(Cached)->Arg(Uncached)->Unit(benchmark::kMicrosecond);

} // namespace
