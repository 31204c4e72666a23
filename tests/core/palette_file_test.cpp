// Tests of one palette's colour file (counting, reading, pages, appending, the rewrites) and of the
// palette store's lists and commands.
#include "core/palette/palettefile.h"
#include "core/palette/palettepage.h"
#include "core/palette/palettestore.h"
#include "palette_testutil.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <set>

using namespace prismara;
using namespace prismara::test;

namespace {
using Names = std::vector<std::string>;
}

TEST(PaletteFile, RecordsReadRedFirstInEitherCaseAndAPartialOneIsNoColour)
{
    TempDir dir;
    dir.write("c3.rgb", "FF000000ff00#12345336699 12345GG12340A0");
    const PaletteFile file(dir.path(), "c3.rgb");
    EXPECT_EQ(file.count(), 6);
    EXPECT_EQ(file.color(2), MakeColor(0, 255, 0));
    EXPECT_EQ(file.color(4), MakeColor(0x33, 0x66, 0x99));
    for (const std::int32_t k : {0, 3, 5, 6, 7})
        EXPECT_EQ(file.color(k), std::nullopt) << "a # or a blank inside, not hexadecimal, past the end: " << k;
    EXPECT_EQ(file.colors(1, 2), (std::vector<std::optional<ColorValue>>{MakeColor(255, 0, 0), MakeColor(0, 255, 0)}));
    EXPECT_EQ(file.colors(3, 99).size(), 4u) << "clamped to the file";

    const PaletteFile missing(dir.path(), "c4.rgb");
    EXPECT_EQ(missing.count(), 0);
    EXPECT_TRUE(missing.colors(1, 10).empty());
}

TEST(PaletteFile, AppendingAddsTheHexTextAsGivenAndTakesThePlaceOfAPartialRecord)
{
    TempDir dir;
    const PaletteFile file(dir.path(), "c3.rgb");
    ASSERT_TRUE(file.create().ok());
    EXPECT_EQ(dir.read("c3.rgb"), "") << "showing a palette brings its file into being";
    ASSERT_TRUE(AppendChartColor(dir.path(), "c3.rgb", "#FF0000").ok());
    ASSERT_TRUE(file.append("#00ff80").ok());
    EXPECT_EQ(dir.read("c3.rgb"), "FF000000ff80");
    for (const char* text : {"FF0000", "#FF000", "#FF00000", "#GG0000", "", "# FF000"})
        EXPECT_EQ(file.append(text).file(), "c3.rgb") << "refused: '" << text << "'";

    dir.write("c3.rgb", "FF000000FF0000F");
    ASSERT_TRUE(file.create().ok());
    ASSERT_TRUE(file.append("#0000FF").ok());
    EXPECT_EQ(dir.read("c3.rgb"), "FF000000FF000000FF") << "an existing file is kept, a partial record replaced";
}

