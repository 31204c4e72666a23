// Contrast in the web-scheme designer: the pairs each style checks, Fix Contrast on single and
// shared elements, the code window's report, and colours a deficiency makes look alike.
#include "core/scheme/schemecontrast.h"

#include "core/colour/colorspaces.h"
#include "core/scheme/schemestate.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace prismara;

namespace {

constexpr std::size_t kLinks = SchemeStyles::kWebLinks;

std::size_t elementOf(std::size_t style, const char* option) { return SchemeStyles::style(style).elementIndex(option).value(); }
void set(SchemeState& s, std::size_t style, const char* option, ColorValue c) { s.applyColor(style, elementOf(style, option), c); }
ColorValue rgb(std::uint32_t hex) { return MakeColor(int(hex >> 16), int((hex >> 8) & 255), int(hex & 255)); }

// Whether every pair the element takes part in meets the level.
bool elementPasses(const SchemeState& state, std::size_t style, std::size_t element, ContrastLevel level)
{
    for (const PairContrast& c : SchemeContrast(state, style)) {
        const auto e = PairElements(SchemeStyles::style(style), *c.pair);
        if (std::find(e.begin(), e.end(), element) != e.end() && !(level == ContrastLevel::AA ? c.passesAA : c.passesAAA))
            return false;
    }
    return true;
}

} // namespace

TEST(SchemeContrast, EveryPairFollowsTheElementThatSetsItsForeground)
{
    for (std::size_t style = 0; style < SchemeStyles::all().size(); ++style) {
        const SchemeStyle& table = SchemeStyles::style(style);
        EXPECT_FALSE(table.contrastPairs.empty()) << table.caption;
        for (std::size_t i = 0; i < table.contrastPairs.size(); ++i) {
            const auto elements = PairElements(table, table.contrastPairs[i]);
            ASSERT_EQ(elements.size(), table.contrastPairs[i].background ? 2u : 1u) << table.contrastPairs[i].name;
            SchemeState state;
            state.applyColor(style, elements[0], rgb(0x123456));
            EXPECT_EQ(SchemeContrast(state, style)[i].foreground, rgb(0x123456)) << table.contrastPairs[i].name;
            EXPECT_NE(SchemeContrast(state, style)[i].background, rgb(0x123456)) << table.contrastPairs[i].name;
        }
    }
}

