// Contrast in the web-scheme designer: the pairs each style checks, the verdicts as colours
// change, Fix Contrast on single and shared elements, the code window's report, and the colours
// that a colour-vision deficiency makes hard to tell apart.
#include "core/scheme/schemecontrast.h"

#include "core/access/contrast.h"
#include "core/colour/colorspaces.h"
#include "core/scheme/schemestate.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <string>

using namespace prismara;

namespace {

std::size_t elementOf(std::size_t style, const char* option)
{
    return SchemeStyles::style(style).elementIndex(option).value();
}

void set(SchemeState& state, std::size_t style, const char* option, ColorValue color)
{
    state.applyColor(style, elementOf(style, option), color);
}

ColorValue rgb(std::uint32_t hex) { return MakeColor(int(hex >> 16), int((hex >> 8) & 255), int(hex & 255)); }

// Whether every pair the element takes part in meets the level.
bool elementPasses(const SchemeState& state, std::size_t style, std::size_t element, ContrastLevel level)
{
    const SchemeStyle& table = SchemeStyles::style(style);
    for (const PairContrast& c : SchemeContrast(state, style)) {
        const auto elements = PairElements(table, *c.pair);
        if (std::find(elements.begin(), elements.end(), element) != elements.end() &&
            !(level == ContrastLevel::AA ? c.passesAA : c.passesAAA))
            return false;
    }
    return true;
}

} // namespace

TEST(SchemeContrast, EveryPairShowsColoursOfItsStyleAndFollowsThem)
{
    for (std::size_t style = 0; style < SchemeStyles::all().size(); ++style) {
        const SchemeStyle& table = SchemeStyles::style(style);
        EXPECT_FALSE(table.contrastPairs.empty()) << table.caption;
        for (const ContrastPair& pair : table.contrastPairs) {
            const auto elements = PairElements(table, pair);
            ASSERT_FALSE(elements.empty()) << pair.name << ": no element sets its foreground";
            EXPECT_EQ(elements.size(), pair.background ? 2u : 1u) << pair.name;
            // Painting the foreground element changes the pair's foreground, and only that side.
            SchemeState state;
            state.applyColor(style, elements[0], rgb(0x123456));
            const auto after = SchemeContrast(state, style);
            const auto& c = *std::find_if(after.begin(), after.end(), [&](const PairContrast& p) { return p.pair == &pair; });
            EXPECT_EQ(c.foreground, rgb(0x123456)) << pair.name;
            EXPECT_NE(c.background, rgb(0x123456)) << pair.name;
        }
    }
}

TEST(SchemeContrast, VerdictsAndFlagsFollowTheColours)
{
    SchemeState state;
    constexpr std::size_t links = SchemeStyles::kWebLinks;
    set(state, links, "optvl", rgb(0x777777)); // 4.48:1 on white: fails AA
    set(state, links, "optnl", rgb(0x595959)); // 7.0:1: AAA
    set(state, links, "opthl", rgb(0x767676)); // 4.54:1: AA only
    std::map<std::string, std::string> marks;
    for (const PairContrast& c : SchemeContrast(state, links))
        marks[c.pair->name] = RatioText(c.ratio, 1) + " " + ContrastMark(c);
    EXPECT_EQ(marks["VisitedLink"], "4.4 \u2717 AA");
    EXPECT_EQ(marks["NormalLink"], "7 AAA");
    EXPECT_EQ(marks["HoverLink"], "4.5 AA");
    EXPECT_EQ(marks["Text"], "21 AAA");

    const std::vector<bool> failing = FailingElements(state, links);
    for (std::size_t e = 0; e < failing.size(); ++e) {
        const std::string& option = SchemeStyles::style(links).elements[e].optionName;
        EXPECT_EQ(failing[e], option == "optvl" || option == "optbg") << option;
    }

    // Shapes: the 3:1 rule against the page.
    SchemeState shapes;
    set(shapes, SchemeStyles::kShapes, "optShape1", rgb(0xAAAAAA));
    EXPECT_EQ(ContrastMark(SchemeContrast(shapes, SchemeStyles::kShapes)[0]), "\u2717 3:1");
    set(shapes, SchemeStyles::kShapes, "optShape1", rgb(0x949494));
    EXPECT_EQ(ContrastMark(SchemeContrast(shapes, SchemeStyles::kShapes)[0]), "3:1");
}

