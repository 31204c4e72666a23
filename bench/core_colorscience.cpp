// Benchmarks of the CSS colour models, contrast, colour-vision simulation, colour names, CSS texts
// and the OKLCH wheel. Each whole-range benchmark reads all 2^24 colours; FloorReadEveryColour is
// the same loop doing nothing but reading them, the floor the others stand beside.
#include "core/access/contrast.h"
#include "core/access/cvd.h"
#include "core/colour/colornames.h"
#include "core/colour/colorspaces.h"
#include "core/colour/cssnotation.h"
#include "core/wheel/wheelcolors.h"

#include <benchmark/benchmark.h>

using namespace prismara;

namespace {

constexpr ColorValue kColourCount = 1 << 24;

// Runs `work` on every colour and sums what it returns, so nothing is optimised away.
template <typename Work>
void everyColour(benchmark::State& state, Work work, ColorValue stride = 1)
{
    for (auto _ : state) {
        double sum = 0;
        for (ColorValue colour = 0; colour < kColourCount; colour += stride)
            sum += work(colour);
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * (kColourCount / stride));
}

void FloorReadEveryColour(benchmark::State& state)
{
    everyColour(state, [](ColorValue c) { return double(GetRed(c) + GetGreen(c) + GetBlue(c)); });
}
BENCHMARK(FloorReadEveryColour)->Unit(benchmark::kMillisecond);

void LinearSrgbEveryColour(benchmark::State& state)
{
    everyColour(state, [](ColorValue c) { const LinearSrgb v = LinearOf(c); return v.r + v.g + v.b; });
}
BENCHMARK(LinearSrgbEveryColour)->Unit(benchmark::kMillisecond);

void XyzEveryColour(benchmark::State& state)
{
    everyColour(state, [](ColorValue c) { const XyzD65 v = XyzOf(c); return v.x + v.y + v.z; });
}
BENCHMARK(XyzEveryColour)->Unit(benchmark::kMillisecond);

void LabEveryColour(benchmark::State& state)
{
    everyColour(state, [](ColorValue c) { const CieLab v = LabOf(c); return v.l + v.a + v.b; });
}
BENCHMARK(LabEveryColour)->Unit(benchmark::kMillisecond);

void LchEveryColour(benchmark::State& state)
{
    everyColour(state, [](ColorValue c) { const CieLch v = LchOf(c); return v.l + v.c + v.h; });
}
BENCHMARK(LchEveryColour)->Unit(benchmark::kMillisecond);

void OklabEveryColour(benchmark::State& state)
{
    everyColour(state, [](ColorValue c) { const OkLab v = OklabOf(c); return v.l + v.a + v.b; });
}
BENCHMARK(OklabEveryColour)->Unit(benchmark::kMillisecond);

void OklchEveryColour(benchmark::State& state)
{
    everyColour(state, [](ColorValue c) { const OkLch v = OklchOf(c); return v.l + v.c + v.h; });
}
BENCHMARK(OklchEveryColour)->Unit(benchmark::kMillisecond);

void CssHslEveryColour(benchmark::State& state)
{
    everyColour(state, [](ColorValue c) { const CssHsl v = HslOf(c); return v.h + v.s + v.l; });
}
BENCHMARK(CssHslEveryColour)->Unit(benchmark::kMillisecond);

// There and back: the model and the inverse conversion with its gamut check and rounding.
void LabRoundTripEveryColour(benchmark::State& state)
{
    everyColour(state, [](ColorValue c) { return double(ToColor(LabOf(c))); });
}
BENCHMARK(LabRoundTripEveryColour)->Unit(benchmark::kMillisecond);

void OklchRoundTripEveryColour(benchmark::State& state)
{
    everyColour(state, [](ColorValue c) { return double(ToColor(OklchOf(c))); });
}
BENCHMARK(OklchRoundTripEveryColour)->Unit(benchmark::kMillisecond);

void WcagContrastEveryColour(benchmark::State& state)
{
    everyColour(state, [](ColorValue c) { return ContrastRatio(c, kWhite); });
}
BENCHMARK(WcagContrastEveryColour)->Unit(benchmark::kMillisecond);

void ApcaEveryColour(benchmark::State& state)
{
    everyColour(state, [](ColorValue c) { return ApcaContrast(c, kWhite); });
}
BENCHMARK(ApcaEveryColour)->Unit(benchmark::kMillisecond);

// The argument is the deficiency (0 protanopia ... 3 achromatopsia), at severity 1.
void SimulateEveryColour(benchmark::State& state)
{
    const auto deficiency = static_cast<Deficiency>(state.range(0));
    everyColour(state, [deficiency](ColorValue c) { return double(SimulateDeficiency(c, deficiency)); });
}
BENCHMARK(SimulateEveryColour)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

// Samples of the range (every 256th colour: 65536 colours), for the slower operations.
void NearestNameSample(benchmark::State& state)
{
    everyColour(state, [](ColorValue c) { return double(NearestColorName(c).value); }, 256);
}
BENCHMARK(NearestNameSample)->Unit(benchmark::kMillisecond);

void CssTextsSample(benchmark::State& state)
{
    everyColour(state, [](ColorValue c) {
        std::size_t length = 0;
        for (const CssNotationInfo& info : CssNotations())
            length += CssText(info.notation, c).size();
        return double(length);
    }, 256);
}
BENCHMARK(CssTextsSample)->Unit(benchmark::kMillisecond);

void OklchWheelSample(benchmark::State& state)
{
    everyColour(state, [](ColorValue c) { return double(WheelColors(c, kOklchWheel)[6]); }, 256);
}
BENCHMARK(OklchWheelSample)->Unit(benchmark::kMillisecond);

// Every 4096th colour (4096 colours) fixed for AA on white.
void FixContrastSample(benchmark::State& state)
{
    everyColour(state, [](ColorValue c) {
        return double(FixContrast(c, kWhite, WcagCriterion::AaNormal).value_or(0));
    }, 4096);
}
BENCHMARK(FixContrastSample)->Unit(benchmark::kMillisecond);

} // namespace
