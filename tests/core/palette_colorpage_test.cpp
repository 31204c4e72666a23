// Tests of the HTML colour information page.
#include "core/palette/colorpage.h"
#include "palette_testutil.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace prismara;
using prismara::test::paletteFixture;
using prismara::test::TempDir;

namespace {

ColorPageTexts white()
{
    return {"#FFFFFF", "255", "255", "255", "60", "0",   "100", "0",  "0",
            "0",       "0",   "0",   "0",   "0",  "255", "128", "128"};
}

// (51, 102, 153): HSL 270, 50, 40; CMY 204, 153, 102; CMYK 67, 33, 0, 40; YCbCr 93, 162, 98.
ColorPageTexts steelBlue()
{
    return {"#336699", "51", "102", "153", "270", "50", "40",  "204", "153",
            "102",     "67", "33",  "0",   "40",  "93", "162", "98"};
}

std::vector<std::string> crLfLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    EXPECT_EQ(start, text.size()) << "the page ends with CR LF";
    return lines;
}

} // namespace

TEST(ColorPage, WhitePageMatchesTheFixtureByteForByte)
{
    EXPECT_EQ(ColorPageHtml(white()), paletteFixture("colorpage_white.htm"));
}

TEST(ColorPage, EveryBoxLandsInItsOwnRow)
{
    const std::vector<std::string> lines = crLfLines(ColorPageHtml(steelBlue()));
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(kColorPageLines));
    EXPECT_EQ(lines[15], "<p align=center><font face=Tahoma size=2><b>#336699</b></font></td>");
    EXPECT_EQ(lines[lines.size() - 5], "<td width=80% bgcolor=#336699></td>");
    for (const std::string& text : lines)
        EXPECT_EQ(text.find_first_of("\r\n"), std::string::npos) << text;
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "<tr>"), 3 + 16);

    // Value lines in row order; the K row's label spans three lines, so it is two lines longer.
    const std::vector<std::string> values = {"51",  "102", "153", "270", "50", "40", "204", "153",
                                             "102", "67",  "33",  "0",   "40", "93", "162", "98"};
    std::size_t line = 17;
    for (std::size_t row = 0; row < values.size(); ++row) {
        const std::size_t valueLine = line + (row == 12 ? 5 : 3);
        EXPECT_EQ(lines[line], "<tr>") << "row " << row;
        EXPECT_EQ(lines[valueLine], "<td width=33%><font face=Tahoma size=2>" + values[row] + "</font></td>")
            << "row " << row;
        EXPECT_EQ(lines[valueLine + 1], "</tr>") << "row " << row;
        line = valueLine + 2;
    }
    EXPECT_EQ(line, 99u);
}

TEST(ColorPage, TextsAreInsertedUnchanged)
{
    ColorPageTexts texts = white();
    texts.txtK = "-1";
    texts.txtHex = "#ffa1cc";
    const std::string page = ColorPageHtml(texts);
    EXPECT_NE(page.find("<td width=33%><font face=Tahoma size=2>-1</font></td>"), std::string::npos);
    EXPECT_NE(page.find("bgcolor=#ffa1cc>"), std::string::npos);
}

TEST(ColorPage, SavingReplacesAnExistingFileCompletely)
{
    TempDir dir;
    dir.write("#FFFFFF.htm", std::string(10000, 'x'));
    ASSERT_TRUE(SaveColorPage(dir / "#FFFFFF.htm", white()).ok());
    EXPECT_EQ(dir.read("#FFFFFF.htm"), paletteFixture("colorpage_white.htm"));
    ASSERT_TRUE(SaveColorPage(dir / "#FFFFFF.htm", white()).ok());
    EXPECT_EQ(dir.read("#FFFFFF.htm"), paletteFixture("colorpage_white.htm")) << "not appended";
    EXPECT_EQ(test::filesIn(dir.path()), std::set<std::string>{"#FFFFFF.htm"});
}