TEST(SchemeContrast, RatiosAreCutNeverRaised)
{
    EXPECT_EQ(RatioText(4.4999, 1), "4.4");
    EXPECT_EQ(RatioText(4.5, 1), "4.5");
    EXPECT_EQ(RatioText(21.0, 2), "21");
    EXPECT_EQ(RatioText(6.999, 2), "6.99");
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
        {"light blue link on white, AA", SchemeStyles::kWebLinks, "optvl", {{"optvl", rgb(0x9999FF)}}, ContrastLevel::AA},
        {"light blue link on white, AAA", SchemeStyles::kWebLinks, "optvl", {{"optvl", rgb(0x9999FF)}}, ContrastLevel::AAA},
        {"dark text on a dark header", SchemeStyles::kLayout, "optHeaderText",
         {{"optHeaderBack", rgb(0x203040)}, {"optHeaderText", rgb(0x405060)}}, ContrastLevel::AA},
        {"page background under dark text and light links (five pairs)", SchemeStyles::kWebLinks, "optbg",
         {{"optbg", rgb(0x707070)}, {"optnl", rgb(0x000044)}, {"optvl", rgb(0x330000)}}, ContrastLevel::AA},
        {"pale shape on the page", SchemeStyles::kShapes, "optShape2", {{"optShape2", rgb(0xDDEEFF)}}, ContrastLevel::AAA},
    };
    for (const Case& c : cases) {
        SchemeState state;
        for (const auto& [option, color] : c.setup)
            set(state, c.style, option, color);
        const std::size_t element = elementOf(c.style, c.option);
        ASSERT_FALSE(elementPasses(state, c.style, element, c.level)) << c.what << ": fails at first";
        const std::optional<ColorValue> fixed = FixElementContrast(state, c.style, element, c.level);
        ASSERT_TRUE(fixed) << c.what;
        const ColorValue before = state.color(c.style, SchemeStyles::style(c.style).elements[element].source);
        SchemeState after = state;
        after.applyColor(c.style, element, *fixed);
        EXPECT_TRUE(elementPasses(after, c.style, element, c.level)) << c.what;
        // Least: one 8-bit step of lightness less of the way does not pass.
        const OkLch from = OklchOf(before);
        const OkLch to = OklchOf(*fixed);
        const double shorter = to.l - (to.l > from.l ? 0.004 : -0.004);
        SchemeState almost = state;
        almost.applyColor(c.style, element, ToColor(OkLch{shorter, from.c, from.h}));
        EXPECT_FALSE(elementPasses(almost, c.style, element, c.level)) << c.what << ": a shorter move passes";
        if (HasHue(from.h) && from.c > 0.03 && HasHue(to.h)) {
            EXPECT_LT(std::abs(std::remainder(to.h - from.h, 360.0)), 6.0) << c.what << ": hue kept";
        }
    }
}

TEST(SchemeContrast, FixContrastLeavesPassingImpossibleAndPairlessAlone)
{
    SchemeState state;
    constexpr std::size_t layout = SchemeStyles::kLayout;
    EXPECT_EQ(FixElementContrast(state, layout, elementOf(layout, "optHeaderText"), ContrastLevel::AAA), kBlack)
        << "black on white already passes";
    set(state, layout, "optHeaderBack", rgb(0x777777));
    EXPECT_EQ(FixElementContrast(state, layout, elementOf(layout, "optHeaderText"), ContrastLevel::AAA), std::nullopt)
        << "no text reads at 7:1 on mid grey";
    EXPECT_EQ(FixElementContrast(state, SchemeStyles::kTables, elementOf(SchemeStyles::kTables, "optTableBorder"),
                                 ContrastLevel::AA),
              std::nullopt)
        << "the table border takes part in no pair";
    EXPECT_FALSE(ElementHasPairs(SchemeStyles::kTables, elementOf(SchemeStyles::kTables, "optTableBorder")));
}

TEST(SchemeContrast, ReportHasAHeadingAndOneLinePerPair)
{
    SchemeState state;
    set(state, SchemeStyles::kWebLinks, "optvl", rgb(0x777777));
    const std::string report = ContrastReport(state, SchemeStyles::kWebLinks);
    std::vector<std::string> lines;
    for (std::size_t from = 0;;) {
        const std::size_t end = report.find("\r\n", from);
        lines.push_back(report.substr(from, end - from));
        if (end == std::string::npos)
            break;
        from = end + 2;
    }
    ASSERT_EQ(lines.size(), 2 + SchemeStyles::style(SchemeStyles::kWebLinks).contrastPairs.size());
    EXPECT_EQ(lines[1], "Pair                        Ratio    AA    AAA   APCA Lc  Colors");
    EXPECT_EQ(lines[2], "Text on background          21:1     pass  pass  106      #000000 on #FFFFFF");
    EXPECT_EQ(lines[4], "Visited link on background  4.47:1   FAIL  FAIL  71.1     #777777 on #FFFFFF");
}

TEST(SchemeContrast, ColoursThatLookAlikeWithADeficiency)
{
    SchemeState state;
    constexpr std::size_t links = SchemeStyles::kWebLinks;
    set(state, links, "optnl", rgb(0x008000));
    set(state, links, "optvl", rgb(0xCC6600));
    set(state, links, "optal", rgb(0x008000)); // one colour, two elements
    EXPECT_TRUE(SchemeConfusions(state, links, Deficiency::Tritanopia).empty()) << "told apart without red cones' loss";
    const auto confusions = SchemeConfusions(state, links, Deficiency::Protanopia);
    ASSERT_FALSE(confusions.empty());
    const SchemeConfusion& c = confusions.front();
    EXPECT_LT(c.simulatedDistance, kHardToTellApart);
    EXPECT_EQ(ConfusionText(SchemeStyles::style(links), {c}, Deficiency::Protanopia),
              "Normal link and Active link (#008000) and Visited link (#CC6600) look alike with protanopia");
}
