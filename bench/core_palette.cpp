// Benchmarks of the palette store on palettes of 1k, 100k, 1M and 4M colours, each beside its
// floor measured in the same run, interleaved with it: showing a page (floor: one stat and one
// ranged read), appending a colour (floor: one appending write), Delete Selected Color (floor: one
// read, one write without the record, fsync, rename) and Clear Duplicate Colors (floor: one read,
// a bit set over the 2^24 colours, one write, fsync, rename).
//
// Each line gives the median process CPU time of the operation (cpu_us) and of its floor
// (floor_cpu_us) and their ratio (x_floor). Clear Duplicate Colors also gives the peak of the
// resident size above what it was before (peak_MiB) beside its bound, the file size plus 8 MiB
// (bound_MiB), and how far the resident size afterwards is from before (kept_MiB). The Time
// column is the operation's mean wall time; the CPU column covers a whole round (the
// operation, its floor and setting up their files), so read the counters.
#include "core/palette/palettefile.h"
#include "core/palette/palettepage.h"
#include "core/files/fileio.h"
#include "support/privatedir.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace prismara;

namespace {

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

std::filesystem::path pathOf(const std::string& name) { return folder().path() / name; }

// `count` records; with `distinct` < count the colours repeat every `distinct` records.
std::string paletteBytes(std::int64_t count, std::int64_t distinct)
{
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(count) * kRecordSize);
    for (std::int64_t k = 0; k < count; ++k)
        bytes += HtmlHex(static_cast<ColorValue>(k % distinct * 7919 % 0x1000000)).substr(1);
    return bytes;
}

// Plain writes without a flush: setting up a file is not what is measured.
void writePlain(const std::string& name, const std::string& bytes)
{
    const int fd = ::open(pathOf(name).c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0 || ::write(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size()) || ::close(fd) != 0)
        std::abort();
}

double cpuSeconds()
{
    timespec t{};
    ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

double wallSeconds()
{
    timespec t{};
    ::clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0.0 : values[values.size() / 2];
}

// A line of /proc/self/status in MiB ("VmRSS:", "VmHWM:").
double statusMiB(const char* key)
{
    std::FILE* status = std::fopen("/proc/self/status", "r");
    if (!status)
        return 0;
    char line[256];
    double kb = 0;
    const std::size_t length = std::strlen(key);
    while (std::fgets(line, sizeof line, status)) {
        if (std::strncmp(line, key, length) == 0) {
            kb = std::strtod(line + length, nullptr);
            break;
        }
    }
    std::fclose(status);
    return kb / 1024.0;
}

// Makes VmHWM start again from the present resident size.
void resetPeak()
{
    if (std::FILE* refs = std::fopen("/proc/self/clear_refs", "w")) {
        std::fputs("5", refs);
        std::fclose(refs);
    }
}

// Runs `reps` rounds of setup, operation, setup, floor and sets the counters from the medians.
template <typename Setup, typename Op, typename Floor>
void compare(benchmark::State& state, int reps, Setup setup, Op op, Floor floor)
{
    std::vector<double> opCpu, floorCpu;
    for (auto _ : state) {
        double wall = 0;
        for (int r = 0; r < reps; ++r) {
            setup();
            const double w0 = wallSeconds(), c0 = cpuSeconds();
            op();
            const double c1 = cpuSeconds();
            wall += wallSeconds() - w0;
            opCpu.push_back(c1 - c0);
            setup();
            const double c2 = cpuSeconds();
            floor();
            floorCpu.push_back(cpuSeconds() - c2);
        }
        state.SetIterationTime(wall / reps);
    }
    const double mine = median(opCpu), base = median(floorCpu);
    state.counters["cpu_us"] = mine * 1e6;
    state.counters["floor_cpu_us"] = base * 1e6;
    state.counters["x_floor"] = base > 0 ? mine / base : 0;
}

// Rounds per size: more for the small palettes, whose times are short.
int repsFor(std::int64_t colours, int most) { return static_cast<int>(std::clamp<std::int64_t>(4'000'000 / colours, 3, most)); }

// The floor's pieces, straight on the system.
std::string readAll(const std::filesystem::path& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    struct stat st {};
    if (fd < 0 || ::fstat(fd, &st) != 0)
        std::abort();
    std::string bytes(static_cast<std::size_t>(st.st_size), '\0');
    if (::pread(fd, bytes.data(), bytes.size(), 0) != static_cast<ssize_t>(bytes.size()))
        std::abort();
    ::close(fd);
    return bytes;
}

void replaceAll(const std::filesystem::path& path, const char* data, std::size_t size)
{
    const std::string temp = path.string() + ".tmp";
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0 || ::write(fd, data, size) != static_cast<ssize_t>(size) || ::fsync(fd) != 0 || ::close(fd) != 0 ||
        ::rename(temp.c_str(), path.c_str()) != 0)
        std::abort();
}

