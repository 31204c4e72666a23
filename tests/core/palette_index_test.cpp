// Tests of the palette index "colorchart.cci": repair, reading, the next file name, adding and
// deleting records.
#include "core/palette/chartindex.h"
#include "core/palette/chartkind.h"
#include "palette_testutil.h"

#include <gtest/gtest.h>

using namespace prismara;
using prismara::test::indexOf;
using prismara::test::paletteFixture;
using prismara::test::TempDir;

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

} // namespace

TEST(PaletteIndex, RepairDropsBlankAndSpaceOnlyLinesAndKeepsOthersUnchanged)
{
    TempDir dir;
    dir.write("colorchart.cci", paletteFixture("colorchart_blanks.cci"));
    ASSERT_TRUE(ChartIndex(dir.path()).RepairFile().ok());
    EXPECT_EQ(dir.read("colorchart.cci"), paletteFixture("colorchart_repaired.cci"));
    EXPECT_FALSE(dir.exists("colorchart.cct"));
}

TEST(PaletteIndex, RepairLeavesACleanIndexAloneAndNeverCreatesOne)
{
    TempDir dir;
    dir.write("colorchart.cci", kBuiltIns);
    const auto before = std::filesystem::last_write_time(dir / "colorchart.cci");
    FaultInjection::failAt(1); // any write would fail and be reported
    const StoreResult clean = ChartIndex(dir.path()).RepairFile();
    const int writes = FaultInjection::count();
    FaultInjection::reset();
    EXPECT_TRUE(clean.ok());
    EXPECT_EQ(writes, 0);
    EXPECT_EQ(std::filesystem::last_write_time(dir / "colorchart.cci"), before);

    TempDir empty;
    const StoreResult missing = ChartIndex(empty.path()).RepairFile();
    EXPECT_FALSE(missing.ok());
    EXPECT_EQ(missing.file(), "colorchart.cci");
    EXPECT_TRUE(test::filesIn(empty.path()).empty());
}

TEST(PaletteIndex, ReadRepairsFirstThenShiftsRecordsUp)
{
    TempDir dir;
    dir.write("colorchart.cci", paletteFixture("colorchart_blanks.cci"));
    const ChartList list = ChartIndex(dir.path()).read();
    EXPECT_TRUE(list.error.empty()) << list.error;
    EXPECT_TRUE(list.warnings.empty());
    EXPECT_EQ(dir.read("colorchart.cci"), paletteFixture("colorchart_repaired.cci"));
    ASSERT_EQ(list.entries.size(), 6u);
    EXPECT_EQ(filesOf(list),
              (std::vector<std::string>{"c1.rgb", "recent.rgb", "c2.rgb", "c3.rgb", "c8.rgb", "c9.rgb"}));
    EXPECT_EQ(list.entries[1].kind, "0");
    EXPECT_EQ(list.entries[4].name, "  My Palette  ");
    EXPECT_EQ(list.entries[4].kind, " 1 ");
    EXPECT_EQ(ChartKindOf(list.entries[4].kind), ChartKind::User);
    EXPECT_EQ(list.entries[5].record, 6);
    EXPECT_EQ(list.newChartFile, "c10.rgb");
}

TEST(PaletteIndex, NextNameFollowsTheLastRecordAndIsGivenOutAgainAfterItsDeletion)
{
    TempDir dir;
    dir.write("colorchart.cci", kBuiltIns + indexOf({"c9.rgb|Nine|1"}));
    ChartIndex index(dir.path());
    ASSERT_EQ(index.read().newChartFile, "c10.rgb");

    ASSERT_TRUE(index.appendRecord("c10.rgb", "Ten").ok());
    EXPECT_EQ(dir.read("colorchart.cci"), kBuiltIns + indexOf({"c9.rgb|Nine|1", "c10.rgb|Ten|1"}));
    ChartList list = index.read();
    ASSERT_EQ(list.entries.size(), 6u);
    EXPECT_EQ(list.newChartFile, "c11.rgb");

    ASSERT_TRUE(index.DeleteChart(6).ok());
    list = index.read();
    EXPECT_EQ(filesOf(list).back(), "c9.rgb");
    EXPECT_EQ(list.newChartFile, "c10.rgb");
}

