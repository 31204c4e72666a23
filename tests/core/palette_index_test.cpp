// Tests of the palette index "colorchart.cci": repair, reading, the next file name, the kinds,
// adding and deleting records.
#include "core/palette/chartindex.h"
#include "core/palette/chartkind.h"
#include "palette_testutil.h"

#include <gtest/gtest.h>

using namespace prismara;
using namespace prismara::test;

namespace {

std::vector<std::string> filesOf(const ChartList& list)
{
    std::vector<std::string> files;
    for (const auto& entry : list.entries)
        files.push_back(entry.file);
    return files;
}

const std::string kBuiltIns = indexOf({"c1.rgb|Web Safe Colors|0", "recent.rgb|Recent Colors|0",
                                       "c2.rgb|CSS Named Colors|2", "c3.rgb|Grays|2"});
const std::vector<std::string> kBuiltInFiles = {"c1.rgb", "recent.rgb", "c2.rgb", "c3.rgb"};

} // namespace

TEST(PaletteIndex, ReadingRepairsBlankLinesOnceAndShiftsRecordsUp)
{
    TempDir dir;
    dir.write("colorchart.cci", paletteFixture("colorchart_blanks.cci"));
    const ChartList list = ChartIndex(dir.path()).read();
    EXPECT_TRUE(list.error.empty() && list.warnings.empty()) << list.error;
    EXPECT_EQ(dir.read("colorchart.cci"), paletteFixture("colorchart_repaired.cci"));
    EXPECT_EQ(filesOf(list), (std::vector<std::string>{"c1.rgb", "recent.rgb", "c2.rgb", "c3.rgb", "c8.rgb", "c9.rgb"}));
    EXPECT_EQ(list.entries[4].name, "  My Palette  ");
    EXPECT_EQ(ChartKindOf(list.entries[4].kind), ChartKind::User) << "kind \" 1 \"";
    EXPECT_EQ(list.entries[5].record, 6);
    EXPECT_EQ(list.newChartFile, "c10.rgb");

    // A clean index is left alone: not even its time changes.
    const auto before = std::filesystem::last_write_time(dir / "colorchart.cci");
    FaultInjection::failAt(1); // any write would fail and show
    EXPECT_TRUE(ChartIndex(dir.path()).RepairFile().ok());
    EXPECT_EQ(FaultInjection::count(), 0);
    FaultInjection::reset();
    EXPECT_EQ(std::filesystem::last_write_time(dir / "colorchart.cci"), before);

    TempDir empty;
    EXPECT_EQ(ChartIndex(empty.path()).RepairFile().file(), "colorchart.cci");
    EXPECT_TRUE(filesIn(empty.path()).empty()) << "a missing index is never created";
}

TEST(PaletteIndex, NextNameFollowsTheLastRecordAndIsNeverOneInUse)
{
    struct Case
    {
        const char* what;
        std::string index;
        std::vector<std::string> existingFiles;
        const char* expected;
    };
    const std::vector<Case> cases = {
        {"the last record's number plus one", kBuiltIns + indexOf({"c9.rgb|Nine|1"}), {}, "c10.rgb"},
        {"last name not of the c<N>.rgb form", kBuiltIns + indexOf({"c12.rgb|A|1", "mine.rgb|B|1"}), {}, "c13.rgb"},
        {"last name with a sign", kBuiltIns + indexOf({"c-4.rgb|A|1"}), {}, "c4.rgb"},
        {"last name with upper-case suffix", kBuiltIns + indexOf({"c5.RGB|A|1"}), {}, "c4.rgb"},
        {"last name too large for a number", kBuiltIns + indexOf({"c99999999999999999999999.rgb|A|1"}), {}, "c4.rgb"},
        {"successor already in the index", kBuiltIns + indexOf({"c5.rgb|A|1", "c4.rgb|B|1"}), {}, "c6.rgb"},
        {"successor left in the folder", kBuiltIns + indexOf({"c5.rgb|A|1"}), {"c6.rgb", "c7.rgb"}, "c8.rgb"},
        {"leading zeros", kBuiltIns + indexOf({"c007.rgb|A|1"}), {}, "c8.rgb"},
        {"incomplete last record", kBuiltIns + "c4.rgb\r\nCut short\r\n", {}, "c4.rgb"},
    };
    for (const Case& c : cases) {
        TempDir dir;
        dir.write("colorchart.cci", c.index);
        for (const auto& name : c.existingFiles)
            dir.write(name, "FF0000");
        EXPECT_EQ(ChartIndex(dir.path()).read().newChartFile, c.expected) << c.what;
    }
}

TEST(PaletteIndex, AppendWritesThreeLinesOnARecordBoundaryAndRefusesBadNames)
{
    TempDir dir;
    ChartIndex index(dir.path());
    EXPECT_FALSE(index.appendRecord("c1.rgb", "First").ok()) << "a missing index";
    EXPECT_TRUE(filesIn(dir.path()).empty()) << "is never created";

    const std::pair<std::string, std::string> rows[] = {
        {kBuiltIns, kBuiltIns + indexOf({"c5.rgb|Ocean Blues|1"})},
        {kBuiltIns + "c4.rgb\r\nHalf a record\r\n", kBuiltIns + indexOf({"c5.rgb|Ocean Blues|1"})},
        {kBuiltIns + "c4.rgb\r\nNo line end\r\n1", kBuiltIns + indexOf({"c4.rgb|No line end|1", "c5.rgb|Ocean Blues|1"})},
    };
    for (const auto& [before, after] : rows) {
        dir.write("colorchart.cci", before);
        ASSERT_TRUE(index.appendRecord("c5.rgb", "Ocean Blues").ok());
        EXPECT_EQ(dir.read("colorchart.cci"), after);
    }
    EXPECT_EQ(filesIn(dir.path()), std::set<std::string>{"colorchart.cci"}) << "the palette file comes with its first display";

    const std::pair<std::string, std::string> refused[] = {
        {"c4.rgb", "two\r\nlines"}, {"c4.rgb", "line\nfeed"}, {"c4.rgb", "   "}, {"../c4.rgb", "Escape"}, {"colorchart.cci", "Index"},
    };
    for (const auto& [file, name] : refused)
        EXPECT_FALSE(index.appendRecord(file, name).ok()) << file << " / " << name;
    EXPECT_EQ(dir.read("colorchart.cci"), rows[2].second);
}