TEST(PaletteFile, PagesShowTheNewestFirstColumnByColumn)
{
    const std::pair<std::int32_t, std::int32_t> pageCounts[] = {{0, 1}, {216, 1}, {217, 2}, {432, 2}, {1000000, 4630}, {-5, 1}};
    for (const auto& [colours, pages] : pageCounts)
        EXPECT_EQ(PalettePage::pageCount(colours), pages) << colours << " colours";
    struct Case
    {
        std::int32_t colours, page;
        int cell;
        std::int32_t record; // 0: the cell is empty (white)
    };
    const Case cases[] = {
        {216, 1, 215, 1}, {216, 2, 0, 0},  {217, 2, 0, 1},   {217, 2, 1, 0},   {300, 2, 0, 84}, {300, 2, 83, 1},
        {300, 0, 0, 0},   {300, 1, 216, 0}, {300, 1, -1, 0}, {5, 2147483647, 0, 0},
    };
    for (const Case& c : cases) {
        const std::string where = std::to_string(c.colours) + " colours, page " + std::to_string(c.page);
        EXPECT_EQ(PalettePage::recordAt(c.colours, c.page, c.cell), c.record) << where << ", cell " << c.cell;
        if (c.record > 0) {
            EXPECT_EQ(PalettePage::cellOf(c.colours, c.page, c.record), c.cell) << where;
        }
    }
    EXPECT_EQ(PalettePage::cellOf(300, 1, 300), 0);
    EXPECT_EQ(PalettePage::cellOf(300, 1, 84), -1);
    EXPECT_EQ(PalettePage::records(300, 1).first, 85);
    EXPECT_EQ(PalettePage::column(12) * 100 + PalettePage::row(12), 100) << "twelve high";

    TempDir dir;
    std::string bytes;
    for (int k = 1; k <= 300; ++k)
        bytes += HtmlHex(MakeColor(k % 256, k / 256, 0)).substr(1);
    bytes.replace(6 * (290 - 1), 6, "??????");
    dir.write("c3.rgb", bytes);
    const PaletteFile file(dir.path(), "c3.rgb");
    const PalettePageCells first = file.page(300, 1);
    EXPECT_EQ(first[0].record, 300);
    EXPECT_EQ(first[0].color, MakeColor(300 % 256, 1, 0));
    EXPECT_TRUE(first[10].holdsRecord());
    EXPECT_EQ(first[10].color, std::nullopt) << "record 290 is not a colour";
    EXPECT_EQ(first[215].color, MakeColor(85, 0, 0));
    const PalettePageCells second = file.page(300, 2);
    EXPECT_EQ(second[83].color, MakeColor(1, 0, 0));
    EXPECT_FALSE(second[84].holdsRecord());
    // A file that shrank since it was counted shows what is left.
    dir.write("c3.rgb", "FF000000FF00");
    EXPECT_EQ(file.page(3, 1)[0].color, std::nullopt);
    EXPECT_EQ(file.page(3, 1)[2].color, MakeColor(255, 0, 0));
}

TEST(PaletteFile, RewritesMatchTheFixturesByteForByte)
{
    TempDir dir;
    dir.write("c5.rgb", paletteFixture("c5.rgb"));
    const PaletteFile file(dir.path(), "c5.rgb");
    ASSERT_EQ(file.count(), 10);
    ASSERT_TRUE(file.removeRecord(5).ok());
    EXPECT_EQ(dir.read("c5.rgb"), paletteFixture("c5_removed5.rgb"));
    dir.write("c5.rgb", paletteFixture("c5.rgb"));
    ASSERT_TRUE(file.removeDuplicates().ok());
    EXPECT_EQ(dir.read("c5.rgb"), paletteFixture("c5_deduped.rgb"));

    // Duplicates are equal bytes: case matters, records that are no colour take part, and records
    // that differ in one digit never merge.
    dir.write("c5.rgb", records("00ff00 00FF00 00ff00 XYZXYZ 00fF00 00FF00 FF0000 00fF00 FF0010 XYZXYZ 123456 FF"));
    ASSERT_TRUE(file.removeDuplicates().ok());
    EXPECT_EQ(dir.read("c5.rgb"), records("00ff00 00FF00 XYZXYZ 00fF00 FF0000 FF0010 123456"));

    for (const auto& [record, expected] : {std::pair{1, "00FF000000FF"}, {3, "FF000000FF00"}}) {
        dir.write("c5.rgb", "FF000000FF000000FF00");
        ASSERT_TRUE(file.removeRecord(record).ok()) << record;
        EXPECT_EQ(dir.read("c5.rgb"), expected) << record << ": a partial record goes with the rewrite";
    }
    for (const std::int32_t s : {0, -1, 3})
        EXPECT_EQ(file.removeRecord(s).file(), "c5.rgb") << "no colour " << s;
    ASSERT_TRUE(file.clear().ok());
    EXPECT_FALSE(dir.exists("c5.rgb"));
    EXPECT_TRUE(file.clear().ok()) << "clearing a missing palette is no failure";
    EXPECT_FALSE(file.removeRecord(1).ok()) << "a missing file";
}

TEST(PaletteFile, ClearDuplicatesWithNothingToRemoveWritesNothing)
{
    for (const std::string content : {"", "FF0000", "FF0000FF", "FF000000FF000000FF"}) {
        TempDir dir;
        dir.write("c3.rgb", content);
        FaultInjection::failAt(1); // any write would fail and show
        EXPECT_TRUE(PaletteFile(dir.path(), "c3.rgb").removeDuplicates().ok()) << "'" << content << "'";
        EXPECT_EQ(FaultInjection::count(), 0) << "'" << content << "'";
        FaultInjection::reset();
        EXPECT_EQ(dir.read("c3.rgb"), content);
    }
}

