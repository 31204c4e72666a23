// Fuzzes the palette index: any bytes as "colorchart.cci", then the repair, the read with its
// next-name rule, and a new palette added and deleted again.
#include "fuzzsupport.h"
#include "core/palette/chartindex.h"

#include <set>

using namespace prismara;
using namespace prismara::fuzz;

namespace {

std::string repairedIndex(std::string_view text)
{
    std::string out;
    for (const std::string& line : referenceLines(text)) {
        if (!referenceBlank(line))
            out += line + "\r\n";
    }
    return out;
}

bool onlyIndex(const std::filesystem::path& folder, const std::set<std::string>& extra)
{
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (name != kChartIndexFile && extra.count(name) == 0)
            return false;
    }
    return true;
}

void checkList(const ChartList& list, const std::vector<std::string>& lines, const std::filesystem::path& folder)
{
    const std::size_t complete = lines.size() / 3;
    FUZZ_CHECK(list.error.empty() == (complete > 0), "error: " + printable(list.error));
    std::int32_t previous = 0;
    std::set<std::string> recordFiles;
    for (std::size_t r = 0; r < complete; ++r)
        recordFiles.insert(lines[3 * r]);
    for (const ChartEntry& entry : list.entries) {
        FUZZ_CHECK(entry.record > previous && entry.record <= static_cast<std::int32_t>(complete),
                   "record " + std::to_string(entry.record));
        previous = entry.record;
        const std::size_t at = 3 * static_cast<std::size_t>(entry.record - 1);
        FUZZ_CHECK(entry.file == lines[at] && entry.name == lines[at + 1] && entry.kind == lines[at + 2],
                   "record " + std::to_string(entry.record) + " read as " + printable(entry.file));
        // Every accepted name means a file directly in the program folder.
        const std::string& f = entry.file;
        FUZZ_CHECK(ChartIndex::isPlainFileName(f), printable(f));
        FUZZ_CHECK(f.find('/') == std::string::npos && f.find('\\') == std::string::npos, printable(f));
        FUZZ_CHECK(f != "." && f != ".." && !referenceBlank(f), printable(f));
        FUZZ_CHECK(f != kChartIndexFile && f != kChartIndexTemp, printable(f));
        FUZZ_CHECK((folder / f).parent_path() == folder, printable(f));
    }

    // The next name: "c" + a number without leading zeros + ".rgb", used by no record and no file.
    const std::string& next = list.newChartFile;
    const auto number = ChartIndex::chartNumber(next);
    FUZZ_CHECK(number.has_value(), "next name " + printable(next));
    FUZZ_CHECK(next == "c" + std::to_string(*number) + ".rgb", "next name " + printable(next));
    FUZZ_CHECK(recordFiles.count(next) == 0, "next name already in the index: " + printable(next));
    FUZZ_CHECK(!std::filesystem::exists(folder / next), "next name already a file: " + printable(next));
    // The rule itself: one more than the last record's number, when that name is free.
    if (complete > 0) {
        if (const auto last = ChartIndex::chartNumber(lines[3 * (complete - 1)]); last && *last < (1ULL << 62)) {
            const std::string expected = "c" + std::to_string(*last + 1) + ".rgb";
            if (recordFiles.count(expected) == 0 && !std::filesystem::exists(folder / expected))
                FUZZ_CHECK(next == expected, printable(next) + " instead of " + expected);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::filesystem::path& folder = ScratchFolder::fresh();
    const std::filesystem::path index = folder / kChartIndexFile;
    put(index, input);
    // Odd-length inputs also find palette files that no record names.
    std::set<std::string> loose;
    if (size % 2 == 1) {
        loose = {"c1.rgb", "c2.rgb", "c10.rgb"};
        for (const std::string& name : loose)
            put(folder / name, "");
    }

    // An index that is not text (a NUL byte) is read as it is and never rewritten.
    if (input.find('\0') != std::string::npos) {
        FUZZ_CHECK(!ChartIndex(folder).RepairFile().ok(), "a file that is not text was repaired");
        const ChartList list = ChartIndex(folder).read();
        FUZZ_CHECK(!list.warnings.empty() && list.warnings.front().find("not a text file") != std::string::npos,
                   "a file that is not text was not reported");
        FUZZ_CHECK(!ChartIndex(folder).appendRecord(list.newChartFile, "Fuzz").ok(), "appended to a file that is not text");
        FUZZ_CHECK(!ChartIndex(folder).DeleteChart(1, std::nullopt).ok(), "deleted from a file that is not text");
        FUZZ_CHECK(get(index) == input, "a file that is not text was changed");
        FUZZ_CHECK(onlyIndex(folder, loose), "a temporary was left");
        return 0;
    }

    // Repair: blank lines go, every other line stays unchanged, each ended by CR LF.
    const std::string repaired = repairedIndex(input);
    FUZZ_CHECK(ChartIndex(folder).RepairFile().ok(), "repair failed");
    FUZZ_CHECK(get(index) == repaired, "repaired to " + printable(get(index)));
    FUZZ_CHECK(onlyIndex(folder, loose), "a temporary was left");
    FUZZ_CHECK(ChartIndex(folder).RepairFile().ok() && get(index) == repaired, "second repair changed it");

    const std::vector<std::string> lines = referenceLines(repaired);
    const ChartList list = ChartIndex(folder).read();
    FUZZ_CHECK(get(index) == repaired, "reading changed the index");
    checkList(list, lines, folder);

    // A new palette goes in as the last record; deleting it leaves every complete record as it was.
    const std::size_t complete = lines.size() / 3;
    std::string whole;
    for (std::size_t i = 0; i < 3 * complete; ++i)
        whole += lines[i] + "\r\n";
    FUZZ_CHECK(ChartIndex(folder).appendRecord(list.newChartFile, "Fuzz").ok(), "append failed");
    const std::string added = whole + list.newChartFile + "\r\nFuzz\r\n1\r\n";
    FUZZ_CHECK(get(index) == added, "after append: " + printable(get(index)));
    const ChartList after = ChartIndex(folder).read();
    FUZZ_CHECK(!after.entries.empty() && after.entries.back().file == list.newChartFile &&
                   after.entries.back().record == static_cast<std::int32_t>(complete + 1),
               "the new palette is not the last entry");
    FUZZ_CHECK(after.newChartFile != list.newChartFile, "the new palette's name is given out again");
    checkList(after, referenceLines(added), folder);

    const auto record = static_cast<std::int32_t>(complete + 1);
    FUZZ_CHECK(!ChartIndex(folder).DeleteChart(record, std::string("x") + list.newChartFile).ok(),
               "deleted a record that names another file");
    FUZZ_CHECK(ChartIndex(folder).DeleteChart(record, list.newChartFile).ok(), "delete failed");
    FUZZ_CHECK(get(index) == whole, "after delete: " + printable(get(index)));
    FUZZ_CHECK(!ChartIndex(folder).DeleteChart(record, std::nullopt).ok(), "deleted a record beyond the end");
    FUZZ_CHECK(onlyIndex(folder, loose), "a temporary was left");
    return 0;
}
