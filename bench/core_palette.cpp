// Benchmarks of the palette store on palettes of a million colours: showing a page, appending
// a colour, Clear Duplicate Colors and Delete Selected Color.
#include "core/palette/palettefile.h"
#include "core/palette/palettepage.h"
#include "core/files/fileio.h"
#include "support/privatedir.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

using namespace prismara;

namespace {

constexpr std::int32_t kColours = 1'000'000;

// A private folder for the benchmark's palettes, removed at exit.
class BenchFolder
{
public:
    BenchFolder() : path_(prismara::test::makePrivateDir("bench")) {}
    ~BenchFolder() { prismara::test::removePrivateDir(path_); }
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

const BenchFolder& folder()
{
    static const BenchFolder dir;
    return dir;
}

// `count` records; with `distinct` < count the colours repeat every `distinct` records.
std::string paletteBytes(std::int32_t count, std::int32_t distinct)
{
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(count) * kRecordSize);
    for (std::int32_t k = 0; k < count; ++k)
        bytes += HtmlHex(static_cast<ColorValue>(std::int64_t{k % distinct} * 7919 % 0x1000000)).substr(1);
    return bytes;
}

void writePalette(const std::string& name, const std::string& bytes)
{
    if (!ReplaceFile(folder().path() / name, folder().path() / (name + ".tmp"), bytes))
        std::abort();
}

void BM_PageRead(benchmark::State& state)
{
    writePalette("page.rgb", paletteBytes(kColours, kColours));
    const PaletteFile file(folder().path(), "page.rgb");
    const std::int32_t page = static_cast<std::int32_t>(state.range(0));
    for (auto _ : state) {
        // As the view does it: recount on page 1, then read the page's records.
        const std::int32_t count = file.count();
        benchmark::DoNotOptimize(file.page(count, page));
    }
}
BENCHMARK(BM_PageRead)->Arg(1)->Arg(2315)->Arg(4630)->Unit(benchmark::kMicrosecond);

void BM_Append(benchmark::State& state)
{
    writePalette("append.rgb", paletteBytes(kColours, kColours));
    for (auto _ : state) {
        if (!AppendChartColor(folder().path(), "append.rgb", "#336699"))
            state.SkipWithError("append failed");
    }
}
BENCHMARK(BM_Append)->Unit(benchmark::kMicrosecond);

void BM_RemoveDuplicates(benchmark::State& state)
{
    const std::string bytes = paletteBytes(kColours, static_cast<std::int32_t>(state.range(0)));
    const PaletteFile file(folder().path(), "dup.rgb");
    for (auto _ : state) {
        state.PauseTiming();
        writePalette("dup.rgb", bytes);
        state.ResumeTiming();
        if (!file.removeDuplicates())
            state.SkipWithError("rewrite failed");
    }
}
// All distinct (nothing removed but every record hashed), and half of them repeated.
BENCHMARK(BM_RemoveDuplicates)
    ->Arg(kColours - 1)
    ->Arg(kColours / 2)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);

void BM_RemoveRecord(benchmark::State& state)
{
    const std::string bytes = paletteBytes(kColours, kColours);
    const PaletteFile file(folder().path(), "del.rgb");
    for (auto _ : state) {
        state.PauseTiming();
        writePalette("del.rgb", bytes);
        state.ResumeTiming();
        if (!file.removeRecord(kColours / 2))
            state.SkipWithError("rewrite failed");
    }
}
BENCHMARK(BM_RemoveRecord)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace
