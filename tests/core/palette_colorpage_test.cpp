// Tests of the colour information page: the values of the five models and the HTML page, byte for
// byte against its fixtures.
#include "core/palette/colorinfo.h"
#include "core/palette/colorpage.h"
#include "palette_testutil.h"

#include <gtest/gtest.h>

using namespace prismara;
using prismara::test::paletteFixture;

TEST(ColorPage, PagesOfTheModelValuesMatchTheFixtures)
{
    EXPECT_EQ(ColorPageHtml(ColorInfoTexts("#FFFFFF", "255", "255", "255")), paletteFixture("colorpage_white.htm"));
    EXPECT_EQ(ColorPageHtml(ColorInfoTexts("#336699", "51", "102", "153")), paletteFixture("colorpage_336699.htm"));
    const ColorPageTexts red = ColorInfoTexts("#FF0000", "255", "0", "0");
    EXPECT_EQ(red.txtc + red.txtm + red.txtY + "|" + red.txtc1 + red.txtm1 + red.txtY1 + red.txtK,
              "0255255|01001000");
}

TEST(ColorPage, TextsAreShownAsGivenAndReadAsBytes)
{
    const std::pair<const char*, int> bytes[] = {{" 7 ", 7}, {"300", 255}, {"-4", 0}, {"", 0}, {"12x", 0},
                                                 {"99999999999999999999", 255}, {"-99999999999999999999", 0}};
    for (const auto& [text, value] : bytes)
        EXPECT_EQ(ChannelByte(text), value) << '"' << text << '"';
    const ColorPageTexts t = ColorInfoTexts("#ffa1cc", "300", "", "abc");
    EXPECT_EQ(t.txtr + "|" + t.txtg + "|" + t.txtc + "|" + t.txtm, "300||0|255");
    const std::string page = ColorPageHtml(t);
    EXPECT_NE(page.find("<td width=33%><font face=Tahoma size=2>300</font></td>"), std::string::npos);
    EXPECT_NE(page.find("bgcolor=#ffa1cc>"), std::string::npos);
}