constexpr std::array<int, 256> kHex = [] {
    std::array<int, 256> digits{};
    for (int c = '0'; c <= '9'; ++c)
        digits[static_cast<std::size_t>(c)] = c - '0';
    for (int c = 'A'; c <= 'F'; ++c)
        digits[static_cast<std::size_t>(c)] = c - 'A' + 10;
    return digits;
}();

void floorDedupe(const std::filesystem::path& path)
{
    std::string bytes = readAll(path);
    std::vector<unsigned char> seen(std::size_t{1} << 21);
    std::size_t out = 0;
    for (std::size_t at = 0; at + kRecordSize <= bytes.size(); at += kRecordSize) {
        unsigned value = 0;
        for (std::size_t j = 0; j < kRecordSize; ++j)
            value = (value << 4) | static_cast<unsigned>(kHex[static_cast<unsigned char>(bytes[at + j])]);
        const auto bit = static_cast<unsigned char>(1u << (value & 7));
        if (seen[value >> 3] & bit)
            continue;
        seen[value >> 3] = static_cast<unsigned char>(seen[value >> 3] | bit);
        std::memmove(bytes.data() + out, bytes.data() + at, kRecordSize);
        out += kRecordSize;
    }
    replaceAll(path, bytes.data(), out);
}

void floorRemoveOne(const std::filesystem::path& path, std::size_t record)
{
    std::string bytes = readAll(path);
    bytes.erase(record * kRecordSize, kRecordSize);
    replaceAll(path, bytes.data(), bytes.size());
}

const std::vector<std::int64_t> kSizes = {1'000, 100'000, 1'000'000, 4'000'000};

void sizes(benchmark::internal::Benchmark* b)
{
    for (const std::int64_t n : kSizes)
        b->Arg(n);
    b->Iterations(1)->UseManualTime()->Unit(benchmark::kMicrosecond);
}

void BM_PageDisplay(benchmark::State& state)
{
    const std::int64_t colours = state.range(0);
    writePlain("page.rgb", paletteBytes(colours, colours));
    const PaletteFile file(folder().path(), "page.rgb");
    const auto path = pathOf("page.rgb");
    // As the view does it: recount on page 1, then read the page's records.
    compare(
        state, 2000, [] {}, [&] { benchmark::DoNotOptimize(file.page(file.count(), 1)); },
        [&] {
            struct stat st {};
            ::stat(path.c_str(), &st);
            const std::size_t size = PalettePage::kCells * kRecordSize;
            const auto offset = std::max<off_t>(0, st.st_size - static_cast<off_t>(size));
            char buffer[PalettePage::kCells * kRecordSize];
            const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
            benchmark::DoNotOptimize(::pread(fd, buffer, size, offset));
            ::close(fd);
        });
}
BENCHMARK(BM_PageDisplay)->Apply(sizes);

void BM_Append(benchmark::State& state)
{
    const std::int64_t colours = state.range(0);
    writePlain("append.rgb", paletteBytes(colours, colours));
    const auto path = pathOf("append.rgb");
    compare(
        state, 2000, [] {},
        [&] {
            if (!AppendChartColor(folder().path(), "append.rgb", "#336699"))
                state.SkipWithError("append failed");
        },
        [&] {
            const int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
            benchmark::DoNotOptimize(::write(fd, "336699", kRecordSize));
            ::close(fd);
        });
}
BENCHMARK(BM_Append)->Apply(sizes);

void BM_RemoveRecord(benchmark::State& state)
{
    const std::int64_t colours = state.range(0);
    const std::string bytes = paletteBytes(colours, colours);
    const PaletteFile file(folder().path(), "del.rgb");
    compare(
        state, repsFor(colours, 30), [&] { writePlain("del.rgb", bytes); },
        [&] {
            if (!file.removeRecord(static_cast<std::int32_t>(colours / 2)))
                state.SkipWithError("rewrite failed");
        },
        [&] { floorRemoveOne(file.path(), static_cast<std::size_t>(colours / 2 - 1)); });
}
BENCHMARK(BM_RemoveRecord)->Apply(sizes);

// Half the records repeat the other half.
void BM_RemoveDuplicates(benchmark::State& state)
{
    const std::int64_t colours = state.range(0);
    const std::string bytes = paletteBytes(colours, colours / 2);
    const PaletteFile file(folder().path(), "dup.rgb");
    compare(
        state, repsFor(colours, 30), [&] { writePlain("dup.rgb", bytes); },
        [&] {
            if (!file.removeDuplicates())
                state.SkipWithError("rewrite failed");
        },
        [&] { floorDedupe(file.path()); });
    // The memory, in one more run of its own.
    writePlain("dup.rgb", bytes);
    const double before = statusMiB("VmRSS:");
    resetPeak();
    (void)file.removeDuplicates();
    state.counters["peak_MiB"] = statusMiB("VmHWM:") - before;
    state.counters["bound_MiB"] = static_cast<double>(bytes.size()) / (1 << 20) + 8;
    state.counters["kept_MiB"] = statusMiB("VmRSS:") - before;
}
BENCHMARK(BM_RemoveDuplicates)->Apply(sizes);

} // namespace