TEST(SchemeContrast, FixContrastMovesLightnessLeastAndKeepsHue)
{
    struct Case
    {
        const char* what;
        std::size_t style;
        const char* option;
        std::vector<std::pair<const char*, ColorValue>> setup;
        ContrastLevel level;
    };
    const Case cases[] = {
        {"light blue link, AA", kLinks, "optvl", {{"optvl", rgb(0x9999FF)}}, ContrastLevel::AA},
        {"light blue link, AAA", kLinks, "optvl", {{"optvl", rgb(0x9999FF)}}, ContrastLevel::AAA},
        {"dark text on a dark header", SchemeStyles::kLayout, "optHeaderText",
         {{"optHeaderBack", rgb(0x203040)}, {"optHeaderText", rgb(0x405060)}}, ContrastLevel::AA},
        {"page background under text and links (five pairs)", kLinks, "optbg",
         {{"optbg", rgb(0x707070)}, {"optnl", rgb(0x000044)}, {"optvl", rgb(0x330000)}}, ContrastLevel::AA},
        {"pale shape on the page", SchemeStyles::kShapes, "optShape2", {{"optShape2", rgb(0xDDEEFF)}}, ContrastLevel::AAA},
    };
    for (const Case& c : cases) {
        SchemeState state;
        for (const auto& [option, color] : c.setup)
            set(state, c.style, option, color);
        const std::size_t element = elementOf(c.style, c.option);
        ASSERT_FALSE(elementPasses(state, c.style, element, c.level)) << c.what;
        const std::optional<ColorValue> fixed = FixElementContrast(state, c.style, element, c.level);
        ASSERT_TRUE(fixed) << c.what;
        SchemeState after = state;
        after.applyColor(c.style, element, *fixed);
        EXPECT_TRUE(elementPasses(after, c.style, element, c.level)) << c.what;
        // Least: stopping one 8-bit step of lightness short does not pass.
        const OkLch from = OklchOf(state.color(c.style, SchemeStyles::style(c.style).elements[element].source));
        const OkLch to = OklchOf(*fixed);
        after.applyColor(c.style, element, ToColor(OkLch{to.l - std::copysign(0.004, to.l - from.l), from.c, from.h}));
        EXPECT_FALSE(elementPasses(after, c.style, element, c.level)) << c.what << ": a shorter move passes";
        if (from.c > 0.03 && HasHue(to.h)) {
            EXPECT_LT(std::abs(std::remainder(to.h - from.h, 360.0)), 6.0) << c.what << ": hue kept";
        }
    }
    // Passing already, impossible, and no pair at all.
    SchemeState state;
    const std::size_t layout = SchemeStyles::kLayout;
    EXPECT_EQ(FixElementContrast(state, layout, elementOf(layout, "optHeaderText"), ContrastLevel::AAA), kBlack);
    set(state, layout, "optHeaderBack", rgb(0x777777));
    EXPECT_EQ(FixElementContrast(state, layout, elementOf(layout, "optHeaderText"), ContrastLevel::AAA), std::nullopt);
    const std::size_t border = elementOf(SchemeStyles::kTables, "optTableBorder");
    EXPECT_EQ(FixElementContrast(state, SchemeStyles::kTables, border, ContrastLevel::AA), std::nullopt);
    EXPECT_FALSE(ElementHasPairs(SchemeStyles::kTables, border));
}

TEST(SchemeContrast, ReportIsATableWithOneLinePerPair)
{
    SchemeState state;
    set(state, kLinks, "optvl", rgb(0x777777));
    const std::string report = ContrastReport(state, kLinks);
    EXPECT_EQ(std::count(report.begin(), report.end(), '\n'), 1 + 5) << "heading, column heads, five pairs";
    EXPECT_NE(report.find("\r\nPair                        Ratio    AA    AAA   APCA Lc  Colors\r\n"
                          "Text on background          21:1     pass  pass  106      #000000 on #FFFFFF\r\n"),
              std::string::npos);
    EXPECT_NE(report.find("\r\nVisited link on background  4.47:1   FAIL  FAIL  71.1     #777777 on #FFFFFF\r\n"),
              std::string::npos);
    // Shapes: the 3:1 rule against the page.
    EXPECT_NE(ContrastReport(state, SchemeStyles::kShapes).find("\r\nShape1 on page  2.84:1   FAIL  FAIL"), std::string::npos);
    EXPECT_EQ(ContrastMark(SchemeContrast(state, SchemeStyles::kShapes)[1]), "\u2717 3:1");
}

TEST(SchemeContrast, ColoursThatLookAlikeWithADeficiency)
{
    SchemeState state;
    set(state, kLinks, "optnl", rgb(0x008000));
    set(state, kLinks, "optvl", rgb(0xCC6600));
    set(state, kLinks, "optal", rgb(0x008000)); // one colour, two elements
    EXPECT_TRUE(SchemeConfusions(state, kLinks, Deficiency::Tritanopia).empty());
    const auto confusions = SchemeConfusions(state, kLinks, Deficiency::Protanopia);
    ASSERT_FALSE(confusions.empty());
    EXPECT_LT(confusions.front().simulatedDistance, kHardToTellApart);
    EXPECT_EQ(ConfusionText(SchemeStyles::style(kLinks), {confusions.front()}, Deficiency::Protanopia),
              "Normal link and Active link (#008000) and Visited link (#CC6600) look alike with protanopia");
}