TEST(PaletteIndex, NextNameWhenTheLastNameHasNoNumberOrItsSuccessorIsTaken)
{
    struct Case
    {
        const char* what;
        std::string index;
        std::vector<std::string> existingFiles;
        const char* expected;
    };
    const std::vector<Case> cases = {
        {"last name not of the c<N>.rgb form",
         kBuiltIns + indexOf({"c12.rgb|A|1", "mine.rgb|B|1"}),
         {},
         "c13.rgb"},
        {"last name with a sign", kBuiltIns + indexOf({"c-4.rgb|A|1"}), {}, "c4.rgb"},
        {"last name with upper-case suffix", kBuiltIns + indexOf({"c5.RGB|A|1"}), {}, "c4.rgb"},
        {"last name too large for a number",
         kBuiltIns + indexOf({"c99999999999999999999999.rgb|A|1"}),
         {},
         "c4.rgb"},
        {"successor already in the index", kBuiltIns + indexOf({"c5.rgb|A|1", "c4.rgb|B|1"}), {}, "c6.rgb"},
        {"successor left in the folder", kBuiltIns + indexOf({"c5.rgb|A|1"}), {"c6.rgb", "c7.rgb"}, "c8.rgb"},
        {"leading zeros", kBuiltIns + indexOf({"c007.rgb|A|1"}), {}, "c8.rgb"},
        {"only the built-ins", kBuiltIns, {}, "c4.rgb"},
    };
    for (const Case& c : cases) {
        TempDir dir;
        dir.write("colorchart.cci", c.index);
        for (const auto& name : c.existingFiles)
            dir.write(name, "FF0000");
        EXPECT_EQ(ChartIndex(dir.path()).read().newChartFile, c.expected) << c.what;
    }
}

TEST(PaletteIndex, AppendWritesThreeCrLfLinesWithFlagOne)
{
    TempDir dir;
    dir.write("colorchart.cci", kBuiltIns);
    ASSERT_TRUE(ChartIndex(dir.path()).appendRecord("c4.rgb", "Ocean Blues").ok());
    EXPECT_EQ(dir.read("colorchart.cci"), kBuiltIns + "c4.rgb\r\nOcean Blues\r\n1\r\n");
    EXPECT_FALSE(dir.exists("c4.rgb")) << "the palette file is created by its first display";
}

TEST(PaletteIndex, AppendAfterAnIncompleteRecordStartsOnARecordBoundary)
{
    TempDir dir;
    dir.write("colorchart.cci", kBuiltIns + "c4.rgb\r\nHalf a record\r\n");
    ChartIndex index(dir.path());
    ASSERT_TRUE(index.appendRecord("c5.rgb", "Whole").ok());
    EXPECT_EQ(dir.read("colorchart.cci"), kBuiltIns + indexOf({"c5.rgb|Whole|1"}));
    EXPECT_FALSE(dir.exists("colorchart.cct"));

    dir.write("colorchart.cci", kBuiltIns + "c4.rgb\r\nNo line end\r\n1");
    ASSERT_TRUE(index.appendRecord("c5.rgb", "Next").ok());
    EXPECT_EQ(dir.read("colorchart.cci"), kBuiltIns + indexOf({"c4.rgb|No line end|1", "c5.rgb|Next|1"}));
}

TEST(PaletteIndex, AppendRefusesNamesThatWouldBreakTheIndexAndNeverCreatesIt)
{
    TempDir dir;
    dir.write("colorchart.cci", kBuiltIns);
    ChartIndex index(dir.path());
    const std::vector<std::pair<std::string, std::string>> refused = {
        {"c4.rgb", "two\r\nlines"}, {"c4.rgb", "line\nfeed"},    {"c4.rgb", "   "}, {"c4.rgb", ""},
        {"../c4.rgb", "Escape"},    {"colorchart.cci", "Index"},
    };
    for (const auto& [file, name] : refused) {
        const StoreResult result = index.appendRecord(file, name);
        EXPECT_FALSE(result.ok()) << file << " / " << name;
        EXPECT_FALSE(result.message().empty());
    }
    EXPECT_EQ(dir.read("colorchart.cci"), kBuiltIns);

    TempDir empty;
    EXPECT_FALSE(ChartIndex(empty.path()).appendRecord("c1.rgb", "First").ok());
    EXPECT_TRUE(test::filesIn(empty.path()).empty());
}

