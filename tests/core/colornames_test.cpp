// Tests of the colour-name dictionary and the nearest-name search.
#include "core/colour/colornames.h"

#include "core/colour/colorspaces.h"

#include <gtest/gtest.h>

#include <set>

using namespace prismara;

TEST(ColorNames, DictionaryHoldsTheCssAndXkcdNamesOnce)
{
    const auto dictionary = ColorNameDictionary();
    ASSERT_EQ(dictionary.size(), 148u + 949u);
    std::set<std::string_view> names;
    for (std::size_t i = 0; i < dictionary.size(); ++i) {
        EXPECT_EQ(dictionary[i].source, i < 148 ? NameSource::Css : NameSource::Xkcd) << dictionary[i].name;
        EXPECT_TRUE(names.insert(dictionary[i].name).second) << "twice: " << dictionary[i].name;
    }
    EXPECT_TRUE(names.contains("xkcd:red") && names.contains("red") && names.contains("dusty rose"));
}

TEST(ColorNames, ExactMatchesAndNearestNames)
{
    const struct { ColorValue color; const char* name; bool exact; } rows[] = {
        {MakeColor(100, 149, 237), "cornflowerblue", true},
        {MakeColor(0, 255, 255), "aqua", true}, // before "cyan" and "xkcd:cyan"
        {MakeColor(229, 0, 0), "xkcd:red", true},
        {MakeColor(100, 149, 238), "cornflowerblue", false},
        {MakeColor(1, 1, 1), "black", false},
    };
    for (const auto& row : rows) {
        const ColorName found = NearestColorName(row.color);
        EXPECT_EQ(found.name, row.name) << HtmlHex(row.color);
        EXPECT_EQ(found.exact, row.exact) << HtmlHex(row.color);
        EXPECT_EQ(found.value == row.color, row.exact) << HtmlHex(row.color);
    }
    for (const NamedColor& entry : ColorNameDictionary())
        ASSERT_TRUE(NearestColorName(entry.value).exact) << entry.name;
}

TEST(ColorNames, NothingInTheDictionaryIsNearer)
{
    for (ColorValue c = 0; c <= kWhite; c += 104729) {
        const ColorName found = NearestColorName(c);
        const double distance = DeltaEOk(OklabOf(c), OklabOf(found.value));
        for (const NamedColor& entry : ColorNameDictionary())
            ASSERT_LE(distance, DeltaEOk(OklabOf(c), OklabOf(entry.value))) << HtmlHex(c) << " " << entry.name;
    }
}

TEST(ColorNames, CssNamesInAnyCase)
{
    EXPECT_EQ(CssNamedColor("RebeccaPurple"), MakeColor(102, 51, 153));
    EXPECT_EQ(CssNamedColor("grey"), CssNamedColor("gray"));
    EXPECT_FALSE(CssNamedColor("dusty rose")) << "xkcd names are not CSS names";
    EXPECT_FALSE(CssNamedColor("")) << "empty";
}
