// Benchmarks of palette import and export on a GIMP palette of 100,000 named colours, beside the
// floor of any import: reading a file of the same colours and parsing their hex digits.
#include "core/files/fileio.h"
#include "core/formats/paletteformat.h"
#include "core/palette/paletteexchange.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

using namespace prismara;

namespace {

constexpr int kColours = 100'000;

// A program folder with an index and the two files to import, removed at exit.
class BenchFolder
{
public:
    BenchFolder()
    {
        std::string templ = (std::filesystem::temp_directory_path() / "prismara-bench-XXXXXX").string();
        if (::mkdtemp(templ.data()) == nullptr)
            std::abort();
        path_ = templ;
        std::string gpl = "GIMP Palette\nName: Big\nColumns: 16\n#\n";
        std::string hex;
        for (int k = 0; k < kColours; ++k) {
            const auto color = static_cast<ColorValue>(std::int64_t{k} * 7919 % 0x1000000);
            gpl += std::to_string(GetRed(color)) + ' ' + std::to_string(GetGreen(color)) + ' ' +
                   std::to_string(GetBlue(color)) + "\tColour " + std::to_string(k + 1) + '\n';
            hex += HtmlHex(color) + '\n';
        }
        const std::string index = "c1.rgb\r\nWeb\r\n0\r\nrecent.rgb\r\nRecent Colors\r\n0\r\n";
        if (!ReplaceFile(path_ / "big.gpl", path_ / "big.tmp", gpl) ||
            !ReplaceFile(path_ / "big.hex", path_ / "big.tmp", hex) ||
            !ReplaceFile(path_ / "colorchart.cci", path_ / "colorchart.cct", index))
            std::abort();
    }
    ~BenchFolder()
    {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

const BenchFolder& folder()
{
    static const BenchFolder dir;
    return dir;
}

// The floor: the bytes of a file of the same colours, one "#RRGGBB" a line, and their hex parsed.
void BM_Floor_ReadBytesParseHex(benchmark::State& state)
{
    for (auto _ : state) {
        const std::string bytes = ReadFile(folder().path() / "big.hex").value_or(std::string());
        std::vector<ColorValue> colors;
        colors.reserve(kColours);
        for (std::size_t at = 0; at + 8 <= bytes.size(); at += 8)
            colors.push_back(ParseRgbRecord(std::string_view(bytes).substr(at + 1, 6)).value_or(0));
        benchmark::DoNotOptimize(colors.data());
    }
}
BENCHMARK(BM_Floor_ReadBytesParseHex)->Unit(benchmark::kMillisecond);

// Reading and parsing the GIMP palette, names and all.
void BM_ReadGpl(benchmark::State& state)
{
    for (auto _ : state) {
        const std::string bytes = ReadFile(folder().path() / "big.gpl").value_or(std::string());
        const PaletteReadResult read = ReadPalette("big.gpl", bytes);
        if (read.palette.entries.size() != kColours)
            state.SkipWithError("not read");
    }
}
BENCHMARK(BM_ReadGpl)->Unit(benchmark::kMillisecond);

// The whole import: read, parse, write the palette file and its names, append the index record.
void BM_ImportGpl(benchmark::State& state)
{
    PaletteStore store(folder().path());
    for (auto _ : state) {
        const ImportOutcome made = ImportPaletteFile(store, folder().path() / "big.gpl");
        state.PauseTiming();
        if (!made.result || made.colors != kColours || !store.deleteChart(made.position))
            state.SkipWithError("import failed");
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ImportGpl)->Unit(benchmark::kMillisecond);

// Export of the imported palette as a GIMP palette and as CSS (unique identifiers).
void BM_Export(benchmark::State& state)
{
    PaletteStore store(folder().path());
    const ImportOutcome made = ImportPaletteFile(store, folder().path() / "big.gpl");
    const PaletteFormat& format = PaletteFormats()[static_cast<std::size_t>(state.range(0))];
    state.SetLabel(std::string(format.id));
    for (auto _ : state) {
        const ExportOutcome out = ExportPalette(store, made.position, format);
        benchmark::DoNotOptimize(out.bytes.data());
    }
    (void)store.deleteChart(made.position);
}
BENCHMARK(BM_Export)->Arg(0)->Arg(6)->Unit(benchmark::kMillisecond);

} // namespace