TEST(PaletteIndex, DeleteChartRemovesExactlyTheRecordItIsAskedFor)
{
    const std::string a = indexOf({"c1.rgb|A|1"}), b = indexOf({"c2.rgb|B|1"}), c = indexOf({"c3.rgb|C|1"});
    for (const auto& [record, expected] : {std::pair{1, b + c}, {2, a + c}, {3, a + b}}) {
        TempDir dir;
        dir.write("colorchart.cci", a + b + c + "c9.rgb\r\n");
        ASSERT_TRUE(ChartIndex(dir.path()).DeleteChart(record).ok()) << record;
        EXPECT_EQ(dir.read("colorchart.cci"), expected + "c9.rgb\r\n") << record << ": an incomplete record is kept";
    }
    TempDir dir;
    dir.write("colorchart.cci", a + b);
    for (const std::int32_t bad : {0, -1, 3})
        EXPECT_EQ(ChartIndex(dir.path()).DeleteChart(bad).file(), "colorchart.cci") << bad;
    EXPECT_FALSE(ChartIndex(dir.path()).DeleteChart(2, "c1.rgb").ok()) << "record 2 names c2.rgb";
    EXPECT_EQ(dir.read("colorchart.cci"), a + b);

    dir.write("colorchart.cci", paletteFixture("colorchart_blanks.cci"));
    const ChartList list = ChartIndex(dir.path()).read();
    ASSERT_TRUE(ChartIndex(dir.path()).DeleteChart(list.entries[4].record, "c8.rgb").ok());
    EXPECT_EQ(dir.read("colorchart.cci"), paletteFixture("colorchart_deleted5.cci"));
}

TEST(PaletteIndex, DamagedIndexesReadWhatIsSoundAndSayWhatIsNot)
{
    TempDir dir;
    ChartList list = ChartIndex(dir.path()).read();
    EXPECT_NE(list.error.find("colorchart.cci"), std::string::npos) << "missing: " << list.error;
    dir.write("colorchart.cci", "\r\n  \r\n");
    EXPECT_FALSE(ChartIndex(dir.path()).read().error.empty()) << "no record";

    dir.write("colorchart.cci", kBuiltIns + "c4.rgb\r\nCut short\r\n");
    list = ChartIndex(dir.path()).read();
    EXPECT_EQ(filesOf(list), kBuiltInFiles);
    ASSERT_EQ(list.warnings.size(), 1u);
    EXPECT_NE(list.warnings[0].find("incomplete"), std::string::npos) << list.warnings[0];

    const std::string escaping[] = {"../c4.rgb", "/etc/passwd", "sub/c4.rgb", "..\\c4.rgb", ".", "..",
                                    "colorchart.cci", "colorchart.cct", std::string("c4\0.rgb", 7), "c4\t.rgb"};
    for (const std::string& name : escaping) {
        dir.write("colorchart.cci", kBuiltIns + name + "\r\nBad\r\n1\r\n" + indexOf({"c5.rgb|Good|1"}));
        list = ChartIndex(dir.path()).read();
        EXPECT_EQ(filesOf(list).back(), "c5.rgb") << name;
        EXPECT_EQ(list.entries.size(), 5u) << name;
        EXPECT_EQ(list.entries.back().record, 6) << name;
        EXPECT_EQ(list.warnings.size(), 1u) << name;
    }
    for (const std::string name : {"c4.rgb", "My colours.rgb", " c4.rgb", "...", "c4.rgb.tmp"})
        EXPECT_TRUE(ChartIndex::isPlainFileName(name)) << name;
}

TEST(PaletteIndex, KindFlagsDecideWhatMayChange)
{
    struct Case
    {
        const char* flag;
        ChartKind kind;
        bool deletable, editable;
    };
    const Case cases[] = {
        {"  0 ", ChartKind::BuiltIn, false, true}, {" 1", ChartKind::User, true, true},
        {"2  ", ChartKind::ReadOnly, false, false}, {"01", ChartKind::Unknown, false, false},
        {"\t1", ChartKind::Unknown, false, false}, {"", ChartKind::Unknown, false, false},
    };
    for (const Case& c : cases) {
        const ChartKind kind = ChartKindOf(c.flag);
        EXPECT_EQ(kind, c.kind) << "flag '" << c.flag << "'";
        EXPECT_EQ(CanDeleteChart(kind), c.deletable) << "flag '" << c.flag << "'";
        EXPECT_EQ(CanEditChart(kind), c.editable) << "flag '" << c.flag << "'";
        EXPECT_EQ(IsAddTarget(kind), c.editable) << "flag '" << c.flag << "'";
    }
    TempDir dir;
    dir.write("colorchart.cci", kBuiltIns + indexOf({"c4.rgb|Odd|7"}));
    const ChartList list = ChartIndex(dir.path()).read();
    EXPECT_EQ(list.entries.size(), 5u);
    EXPECT_EQ(list.warnings.size(), 1u) << "an unknown kind is reported and read-only";
}
