// Benchmarks of the colour arithmetic over every colour: the model reads, the HSL functions and
// the twelve wheel colours.
#include "core/colour/clrmodels.h"
#include "core/wheel/wheelcolors.h"

#include <benchmark/benchmark.h>

using namespace prismara;

namespace {

constexpr int kColourCount = 1 << 24;

void setColour(cClrModels& model, int colour)
{
    model.setRgbR(static_cast<std::uint8_t>(colour));
    model.setRgbG(static_cast<std::uint8_t>(colour >> 8));
    model.setRgbB(static_cast<std::uint8_t>(colour >> 16));
}

// Every read property of every colour.
void EveryModelRead(benchmark::State& state)
{
    cClrModels model;
    for (auto _ : state) {
        long sum = 0;
        for (int colour = 0; colour < kColourCount; ++colour) {
            setColour(model, colour);
            sum += model.cmyC() + model.cmyM() + model.cmyY();
            sum += model.cmykK() + model.cmykC() + model.cmykM() + model.cmykY();
            sum += model.hlsH() + model.hlsL() + model.hlsS();
            sum += model.rgbR() + model.rgbG() + model.rgbB();
            sum += model.ycbcrY() + model.ycbcrCb() + model.ycbcrCr();
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * kColourCount);
}
BENCHMARK(EveryModelRead)->Unit(benchmark::kMillisecond);

void HslReads(benchmark::State& state)
{
    cClrModels model;
    for (auto _ : state) {
        long sum = 0;
        for (int colour = 0; colour < kColourCount; ++colour) {
            setColour(model, colour);
            sum += model.hlsH() + model.hlsL() + model.hlsS();
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * kColourCount);
}
BENCHMARK(HslReads)->Unit(benchmark::kMillisecond);

void CmykReads(benchmark::State& state)
{
    cClrModels model;
    for (auto _ : state) {
        long sum = 0;
        for (int colour = 0; colour < kColourCount; ++colour) {
            setColour(model, colour);
            sum += model.cmykK() + model.cmykC() + model.cmykM() + model.cmykY();
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * kColourCount);
}
BENCHMARK(CmykReads)->Unit(benchmark::kMillisecond);

void YCbCrReads(benchmark::State& state)
{
    cClrModels model;
    for (auto _ : state) {
        long sum = 0;
        for (int colour = 0; colour < kColourCount; ++colour) {
            setColour(model, colour);
            sum += model.ycbcrY() + model.ycbcrCb() + model.ycbcrCr();
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * kColourCount);
}
BENCHMARK(YCbCrReads)->Unit(benchmark::kMillisecond);

void RgbToHslEveryColour(benchmark::State& state)
{
    for (auto _ : state) {
        long sum = 0;
        for (int colour = 0; colour < kColourCount; ++colour) {
            const HSLValue hsl = RGBToHSL(colour & 255, (colour >> 8) & 255, colour >> 16);
            sum += hsl.H + hsl.S + hsl.L;
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * kColourCount);
}
BENCHMARK(RgbToHslEveryColour)->Unit(benchmark::kMillisecond);

// Every argument: hue 0-360, saturation and lightness 0-100.
void HslToRgbEveryArgument(benchmark::State& state)
{
    for (auto _ : state) {
        long sum = 0;
        for (int h = 0; h <= 360; ++h)
            for (int s = 0; s <= 100; ++s)
                for (int l = 0; l <= 100; ++l) {
                    const RGBValue rgb = HSLToRGB(h, s, l);
                    sum += rgb.R + rgb.G + rgb.B;
                }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * 361 * 101 * 101);
}
BENCHMARK(HslToRgbEveryArgument)->Unit(benchmark::kMillisecond);

// The wheel of every colour; the argument is the wheel type (0 RGB, 1 RYB).
void WheelOfEveryColour(benchmark::State& state)
{
    const int type = static_cast<int>(state.range(0));
    for (auto _ : state) {
        long sum = 0;
        for (ColorValue colour = 0; colour < kColourCount; ++colour) {
            const auto cells = WheelColors(colour, type);
            sum += cells[1] + cells[6] + cells[11];
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * kColourCount);
}
BENCHMARK(WheelOfEveryColour)->Arg(kRgbWheel)->Arg(kRybWheel)->Unit(benchmark::kMillisecond);

} // namespace
