// Tests of the palette view's paging: which record each cell shows, and reading one page.
#include "core/palette/palettefile.h"
#include "core/palette/palettepage.h"
#include "palette_testutil.h"

#include <gtest/gtest.h>

using namespace prismara;
using prismara::test::TempDir;

TEST(PalettePage, PageCounts)
{
    struct Case
    {
        std::int32_t colours, pages;
    };
    const Case cases[] = {{0, 1},   {1, 1},   {215, 1}, {216, 1},        {217, 2},
                          {300, 2}, {432, 2}, {433, 3}, {1000000, 4630}, {-5, 1}};
    for (const Case& c : cases)
        EXPECT_EQ(PalettePage::pageCount(c.colours), c.pages) << c.colours << " colours";
}

TEST(PalettePage, RecordShownByEachCell)
{
    struct Case
    {
        std::int32_t colours, page;
        int cell;
        std::int32_t record; // 0: the cell is empty (white)
    };
    const Case cases[] = {
        {0, 1, 0, 0},          {0, 1, 215, 0},                   // nothing at all
        {216, 1, 0, 216},      {216, 1, 215, 1}, {216, 2, 0, 0}, // exactly one page
        {217, 1, 0, 217},      {217, 1, 215, 2}, {217, 2, 0, 1},   {217, 2, 1, 0},
        {300, 1, 0, 300},      {300, 2, 0, 84},  {300, 2, 83, 1},  {300, 2, 84, 0},
        {300, 2, 215, 0},      {300, 0, 0, 0},   {300, 1, 216, 0}, {300, 1, -1, 0}, // out of range
        {5, 2147483647, 0, 0},                                                      // no overflow
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PalettePage::recordAt(c.colours, c.page, c.cell), c.record)
            << c.colours << " colours, page " << c.page << ", cell " << c.cell;
        if (c.record > 0) {
            EXPECT_EQ(PalettePage::cellOf(c.colours, c.page, c.record), c.cell)
                << c.colours << " colours, page " << c.page << ", record " << c.record;
        }
    }
}

TEST(PalettePage, RecordsOfAPage)
{
    EXPECT_TRUE(PalettePage::records(0, 1).empty());
    EXPECT_EQ(PalettePage::records(300, 1).first, 85);
    EXPECT_EQ(PalettePage::records(300, 1).last, 300);
    EXPECT_EQ(PalettePage::records(300, 2).first, 1);
    EXPECT_EQ(PalettePage::records(300, 2).last, 84);
    EXPECT_EQ(PalettePage::records(300, 2).size(), 84);
    EXPECT_TRUE(PalettePage::records(300, 3).empty());
    EXPECT_EQ(PalettePage::cellOf(300, 1, 84), -1);
}

TEST(PalettePage, CellsFillColumnByColumnTwelveHigh)
{
    EXPECT_EQ(PalettePage::column(0), 0);
    EXPECT_EQ(PalettePage::row(11), 11);
    EXPECT_EQ(PalettePage::column(12), 1);
    EXPECT_EQ(PalettePage::row(12), 0);
    EXPECT_EQ(PalettePage::column(215), 17);
    EXPECT_EQ(PalettePage::row(215), 11);
}

TEST(PalettePage, ReadingAPageShowsTheNewestFirst)
{
    TempDir dir;
    std::string bytes;
    for (int k = 1; k <= 300; ++k)
        bytes += HtmlHex(MakeColor(k % 256, k / 256, 0)).substr(1);
    bytes.replace(6 * (290 - 1), 6, "??????"); // record 290 is not a colour
    dir.write("c3.rgb", bytes);
    const PaletteFile file(dir.path(), "c3.rgb");
    ASSERT_EQ(file.count(), 300);

    const PalettePageCells first = file.page(300, 1);
    EXPECT_EQ(first[0].record, 300);
    EXPECT_EQ(first[0].color, MakeColor(300 % 256, 1, 0));
    EXPECT_EQ(first[10].record, 290);
    EXPECT_TRUE(first[10].holdsRecord());
    EXPECT_FALSE(first[10].color.has_value()) << "a malformed record is an empty cell";
    EXPECT_EQ(first[215].record, 85);
    EXPECT_EQ(first[215].color, MakeColor(85, 0, 0));

    const PalettePageCells second = file.page(300, 2);
    EXPECT_EQ(second[0].record, 84);
    EXPECT_EQ(second[0].color, MakeColor(84, 0, 0));
    EXPECT_EQ(second[83].color, MakeColor(1, 0, 0));
    for (int i = 84; i < PalettePage::kCells; ++i) {
        EXPECT_FALSE(second[static_cast<std::size_t>(i)].holdsRecord()) << "cell " << i;
        EXPECT_FALSE(second[static_cast<std::size_t>(i)].color.has_value()) << "cell " << i;
    }
}

TEST(PalettePage, PageOfAFileThatShrankSinceItWasCountedShowsWhatIsLeft)
{
    TempDir dir;
    dir.write("c3.rgb", "FF000000FF00");
    const PalettePageCells cells = PaletteFile(dir.path(), "c3.rgb").page(3, 1);
    EXPECT_EQ(cells[0].record, 3);
    EXPECT_FALSE(cells[0].color.has_value());
    EXPECT_EQ(cells[1].color, MakeColor(0, 255, 0));
    EXPECT_EQ(cells[2].color, MakeColor(255, 0, 0));
}
