// Tests of one palette's colour file: counting, reading, appending and the two rewrites.
#include "core/palette/palettefile.h"
#include "palette_testutil.h"

#include <gtest/gtest.h>

using namespace prismara;
using prismara::test::paletteFixture;
using prismara::test::records;
using prismara::test::TempDir;

TEST(PaletteFile, EmptyFileHoldsNoColoursAndOneAppendWritesSixBytes)
{
    TempDir dir;
    dir.write("c7.rgb", "");
    const PaletteFile file(dir.path(), "c7.rgb");
    EXPECT_EQ(file.count(), 0);
    ASSERT_TRUE(file.append(HtmlHex(MakeColor(0x0A, 0x0B, 0x0C))).ok());
    EXPECT_EQ(dir.read("c7.rgb"), "0A0B0C");
    EXPECT_EQ(file.count(), 1);
    const auto colour = file.color(1);
    ASSERT_TRUE(colour.has_value());
    EXPECT_EQ(GetRed(*colour), 0x0A);
    EXPECT_EQ(GetGreen(*colour), 0x0B);
    EXPECT_EQ(GetBlue(*colour), 0x0C);
    EXPECT_EQ(*colour, 0x0C0B0A);
}

TEST(PaletteFile, AppendCreatesTheFileAndAddsAtTheEnd)
{
    TempDir dir;
    ASSERT_TRUE(AppendChartColor(dir.path(), "c3.rgb", "#FF0000").ok());
    ASSERT_TRUE(AppendChartColor(dir.path(), "c3.rgb", "#00ff80").ok());
    EXPECT_EQ(dir.read("c3.rgb"), "FF000000ff80") << "the hex text is written as given";
}

TEST(PaletteFile, AppendRefusesTextsThatAreNotHtmlHex)
{
    TempDir dir;
    const PaletteFile file(dir.path(), "c3.rgb");
    for (const char* text : {"FF0000", "#FF000", "#FF00000", "#GG0000", "", "# FF000", "FF00000"}) {
        const StoreResult result = file.append(text);
        EXPECT_FALSE(result.ok()) << "'" << text << "'";
        EXPECT_EQ(result.file(), "c3.rgb");
    }
    EXPECT_FALSE(dir.exists("c3.rgb"));
}

TEST(PaletteFile, CountIgnoresATrailingPartialRecordAndAnAppendReplacesIt)
{
    TempDir dir;
    dir.write("c3.rgb", "FF000000FF0000F");
    const PaletteFile file(dir.path(), "c3.rgb");
    EXPECT_EQ(file.count(), 2);
    ASSERT_TRUE(file.append("#0000FF").ok());
    EXPECT_EQ(dir.read("c3.rgb"), "FF000000FF000000FF");
    EXPECT_EQ(file.color(3), MakeColor(0, 0, 255));
    EXPECT_FALSE(dir.exists("c3.rgb.tmp"));
}

TEST(PaletteFile, MissingFileIsAnEmptyPaletteUntilShown)
{
    TempDir dir;
    const PaletteFile file(dir.path(), "c3.rgb");
    EXPECT_EQ(file.count(), 0);
    EXPECT_FALSE(file.color(1).has_value());
    EXPECT_TRUE(file.colors(1, 10).empty());
    ASSERT_TRUE(file.create().ok());
    EXPECT_TRUE(dir.exists("c3.rgb"));
    EXPECT_EQ(dir.read("c3.rgb"), "");

    dir.write("c3.rgb", "FF0000");
    ASSERT_TRUE(file.create().ok());
    EXPECT_EQ(dir.read("c3.rgb"), "FF0000") << "an existing file is kept";
}