TEST(PaletteIndex, DeleteChartRemovesExactlyOneRecord)
{
    const std::string recordA = indexOf({"c1.rgb|A|1"});
    const std::string recordB = indexOf({"c2.rgb|B|1"});
    const std::string recordC = indexOf({"c3.rgb|C|1"});
    struct Case
    {
        std::int32_t index;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {1, recordB + recordC},
        {2, recordA + recordC},
        {3, recordA + recordB},
    };
    for (const Case& c : cases) {
        TempDir dir;
        dir.write("colorchart.cci", recordA + recordB + recordC);
        ASSERT_TRUE(ChartIndex(dir.path()).DeleteChart(c.index).ok()) << "Index " << c.index;
        EXPECT_EQ(dir.read("colorchart.cci"), c.expected) << "Index " << c.index;
        EXPECT_FALSE(dir.exists("colorchart.cct")) << "Index " << c.index;
    }
}

TEST(PaletteIndex, DeleteChartRefusesAMissingRecordOrAnotherFile)
{
    TempDir dir;
    const std::string index = indexOf({"c1.rgb|A|1", "c2.rgb|B|1"}) + "c3.rgb\r\n";
    dir.write("colorchart.cci", index);
    ChartIndex chart(dir.path());
    for (const std::int32_t bad : {0, -1, 3, 1000}) {
        const StoreResult result = chart.DeleteChart(bad);
        EXPECT_FALSE(result.ok()) << "Index " << bad;
        EXPECT_EQ(result.file(), "colorchart.cci");
    }
    EXPECT_FALSE(chart.DeleteChart(2, "c1.rgb").ok()) << "record 2 names c2.rgb";
    EXPECT_EQ(dir.read("colorchart.cci"), index);
    ASSERT_TRUE(chart.DeleteChart(2, "c2.rgb").ok());
    EXPECT_EQ(dir.read("colorchart.cci"), indexOf({"c1.rgb|A|1"}) + "c3.rgb\r\n")
        << "remaining lines, an incomplete record included, are copied to the end";
}

TEST(PaletteIndex, FixtureIsLoadedRewrittenAndComparedByteForByte)
{
    TempDir dir;
    dir.write("colorchart.cci", paletteFixture("colorchart_blanks.cci"));
    ChartIndex index(dir.path());
    const ChartList list = index.read();
    ASSERT_EQ(list.entries.size(), 6u);
    ASSERT_EQ(list.entries[4].file, "c8.rgb");
    ASSERT_TRUE(index.DeleteChart(list.entries[4].record, list.entries[4].file).ok());
    EXPECT_EQ(dir.read("colorchart.cci"), paletteFixture("colorchart_deleted5.cci"));
    EXPECT_EQ(filesOf(index.read()),
              (std::vector<std::string>{"c1.rgb", "recent.rgb", "c2.rgb", "c3.rgb", "c9.rgb"}));
}

TEST(PaletteIndex, MissingOrEmptyIndexGivesNoPalettesAndOneError)
{
    TempDir dir;
    ChartList list = ChartIndex(dir.path()).read();
    EXPECT_TRUE(list.entries.empty());
    EXPECT_NE(list.error.find("colorchart.cci"), std::string::npos) << list.error;
    EXPECT_TRUE(list.warnings.empty());
    EXPECT_TRUE(test::filesIn(dir.path()).empty()) << "nothing is written";

    dir.write("colorchart.cci", "\r\n  \r\n");
    list = ChartIndex(dir.path()).read();
    EXPECT_TRUE(list.entries.empty());
    EXPECT_FALSE(list.error.empty());
}

