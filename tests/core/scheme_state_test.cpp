// Tests of the web-scheme samples: applying a colour to an element, picking a sample, saving and
// loading the element colours.
#include "core/scheme/schemestate.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using namespace prismara;

namespace {

constexpr std::size_t kLinks = SchemeStyles::kWebLinks;
constexpr std::size_t kLayout = SchemeStyles::kLayout;
constexpr std::size_t kTables = SchemeStyles::kTables;
constexpr std::size_t kBackText = SchemeStyles::kBackText;
constexpr std::size_t kShapes = SchemeStyles::kShapes;

std::size_t elementOf(std::size_t style, const char* option)
{
    return SchemeStyles::style(style).elementIndex(option).value();
}

// Every sample whose look differs between two states, as "style:name".
std::vector<std::string> changedSamples(const SchemeState& a, const SchemeState& b)
{
    std::vector<std::string> out;
    for (std::size_t s = 0; s < SchemeStyles::all().size(); ++s)
        for (std::size_t i = 0; i < a.looks(s).size(); ++i)
            if (!(a.looks(s)[i] == b.looks(s)[i]))
                out.push_back(std::to_string(s) + ":" + SchemeStyles::style(s).samples[i].name);
    return out;
}

} // namespace

TEST(SchemeState, AnElementColoursItsTargetsAndTheWebLinksCaptionsAndNothingElse)
{
    struct Row
    {
        std::size_t style;
        const char* option;
        std::vector<std::string> changed;
        const char* caption; // of the first changed sample
    };
    const Row rows[] = {
        {kLinks, "opttext", {"0:lbltext0", "0:lbltext1"}, "Welcome!"},
        {kLinks, "optvl", {"0:lblvl"}, "Visited Link Color: #563412"},
        {kLinks, "opthl", {"0:lblhl"}, "Hover Link Color: #563412"},
        {kLinks, "optbg", {"0:lbldisplay", "0:lbltext0", "0:lbltext1", "0:lblnl", "0:lblvl", "0:lblal", "0:lblhl"}, ""},
        {kTables, "optTable2Back", {"2:lblTable2", "2:lblTable2Text"}, ""},
        {kTables, "optTableBorder", {"2:shpTable1", "2:shpTable2", "2:shpTable3"}, ""},
        {kLayout, "optMainText", {"1:lblContent", "1:lblContentText"}, "Content"},
    };
    for (const Row& row : rows) {
        SchemeState state;
        state.applyColor(row.style, elementOf(row.style, row.option), 0x123456);
        std::vector<std::string> changed = changedSamples(SchemeState(), state);
        std::vector<std::string> expected = row.changed;
        std::sort(changed.begin(), changed.end());
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(changed, expected) << row.option;
        EXPECT_EQ(state.caption(row.style, row.changed[0].substr(2)),
                  *row.caption ? std::string(row.caption) : SchemeState().caption(row.style, row.changed[0].substr(2)))
            << row.option;
        EXPECT_EQ(state.sourceColors(row.style)[elementOf(row.style, row.option)], 0x123456) << row.option;
    }
    SchemeState state;
    state.applyColor(kTables, 99, 0x010203);
    state.applyColor(99, 0, 0x010203);
    EXPECT_TRUE(state == SchemeState()) << "out-of-range positions change nothing";
}

TEST(SchemeState, APickTakesTheColourOfItsPropertyAndSelectsItsElement)
{
    SchemeState state;
    state.loadRecord(kLayout, {1, 2, 3, 4, 5, 6, 7, 8});
    state.applyColor(kLinks, elementOf(kLinks, "optbg"), 0x778899);
    const struct
    {
        std::size_t style;
        const char* sample;
        const char* option;
        ColorValue color;
    } rows[] = {
        {kLayout, "lblSideLink2", "optSideText", 4}, {kLayout, "lblContentText", "optMainText", 6},
        {kLayout, "lblPageContent", "optMainBack", 5}, {kLinks, "lbldisplay", "optbg", 0x778899},
        {kLinks, "lbltext1", "opttext", kBlack},     {kBackText, "lblBackText1", "optBackText1", kBlack},
        {kShapes, "lblshape2", "optShape2", 0xCCCCCC},
    };
    for (const auto& r : rows) {
        const auto pick = state.pickColor(r.style, r.sample);
        ASSERT_TRUE(pick.has_value()) << r.sample;
        EXPECT_EQ(pick->element, elementOf(r.style, r.option)) << r.sample;
        EXPECT_EQ(pick->color, r.color) << r.sample;
    }
    EXPECT_FALSE(state.pickColor(kTables, "shpTable1").has_value()) << "table borders take no clicks";
    EXPECT_FALSE(state.pickColor(kLayout, "lblShape1").has_value()) << "a sample of another style";
}

TEST(SchemeState, LoadingSetsEveryFieldThatHoldsAColourInRecordOrder)
{
    SchemeState state;
    EXPECT_EQ(state.sourceColors(kShapes), (std::vector<ColorValue>{0x999999, 0xCCCCCC, 0xFFFFFF}));
    state.loadRecord(kLinks, {kBlack, kWhite, 0xFF0000, 0x800080, 0x0000FF, 0x008000});
    EXPECT_EQ(state.caption(kLinks, "lblnl"), "Normal Link Color: #0000FF");
    state.applyColor(kLinks, elementOf(kLinks, "optnl"), 0x111111);
    state.loadRecord(kLinks, {0x222222, std::nullopt, std::nullopt, 0x333333});
    EXPECT_EQ(state.sourceColors(kLinks), (std::vector<ColorValue>{0x222222, kWhite, 0x111111, 0x333333, 0x0000FF, 0x008000}))
        << "fields without a colour and past a short record keep their samples";
    EXPECT_EQ(state.caption(kLinks, "lblvl"), "Visited Link Color: #333333");

    state.loadRecord(kShapes, {1, 2, 3, 4, 5});
    EXPECT_EQ(state.sourceColors(kShapes), (std::vector<ColorValue>{1, 2, 3}));
    state.reset(kShapes);
    EXPECT_EQ(state.sourceColors(kShapes), SchemeState().sourceColors(kShapes));
}