TEST(PaletteFile, RecordsAreReadRedFirstInEitherCase)
{
    TempDir dir;
    dir.write("c3.rgb", records("FF0000 00ff00 0000FF 336699"));
    const PaletteFile file(dir.path(), "c3.rgb");
    EXPECT_EQ(file.color(1), MakeColor(255, 0, 0));
    EXPECT_EQ(file.color(2), MakeColor(0, 255, 0));
    EXPECT_EQ(file.color(4), MakeColor(0x33, 0x66, 0x99));
    EXPECT_FALSE(file.color(0).has_value());
    EXPECT_FALSE(file.color(5).has_value());
    EXPECT_EQ(file.colors(2, 3),
              (std::vector<std::optional<ColorValue>>{MakeColor(0, 255, 0), MakeColor(0, 0, 255)}));
    EXPECT_EQ(file.colors(3, 99).size(), 2u) << "clamped to the file";
}

TEST(PaletteFile, ClearDuplicatesKeepsTheFirstOfEachInOrder)
{
    TempDir dir;
    dir.write("c3.rgb", records("FF0000 00FF00 FF0000 0000FF 00FF00"));
    dir.write("c3.rgb.tmp", records("123456 123456 123456")); // stale, from an interrupted run
    ASSERT_TRUE(PaletteFile(dir.path(), "c3.rgb").removeDuplicates().ok());
    EXPECT_EQ(dir.read("c3.rgb"), records("FF0000 00FF00 0000FF"));
    EXPECT_FALSE(dir.exists("c3.rgb.tmp"));
}

TEST(PaletteFile, ClearDuplicatesComparesRecordsByteForByte)
{
    TempDir dir;
    dir.write("c3.rgb", records("00ff00 00FF00 00ff00 XYZXYZ 00FF00 XYZXYZ"));
    ASSERT_TRUE(PaletteFile(dir.path(), "c3.rgb").removeDuplicates().ok());
    EXPECT_EQ(dir.read("c3.rgb"), records("00ff00 00FF00 XYZXYZ"));
}

TEST(PaletteFile, ClearDuplicatesOnOneColourOrNoneTouchesNothing)
{
    for (const std::string content : {"", "FF0000", "FF0000FF"}) {
        TempDir dir;
        dir.write("c3.rgb", content);
        FaultInjection::failAt(1); // any write would fail and show
        const StoreResult result = PaletteFile(dir.path(), "c3.rgb").removeDuplicates();
        const int writes = FaultInjection::count();
        FaultInjection::reset();
        EXPECT_TRUE(result.ok()) << "'" << content << "'";
        EXPECT_EQ(writes, 0) << "'" << content << "'";
        EXPECT_EQ(dir.read("c3.rgb"), content);
        EXPECT_EQ(test::filesIn(dir.path()), std::set<std::string>{"c3.rgb"}) << "no temporary file";
    }
}

TEST(PaletteFile, DeleteSelectedColorRemovesOneRecord)
{
    struct Case
    {
        const char* content;
        std::int32_t s;
        const char* expected;
    };
    const Case cases[] = {
        {"FF0000", 1, ""},
        {"FF000000FF000000FF", 1, "00FF000000FF"},
        {"FF000000FF000000FF", 2, "FF00000000FF"},
        {"FF000000FF000000FF", 3, "FF000000FF00"},
        {"FF000000FF000000FF00", 3, "FF000000FF00"},
    };
    for (const Case& c : cases) {
        TempDir dir;
        dir.write("c3.rgb", c.content);
        dir.write("c3.rgb.ctm", "AAAAAABBBBBB"); // stale
        ASSERT_TRUE(PaletteFile(dir.path(), "c3.rgb").removeRecord(c.s).ok()) << c.content << " s=" << c.s;
        EXPECT_EQ(dir.read("c3.rgb"), c.expected) << c.content << " s=" << c.s;
        EXPECT_EQ(test::filesIn(dir.path()), std::set<std::string>{"c3.rgb"}) << c.content << " s=" << c.s;
    }
}

TEST(PaletteFile, DeleteSelectedColorRefusesARecordThatIsNotThere)
{
    TempDir dir;
    dir.write("c3.rgb", "FF000000FF00");
    const PaletteFile file(dir.path(), "c3.rgb");
    for (const std::int32_t s : {0, -1, 3}) {
        const StoreResult result = file.removeRecord(s);
        EXPECT_FALSE(result.ok()) << "s=" << s;
        EXPECT_EQ(result.file(), "c3.rgb");
    }
    EXPECT_FALSE(PaletteFile(dir.path(), "c9.rgb").removeRecord(1).ok()) << "missing file";
    EXPECT_EQ(dir.read("c3.rgb"), "FF000000FF00");
    EXPECT_EQ(test::filesIn(dir.path()), std::set<std::string>{"c3.rgb"});
}

