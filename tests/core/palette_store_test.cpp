// Tests of the palette store: the lists the palette view uses, and the commands on the index.
#include "core/palette/palettestore.h"
#include "palette_testutil.h"

#include <gtest/gtest.h>

using namespace prismara;
using prismara::test::indexOf;
using prismara::test::TempDir;

namespace {

const std::string kIndex =
    indexOf({"c1.rgb|Web Safe Colors|0", "recent.rgb|Recent Colors|0", "c2.rgb|CSS Named Colors|2",
             "c3.rgb|Grays| 2 ", "c4.rgb|Mine| 1", "c5.rgb|Also mine|1"});

using Names = std::vector<std::string>;

} // namespace

TEST(PaletteStore, ListsFollowTheIndex)
{
    TempDir dir;
    dir.write("colorchart.cci", kIndex);
    PaletteStore store(dir.path());
    ASSERT_TRUE(store.readIndex().ok());
    EXPECT_EQ(store.chartFiles(), (Names{"c1.rgb", "recent.rgb", "c2.rgb", "c3.rgb", "c4.rgb", "c5.rgb"}));
    EXPECT_EQ(store.chartNames(),
              (Names{"Web Safe Colors", "Recent Colors", "CSS Named Colors", "Grays", "Mine", "Also mine"}));
    EXPECT_EQ(store.chartKinds(), (Names{"0", "0", "2", " 2 ", " 1", "1"}));
    EXPECT_EQ(store.addToFiles(), (Names{"c1.rgb", "recent.rgb", "c4.rgb", "c5.rgb"}));
    EXPECT_EQ(store.addToNames(), (Names{"Web Safe Colors", "Recent Colors", "Mine", "Also mine"}));
    EXPECT_EQ(store.newChartFile(), "c6.rgb");
    EXPECT_EQ(store.recentPosition(), 1);
    EXPECT_EQ(store.kindAt(3), ChartKind::ReadOnly);
    EXPECT_EQ(store.kindAt(4), ChartKind::User);
    EXPECT_EQ(store.kindAt(6), ChartKind::Unknown);
    EXPECT_EQ(store.palette(4).fileName(), "c4.rgb");
    EXPECT_FALSE(store.palette(6).hasPlainName());
}

TEST(PaletteStore, AMissingIndexEmptiesTheListsAndIsReportedOnce)
{
    TempDir dir;
    dir.write("colorchart.cci", kIndex);
    PaletteStore store(dir.path());
    ASSERT_TRUE(store.readIndex().ok());
    std::filesystem::remove(dir / "colorchart.cci");
    const StoreResult result = store.readIndex();
    EXPECT_FALSE(result.ok());
    EXPECT_NE(result.message().find("colorchart.cci"), std::string::npos);
    EXPECT_TRUE(store.chartFiles().empty());
    EXPECT_TRUE(store.addToFiles().empty());
    EXPECT_EQ(store.recentPosition(), -1);
    EXPECT_FALSE(store.addChart("New").ok());
    EXPECT_TRUE(test::filesIn(dir.path()).empty());
}

TEST(PaletteStore, WarningsAreHandedOutOnce)
{
    TempDir dir;
    dir.write("colorchart.cci", kIndex + indexOf({"../escape.rgb|Bad|1"}));
    PaletteStore store(dir.path());
    (void)store.readIndex();
    EXPECT_EQ(store.takeWarnings().size(), 1u);
    (void)store.readIndex();
    (void)store.readIndex();
    EXPECT_TRUE(store.takeWarnings().empty());
    EXPECT_EQ(store.chartCount(), 6);
}

TEST(PaletteStore, NewPaletteIsAppendedAsTheLastEntry)
{
    TempDir dir;
    dir.write("colorchart.cci", kIndex);
    PaletteStore store(dir.path());
    ASSERT_TRUE(store.readIndex().ok());
    ASSERT_TRUE(store.addChart("Sea").ok());
    EXPECT_EQ(dir.read("colorchart.cci"), kIndex + "c6.rgb\r\nSea\r\n1\r\n");
    EXPECT_EQ(store.chartFiles().back(), "c6.rgb");
    EXPECT_EQ(store.chartNames().back(), "Sea");
    EXPECT_EQ(store.addToFiles().back(), "c6.rgb");
    EXPECT_EQ(store.newChartFile(), "c7.rgb");
    EXPECT_FALSE(store.addChart("two\r\nlines").ok());
    EXPECT_EQ(store.chartCount(), 7);
}

TEST(PaletteStore, OnlyUserPalettesCanBeDeletedAndTheirFileGoesWithThem)
{
    TempDir dir;
    dir.write("colorchart.cci", kIndex);
    dir.write("c4.rgb", "FF0000");
    dir.write("c2.rgb", "00FF00");
    PaletteStore store(dir.path());
    ASSERT_TRUE(store.readIndex().ok());
    for (const int position : {0, 1, 2, 3, 6, -1})
        EXPECT_FALSE(store.deleteChart(position).ok()) << "position " << position;
    EXPECT_EQ(dir.read("colorchart.cci"), kIndex);

    ASSERT_TRUE(store.deleteChart(4).ok());
    EXPECT_FALSE(dir.exists("c4.rgb"));
    EXPECT_EQ(dir.read("c2.rgb"), "00FF00");
    EXPECT_EQ(store.chartFiles(), (Names{"c1.rgb", "recent.rgb", "c2.rgb", "c3.rgb", "c5.rgb"}));
}

TEST(PaletteStore, DeletingUsesTheRecordNumberWhenAnEarlierRecordWasIgnored)
{
    TempDir dir;
    const std::string index = indexOf({"c1.rgb|One|0", "/abs.rgb|Bad|1", "c4.rgb|Mine|1", "c5.rgb|Keep|1"});
    dir.write("colorchart.cci", index);
    PaletteStore store(dir.path());
    ASSERT_TRUE(store.readIndex().ok());
    ASSERT_EQ(store.chartFiles(), (Names{"c1.rgb", "c4.rgb", "c5.rgb"}));
    ASSERT_TRUE(store.deleteChart(1).ok());
    EXPECT_EQ(dir.read("colorchart.cci"), indexOf({"c1.rgb|One|0", "/abs.rgb|Bad|1", "c5.rgb|Keep|1"}));
}

TEST(PaletteStore, RecentColoursSkipBlackAndWhiteAndLiveForOneRun)
{
    TempDir dir;
    const PaletteStore store(dir.path());
    ASSERT_TRUE(store.createRecentFile().ok());
    EXPECT_EQ(dir.read("recent.rgb"), "");
    for (const ColorValue colour :
         {kBlack, MakeColor(3, 0, 0), kWhite, MakeColor(30, 0, 0), MakeColor(255, 0, 0)})
        ASSERT_TRUE(store.appendRecent(colour).ok());
    EXPECT_EQ(dir.read("recent.rgb"), "0300001E0000FF0000");
    EXPECT_FALSE(PaletteStore::isRecentCandidate(kBlack));
    EXPECT_FALSE(PaletteStore::isRecentCandidate(kWhite));
    EXPECT_TRUE(PaletteStore::isRecentCandidate(MakeColor(255, 255, 254)));

    ASSERT_TRUE(store.createRecentFile().ok());
    EXPECT_EQ(dir.read("recent.rgb"), "0300001E0000FF0000") << "a file left by an earlier run is kept";
    ASSERT_TRUE(store.deleteRecentFile().ok());
    EXPECT_FALSE(dir.exists("recent.rgb"));
}
