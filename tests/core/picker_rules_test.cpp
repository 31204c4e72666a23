// Tests of the screen picker's rules without windows: where the colour square goes, which
// palettes are offered under "Save To:", which one is preselected; and the values of the colour
// information window.
#include "core/palette/colorinfo.h"
#include "core/palette/pickerrules.h"
#include "palette_testutil.h"

#include <gtest/gtest.h>

using namespace prismara;
using prismara::test::indexOf;
using prismara::test::TempDir;

namespace {

struct SquareCase
{
    const char* name;
    int x, y, width;
    SquarePosition expected;
};

} // namespace

namespace prismara {
void PrintTo(const SquarePosition& at, std::ostream* os) { *os << "(" << at.left << ", " << at.top << ")"; }
} // namespace prismara

TEST(PickerRules, SquareSitsBesideThePointerAndFlipsAtTheEdges)
{
    const SquareCase cases[] = {
        {"middle of the screen: up and right", 500, 500, 1920, {515, 385}},
        {"near the top: below the pointer", 10, 50, 1920, {25, 55}},
        {"near the right edge: left of the pointer", 1900, 500, 1920, {1795, 385}},
        {"top right corner: below and left", 1900, 20, 1920, {1795, 25}},
        {"top exactly 1 stays above", 300, 116, 1920, {315, 1}},
        {"top 0 flips below", 300, 115, 1920, {315, 120}},
        {"left one short of the limit stays right", 1804, 500, 1920, {1819, 385}},
        {"left at the limit flips left", 1805, 500, 1920, {1700, 385}},
        {"a narrower primary screen: still right", 900, 500, 1024, {915, 385}},
        {"a narrower primary screen: flipped left", 1000, 500, 1024, {895, 385}},
        {"origin", 0, 0, 1920, {15, 5}},
    };
    for (const SquareCase& c : cases)
        EXPECT_EQ(ShowSquarePosition(c.x, c.y, c.width), c.expected) << c.name;
}

TEST(PickerRules, SaveToOffersEveryWritablePaletteInIndexOrder)
{
    TempDir dir;
    dir.write("colorchart.cci",
              indexOf({"c1.rgb|Web Safe Colors|0", "recent.rgb|Recent Colors|0", "c2.rgb|CSS Named Colors|2",
                       "c3.rgb|Grays| 2 ", "c4.rgb|Basic|0", "c8.rgb|Mine| 1", "c9.rgb|Odd flag|x", "c10.rgb|Also mine|1"}));
    PaletteStore store(dir.path());
    ASSERT_TRUE(store.readIndex().ok());
    const std::vector<SaveTarget> targets = SaveTargets(store);

    std::vector<std::string> names, files;
    std::vector<int> positions;
    for (const SaveTarget& t : targets) {
        names.push_back(t.name);
        files.push_back(t.file);
        positions.push_back(t.position);
    }
    EXPECT_EQ(names, (std::vector<std::string>{"Web Safe Colors", "Recent Colors", "Basic", "Mine", "Also mine"}));
    EXPECT_EQ(files, (std::vector<std::string>{"c1.rgb", "recent.rgb", "c4.rgb", "c8.rgb", "c10.rgb"}));
    // Positions are the records' own, so an unknown flag between them does not shift the rest.
    EXPECT_EQ(positions, (std::vector<int>{0, 1, 4, 5, 7}));

    struct Case
    {
        const char* name;
        int startChart;
        int entry;
    } cases[] = {
        {"first palette", 0, 0},
        {"recent colours", 1, 1},
        {"read-only palette", 2, 0},
        {"second read-only palette", 3, 0},
        {"built-in after the read-only ones", 4, 2},
        {"user palette", 5, 3},
        {"palette of an unknown flag", 6, 0},
        {"last user palette", 7, 4},
        {"nothing selected", -1, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PreselectedSaveTarget(targets, c.startChart), c.entry) << c.name;

    EXPECT_EQ(SelectorPositionOf(store, "c8.rgb"), 5);
    EXPECT_EQ(SelectorPositionOf(store, "recent.rgb"), 1);
    EXPECT_EQ(SelectorPositionOf(store, "c99.rgb"), -1);
}

TEST(PickerRules, NoWritablePaletteMeansNoEntry)
{
    TempDir dir;
    dir.write("colorchart.cci", indexOf({"c2.rgb|CSS Named Colors|2", "c3.rgb|Grays|2"}));
    PaletteStore store(dir.path());
    ASSERT_TRUE(store.readIndex().ok());
    EXPECT_TRUE(SaveTargets(store).empty());
    EXPECT_EQ(PreselectedSaveTarget(SaveTargets(store), 0), -1);

    PaletteStore missing(dir / "no-such-folder");
    (void)missing.readIndex();
    EXPECT_TRUE(SaveTargets(missing).empty());
}

TEST(ColorInfo, ValuesOfTheFiveModels)
{
    struct Case
    {
        const char* name;
        const char *hex, *r, *g, *b;
        ColorPageTexts expected;
    };
    const Case cases[] = {
        {"white", "#FFFFFF", "255", "255", "255",
         {"#FFFFFF", "255", "255", "255", "60", "0", "100", "0", "0", "0", "0", "0", "0", "0", "255", "128", "128"}},
        {"black", "#000000", "0", "0", "0",
         {"#000000", "0", "0", "0", "60", "0", "0", "255", "255", "255", "0", "0", "0", "100", "0", "128", "128"}},
        {"red", "#FF0000", "255", "0", "0",
         {"#FF0000", "255", "0", "0", "60", "100", "50", "0", "255", "255", "0", "100", "100", "0", "76", "85", "255"}},
        {"steel blue", "#336699", "51", "102", "153",
         {"#336699", "51", "102", "153", "270", "50", "40", "204", "153", "102", "67", "33", "0", "40", "93", "162", "98"}},
    };
    for (const Case& c : cases) {
        const ColorPageTexts t = ColorInfoTexts(c.hex, c.r, c.g, c.b);
        EXPECT_EQ(ColorPageHtml(t), ColorPageHtml(c.expected)) << c.name;
    }
}

TEST(ColorInfo, ChannelTextsAreReadAsBytes)
{
    struct Case
    {
        const char* text;
        int value;
    } cases[] = {{"0", 0}, {"255", 255}, {"128", 128}, {" 7 ", 7}, {"300", 255}, {"-4", 0},
                 {"", 0},  {"abc", 0},   {"12x", 0},   {"99999999999999999999", 255}};
    for (const Case& c : cases)
        EXPECT_EQ(ChannelByte(c.text), c.value) << '"' << c.text << '"';

    // The boxes show the texts as given; only the models read them as bytes.
    const ColorPageTexts t = ColorInfoTexts("#FFA1CC", "300", "", "abc");
    EXPECT_EQ(t.txtr, "300");
    EXPECT_EQ(t.txtg, "");
    EXPECT_EQ(t.txtc, "0");   // 255 - 255
    EXPECT_EQ(t.txtm, "255"); // 255 - 0
    EXPECT_EQ(t.txtY, "255");
}