// Palettes of several pieces: duplicates across pieces go (byte for byte: upper and lower case,
// mixed case and records that are no colour), the names follow, and a cancel at any point leaves
// every file as it was.
TEST(PaletteFile, LargeRewritesKeepTheNamesAndACancelChangesNothing)
{
    constexpr int kCount = 500'000, kDistinct = 300'000;
    std::string bytes, deduped, removed;
    PaletteNames names{"big.gpl", {}}, dedupedNames{"big.gpl", {}}, removedNames{"big.gpl", {}};
    std::set<std::string> seen;
    for (int k = 0; k < kCount; ++k) {
        std::string record = HtmlHex(k % kDistinct * 41).substr(1);
        if (k % 7 == 1) // the two copies of a colour differ in case now and then
            std::transform(record.begin(), record.end(), record.begin(), [](char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); });
        else if (k % kDistinct % 5 == 2)
            record.replace(0, 2, k % kDistinct % 3 == 0 ? "zZ" : "aB");
        bytes += record;
        names.names.push_back("n" + std::to_string(k));
        if (seen.insert(record).second)
            deduped += record, dedupedNames.names.push_back(names.names.back());
        if (k != 400'000)
            removed += record, removedNames.names.push_back(names.names.back());
    }
    struct Case
    {
        const char* what;
        std::function<StoreResult(const PaletteFile&, const RewriteProgress&)> run;
        std::string after;
        PaletteNames afterNames;
    };
    const Case cases[] = {
        {"Clear Duplicate Colors", [](const PaletteFile& f, const RewriteProgress& p) { return f.removeDuplicates(p); },
         deduped, dedupedNames},
        {"Delete Selected Color", [](const PaletteFile& f, const RewriteProgress& p) { return f.removeRecord(400'001, p); },
         removed, removedNames},
    };
    for (const Case& c : cases) {
        for (const int cancelAt : {1, 2, 3, 0}) {
            const std::string where = std::string(c.what) + ", cancelled at call " + std::to_string(cancelAt);
            TempDir dir;
            dir.write("c5.rgb", bytes + "FF");
            dir.write("c5.names", SerializePaletteNames(names, bytes + "FF"));
            int calls = 0;
            std::uint64_t last = 0;
            const StoreResult result = c.run(PaletteFile(dir.path(), "c5.rgb"), [&](std::uint64_t done, std::uint64_t total) {
                EXPECT_TRUE(done >= last && done <= total && total == kCount) << where;
                last = done;
                return ++calls != cancelAt;
            });
            if (cancelAt != 0 && calls >= cancelAt) {
                EXPECT_TRUE(result.wasCancelled() && result.file() == "c5.rgb") << where << ": " << result.message();
                EXPECT_EQ(dir.read("c5.rgb"), bytes + "FF") << where;
                EXPECT_EQ(dir.read("c5.names"), SerializePaletteNames(names, bytes + "FF")) << where;
                EXPECT_EQ(filesIn(dir.path()).size(), 2u) << where << ": no temporary is left";
                continue;
            }
            ASSERT_TRUE(result.ok()) << where << ": " << result.message();
            EXPECT_GT(calls, 2) << where << ": progress is reported as the rewrite goes";
            EXPECT_TRUE(dir.read("c5.rgb") == c.after) << where;
            EXPECT_EQ(PaletteFile(dir.path(), "c5.rgb").names(), c.afterNames) << where;
        }
    }
}

TEST(PaletteFile, NamesOutsideTheProgramFolderAreNeverTouched)
{
    TempDir outer;
    std::filesystem::create_directory(outer / "program");
    outer.write("victim.rgb", "FF000000FF00FF0000");
    const std::filesystem::path folder = outer / "program";
    for (const char* name : {"../victim.rgb", "", ".", "..", "colorchart.cci"}) {
        const PaletteFile file(folder, name);
        EXPECT_EQ(file.count(), 0) << name;
        EXPECT_FALSE(file.color(1).has_value()) << name;
        EXPECT_FALSE(file.page(3, 1)[0].color.has_value()) << name;
        EXPECT_FALSE(file.append("#0000FF").ok() || file.removeDuplicates().ok() || file.removeRecord(1).ok() ||
                     file.clear().ok() || file.create().ok())
            << name;
    }
    EXPECT_EQ(outer.read("victim.rgb"), "FF000000FF00FF0000");
    EXPECT_TRUE(filesIn(folder).empty());
}

TEST(PaletteStore, ListsAndCommandsFollowTheIndex)
{
    TempDir dir;
    const std::string index = indexOf({"c1.rgb|Web Safe Colors|0", "recent.rgb|Recent Colors|0", "c2.rgb|CSS|2",
                                       "/abs.rgb|Bad|1", "c3.rgb|Grays| 2 ", "c4.rgb|Mine| 1", "c5.rgb|Also mine|1"});
    dir.write("colorchart.cci", index);
    dir.write("c4.rgb", "FF0000");
    PaletteStore store(dir.path());
    ASSERT_TRUE(store.readIndex().ok());
    EXPECT_EQ(store.chartFiles(), (Names{"c1.rgb", "recent.rgb", "c2.rgb", "c3.rgb", "c4.rgb", "c5.rgb"}));
    EXPECT_EQ(store.chartNames()[4], "Mine");
    EXPECT_EQ(store.addToFiles(), (Names{"c1.rgb", "recent.rgb", "c4.rgb", "c5.rgb"}));
    EXPECT_EQ(store.addToNames(), (Names{"Web Safe Colors", "Recent Colors", "Mine", "Also mine"}));
    EXPECT_EQ(store.recentPosition(), 1);
    EXPECT_EQ(store.kindAt(3), ChartKind::ReadOnly);
    EXPECT_EQ(store.kindAt(6), ChartKind::Unknown);
    EXPECT_FALSE(store.palette(6).hasPlainName());
    EXPECT_EQ(store.takeWarnings().size(), 1u);
    (void)store.readIndex();
    EXPECT_TRUE(store.takeWarnings().empty()) << "a warning is handed out once";

    for (const int position : {0, 1, 2, 3, 6, -1})
        EXPECT_FALSE(store.deleteChart(position).ok()) << "only user palettes can be deleted: " << position;
    EXPECT_EQ(dir.read("colorchart.cci"), index);
    // The record number counts the ignored record.
    ASSERT_TRUE(store.deleteChart(4).ok());
    EXPECT_FALSE(dir.exists("c4.rgb"));
    EXPECT_EQ(dir.read("colorchart.cci"), indexOf({"c1.rgb|Web Safe Colors|0", "recent.rgb|Recent Colors|0", "c2.rgb|CSS|2",
                                                   "/abs.rgb|Bad|1", "c3.rgb|Grays| 2 ", "c5.rgb|Also mine|1"}));

    ASSERT_TRUE(store.addChart("Sea").ok());
    EXPECT_EQ(store.chartFiles().back(), "c6.rgb");
    EXPECT_EQ(store.addToNames().back(), "Sea");
    EXPECT_EQ(store.newChartFile(), "c7.rgb");
    EXPECT_FALSE(store.addChart("two\r\nlines").ok());

    std::filesystem::remove(dir / "colorchart.cci");
    EXPECT_NE(store.readIndex().message().find("colorchart.cci"), std::string::npos);
    EXPECT_TRUE(store.chartFiles().empty() && store.addToFiles().empty());
    EXPECT_EQ(store.recentPosition(), -1);
    EXPECT_FALSE(store.addChart("New").ok());
}

TEST(PaletteStore, RecentColoursSkipBlackAndWhiteAndLiveForOneRun)
{
    TempDir dir;
    const PaletteStore store(dir.path());
    ASSERT_TRUE(store.createRecentFile().ok());
    for (const ColorValue colour : {kBlack, MakeColor(3, 0, 0), kWhite, MakeColor(255, 255, 254)})
        ASSERT_TRUE(store.appendRecent(colour).ok());
    EXPECT_EQ(dir.read("recent.rgb"), "030000FFFFFE");
    ASSERT_TRUE(store.createRecentFile().ok());
    EXPECT_EQ(dir.read("recent.rgb"), "030000FFFFFE") << "a file left by an earlier run is kept";
    ASSERT_TRUE(store.deleteRecentFile().ok());
    EXPECT_FALSE(dir.exists("recent.rgb"));
}