TEST(PaletteIndex, IncompleteTrailingRecordIsIgnoredAndReported)
{
    TempDir dir;
    dir.write("colorchart.cci", kBuiltIns + "c4.rgb\r\nCut short\r\n");
    const ChartList list = ChartIndex(dir.path()).read();
    EXPECT_EQ(list.entries.size(), 4u);
    ASSERT_EQ(list.warnings.size(), 1u);
    EXPECT_NE(list.warnings[0].find("incomplete"), std::string::npos) << list.warnings[0];
    EXPECT_EQ(list.newChartFile, "c4.rgb") << "c4.rgb is not in a complete record";
}

TEST(PaletteIndex, RecordsNamingAnythingButAPlainFileAreIgnoredAndReported)
{
    const std::vector<std::string> escaping = {
        "../c4.rgb", "/etc/passwd", "sub/c4.rgb",     "..\\c4.rgb",     "c4\\..\\x",
        ".",         "..",          "colorchart.cci", "colorchart.cct", std::string("c4\0.rgb", 7),
        "c4\t.rgb",
    };
    for (const std::string& name : escaping) {
        TempDir dir;
        dir.write("colorchart.cci", kBuiltIns + name + "\r\nBad\r\n1\r\n" + indexOf({"c5.rgb|Good|1"}));
        const ChartList list = ChartIndex(dir.path()).read();
        EXPECT_EQ(filesOf(list),
                  (std::vector<std::string>{"c1.rgb", "recent.rgb", "c2.rgb", "c3.rgb", "c5.rgb"}))
            << "name " << name;
        EXPECT_EQ(list.entries.back().record, 6) << "name " << name;
        EXPECT_EQ(list.warnings.size(), 1u) << "name " << name;
        EXPECT_FALSE(ChartIndex::isPlainFileName(name)) << "name " << name;
    }
    EXPECT_FALSE(ChartIndex::isPlainFileName("  "));
    EXPECT_FALSE(ChartIndex::isPlainFileName(""));
    for (const std::string name : {"c4.rgb", "recent.rgb", "My colours.rgb", " c4.rgb", "...", "c4.rgb.tmp"})
        EXPECT_TRUE(ChartIndex::isPlainFileName(name)) << "name " << name;
}

TEST(PaletteIndex, UnknownFlagIsReportedAndReadOnly)
{
    TempDir dir;
    dir.write("colorchart.cci", kBuiltIns + indexOf({"c4.rgb|Odd|7"}));
    const ChartList list = ChartIndex(dir.path()).read();
    ASSERT_EQ(list.entries.size(), 5u);
    EXPECT_EQ(list.warnings.size(), 1u);
    const ChartKind kind = ChartKindOf(list.entries[4].kind);
    EXPECT_EQ(kind, ChartKind::Unknown);
    EXPECT_FALSE(CanEditChart(kind));
    EXPECT_FALSE(CanDeleteChart(kind));
    EXPECT_FALSE(IsAddTarget(kind));
}

TEST(PaletteIndex, KindFlagsAreComparedAfterTrimmingSpaces)
{
    struct Case
    {
        const char* flag;
        ChartKind kind;
        bool deletable, editable, target;
    };
    const Case cases[] = {
        {"0", ChartKind::BuiltIn, false, true, true},     {"  0 ", ChartKind::BuiltIn, false, true, true},
        {"1", ChartKind::User, true, true, true},         {" 1", ChartKind::User, true, true, true},
        {"2", ChartKind::ReadOnly, false, false, false},  {"2  ", ChartKind::ReadOnly, false, false, false},
        {"", ChartKind::Unknown, false, false, false},    {"01", ChartKind::Unknown, false, false, false},
        {"\t1", ChartKind::Unknown, false, false, false},
    };
    for (const Case& c : cases) {
        const ChartKind kind = ChartKindOf(c.flag);
        EXPECT_EQ(kind, c.kind) << "flag '" << c.flag << "'";
        EXPECT_EQ(CanDeleteChart(kind), c.deletable) << "flag '" << c.flag << "'";
        EXPECT_EQ(CanEditChart(kind), c.editable) << "flag '" << c.flag << "'";
        EXPECT_EQ(IsAddTarget(kind), c.target) << "flag '" << c.flag << "'";
    }
}
