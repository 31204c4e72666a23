// The names side file: a side file out of step is ignored and dropped at the next change, and
// deleting a palette takes it along. (Every change keeping it in step, under faults too:
// rewrite_faults_test.)
#include "core/palette/palettefile.h"
#include "core/palette/palettestore.h"
#include "palette_testutil.h"

#include <gtest/gtest.h>


using namespace prismara;
using prismara::test::indexOf;
using prismara::test::records;
using prismara::test::TempDir;

namespace {

const std::string kPalette = records("FF0000 00FF00 FF0000 0000FF");
const PaletteNames kNames{"/home/me/brand.gpl", {"red", "green", "red again", "blue"}};

std::string joined(const std::optional<PaletteNames>& names)
{
    if (!names)
        return "<none>";
    std::string out;
    for (const std::string& name : names->names)
        out += name + "|";
    return out;
}

} // namespace

TEST(PaletteNames, ASideFileOutOfStepIsIgnoredAndDroppedAtTheNextChange)
{
    TempDir dir;
    dir.write("c8.rgb", kPalette);
    const PaletteFile palette(dir.path(), "c8.rgb");
    ASSERT_TRUE(palette.setNames(kNames));
    // A program that knows no side files appends a colour: the names no longer match.
    ASSERT_TRUE(AppendToFile(dir / "c8.rgb", "ABCDEF"));
    EXPECT_FALSE(palette.names());
    ASSERT_TRUE(palette.removeRecord(1));
    EXPECT_FALSE(dir.exists("c8.names"));

    // A damaged side file, or one for another palette of as many colours, counts for nothing.
    ASSERT_TRUE(palette.setNames({"", {"a", "b", "c", "d"}}));
    const std::string side = dir.read("c8.names");
    for (const std::string& bad : {side.substr(0, side.size() - 2), side + "extra\r\n", std::string("junk")}) {
        dir.write("c8.names", bad);
        EXPECT_FALSE(palette.names()) << bad;
    }
    dir.write("c8.names", side);
    dir.write("c8.rgb", records("111111 222222 333333 444444"));
    EXPECT_FALSE(palette.names());
    EXPECT_FALSE(palette.setNames({"", {"too few"}}));
}

TEST(PaletteNames, DeletingAPaletteTakesItsNamesAlongAndTheirNumberIsNotGivenOut)
{
    TempDir dir;
    dir.write("colorchart.cci", indexOf({"c1.rgb|Web|0", "recent.rgb|Recent|0", "c2.rgb|A|2", "c3.rgb|B|2"}));
    PaletteStore store(dir.path());
    const std::vector<ColorValue> colors = {0x0000FF, 0x00FF00};
    const PaletteNames names{"", {"red", "green"}};
    ASSERT_TRUE(store.createChart("Imported", colors, &names));
    EXPECT_EQ(store.chartFiles().back(), "c4.rgb");
    EXPECT_EQ(joined(store.palette("c4.rgb").names()), "red|green|");
    ASSERT_TRUE(store.deleteChart(store.chartCount() - 1));
    EXPECT_FALSE(dir.exists("c4.rgb") || dir.exists("c4.names"));

    // A side file left behind alone keeps its number from a new palette.
    dir.write("c4.names", "stale");
    ASSERT_TRUE(store.readIndex());
    EXPECT_EQ(store.newChartFile(), "c5.rgb");
}