TEST(PaletteFile, ClearAllColorsDeletesTheFile)
{
    TempDir dir;
    dir.write("c3.rgb", "FF000000FF00");
    const PaletteFile file(dir.path(), "c3.rgb");
    ASSERT_TRUE(file.clear().ok());
    EXPECT_FALSE(dir.exists("c3.rgb"));
    EXPECT_TRUE(file.clear().ok()) << "clearing a missing palette is not a failure";
}

TEST(PaletteFile, MalformedRecordShowsEmptyAndSurvivesEveryRewrite)
{
    TempDir dir;
    dir.write("c3.rgb", records("FF0000 #12345 00FF00 FF0000"));
    const PaletteFile file(dir.path(), "c3.rgb");
    EXPECT_EQ(file.count(), 4);
    EXPECT_FALSE(file.color(2).has_value());
    EXPECT_EQ(file.color(3), MakeColor(0, 255, 0));

    ASSERT_TRUE(file.removeDuplicates().ok());
    EXPECT_EQ(dir.read("c3.rgb"), records("FF0000 #12345 00FF00"));
    ASSERT_TRUE(file.removeRecord(3).ok());
    EXPECT_EQ(dir.read("c3.rgb"), records("FF0000 #12345"));
    ASSERT_TRUE(file.append("#0000FF").ok());
    ASSERT_TRUE(file.removeRecord(1).ok());
    EXPECT_EQ(dir.read("c3.rgb"), records("#12345 0000FF"));
}

TEST(PaletteFile, FixtureIsLoadedRewrittenAndComparedByteForByte)
{
    TempDir dir;
    dir.write("c5.rgb", paletteFixture("c5.rgb"));
    const PaletteFile file(dir.path(), "c5.rgb");
    ASSERT_EQ(file.count(), 10);
    EXPECT_EQ(file.color(3), MakeColor(0x0A, 0x0B, 0x0C));
    EXPECT_FALSE(file.color(5).has_value()) << "GG0000 is not hexadecimal";
    EXPECT_EQ(file.color(7), MakeColor(0, 255, 0));

    ASSERT_TRUE(file.removeRecord(5).ok());
    EXPECT_EQ(dir.read("c5.rgb"), paletteFixture("c5_removed5.rgb"));

    dir.write("c5.rgb", paletteFixture("c5.rgb"));
    ASSERT_TRUE(file.removeDuplicates().ok());
    EXPECT_EQ(dir.read("c5.rgb"), paletteFixture("c5_deduped.rgb"));
    EXPECT_EQ(file.count(), 6);
}

TEST(PaletteFile, NamesOutsideTheProgramFolderAreNeverTouched)
{
    TempDir outer;
    std::filesystem::create_directory(outer / "program");
    outer.write("victim.rgb", "FF000000FF00FF0000");
    const std::filesystem::path folder = outer / "program";
    for (const char* name : {"../victim.rgb", "", ".", "..", "colorchart.cci"}) {
        const PaletteFile file(folder, name);
        EXPECT_FALSE(file.hasPlainName()) << name;
        EXPECT_EQ(file.count(), 0) << name;
        EXPECT_FALSE(file.color(1).has_value()) << name;
        EXPECT_FALSE(file.page(3, 1)[0].color.has_value()) << name;
        EXPECT_FALSE(file.append("#0000FF").ok()) << name;
        EXPECT_FALSE(file.removeDuplicates().ok()) << name;
        EXPECT_FALSE(file.removeRecord(1).ok()) << name;
        EXPECT_FALSE(file.clear().ok()) << name;
        EXPECT_FALSE(file.create().ok()) << name;
    }
    EXPECT_EQ(outer.read("victim.rgb"), "FF000000FF00FF0000");
    EXPECT_TRUE(test::filesIn(folder).empty());
}
