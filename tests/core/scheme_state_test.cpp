// Tests of the sample state: applying a colour to an element, picking a sample, saving and
// loading the element colours.
#include "core/scheme/schemestate.h"

#include <gtest/gtest.h>

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

SampleRef back(const char* c) { return {c, SampleProperty::BackColor}; }
SampleRef fore(const char* c) { return {c, SampleProperty::ForeColor}; }

// Every sample whose look differs between two states, as "style:name".
std::vector<std::string> changedSamples(const SchemeState& a, const SchemeState& b)
{
    std::vector<std::string> out;
    for (std::size_t s = 0; s < SchemeStyles::all().size(); ++s) {
        for (std::size_t i = 0; i < a.looks(s).size(); ++i) {
            if (!(a.looks(s)[i] == b.looks(s)[i]))
                out.push_back(std::to_string(s) + ":" + SchemeStyles::style(s).samples[i].name);
        }
    }
    return out;
}

} // namespace

TEST(SchemeState, StartsWithTheTableLooks)
{
    const SchemeState state;
    for (std::size_t s = 0; s < SchemeStyles::all().size(); ++s) {
        const SchemeStyle& style = SchemeStyles::style(s);
        ASSERT_EQ(state.looks(s).size(), style.samples.size());
        for (std::size_t i = 0; i < style.samples.size(); ++i) {
            EXPECT_EQ(state.looks(s)[i].caption, style.samples[i].caption) << style.samples[i].name;
            EXPECT_EQ(state.looks(s)[i].backColor, style.samples[i].backColor) << style.samples[i].name;
        }
    }
    EXPECT_EQ(state.find(kLinks, "lblTable1"), nullptr) << "samples belong to one style";
    EXPECT_EQ(state.caption(kLinks, "nothing"), "");
}

TEST(SchemeState, VisitedLinkTakesPureRedAndRewritesItsCaption)
{
    SchemeState state;
    const SchemeState before = state;
    state.applyColor(kLinks, elementOf(kLinks, "optvl"), 0x0000FF);
    EXPECT_EQ(state.color(kLinks, fore("lblvl")), 0x0000FF);
    EXPECT_EQ(state.caption(kLinks, "lblvl"), "Visited Link Color: #FF0000");
    EXPECT_EQ(changedSamples(before, state), std::vector<std::string>{"0:lblvl"});
}

TEST(SchemeState, EachTextAndLinkElementRewritesItsOwnCaption)
{
    struct Row
    {
        const char* option;
        const char* sample;
        ColorValue color;
        const char* caption;
    };
    const Row rows[] = {
        {"opttext", "lbltext1", 0x123456, "Text Color: #563412"},
        {"optnl", "lblnl", 0xFF0000, "Normal Link Color: #0000FF"},
        {"optvl", "lblvl", 0x800080, "Visited Link Color: #800080"},
        {"optal", "lblal", 0x0000FF, "Active Link Color: #FF0000"},
        {"opthl", "lblhl", 0x00ABCD, "Hover Link Color: #CDAB00"},
    };
    for (const Row& r : rows) {
        SchemeState state;
        state.applyColor(kLinks, elementOf(kLinks, r.option), r.color);
        EXPECT_EQ(state.caption(kLinks, r.sample), r.caption) << r.option;
        EXPECT_EQ(state.color(kLinks, fore(r.sample)), r.color) << r.option;
    }
}

TEST(SchemeState, TextColoursBothTextSamplesButKeepsTheHeadingCaption)
{
    SchemeState state;
    state.applyColor(kLinks, elementOf(kLinks, "opttext"), 0x00FF00);
    EXPECT_EQ(state.color(kLinks, fore("lbltext0")), 0x00FF00);
    EXPECT_EQ(state.color(kLinks, fore("lbltext1")), 0x00FF00);
    EXPECT_EQ(state.caption(kLinks, "lbltext0"), "Welcome!");
    EXPECT_EQ(state.caption(kLinks, "lbltext1"), "Text Color: #00FF00");
}

TEST(SchemeState, BackgroundRecoloursSevenSamplesAndNoCaption)
{
    SchemeState state;
    const SchemeState before = state;
    state.applyColor(kLinks, elementOf(kLinks, "optbg"), 0x224466);
    const auto changed = changedSamples(before, state);
    EXPECT_EQ(changed.size(), 7u);
    for (const SampleControl& sample : SchemeStyles::style(kLinks).samples) {
        const SampleLook* look = state.find(kLinks, sample.name);
        EXPECT_EQ(look->backColor, 0x224466) << sample.name;
        EXPECT_EQ(look->foreColor, kBlack) << sample.name;
        EXPECT_EQ(look->caption, sample.caption) << sample.name << " keeps its caption";
    }
}

TEST(SchemeState, AColourTouchesOnlyTheStyleItIsAppliedTo)
{
    SchemeState state;
    const SchemeState before = state;
    state.applyColor(kTables, elementOf(kTables, "optTable2Back"), 0x010203);
    EXPECT_EQ(changedSamples(before, state), (std::vector<std::string>{"2:lblTable2", "2:lblTable2Text"}));
    EXPECT_EQ(state.sourceColors(kShapes), before.sourceColors(kShapes));

    state.applyColor(kTables, 99, 0x010203);
    state.applyColor(99, 0, 0x010203);
    EXPECT_EQ(changedSamples(before, state).size(), 2u) << "out-of-range positions change nothing";
}

TEST(SchemeState, TableBorderIsSetOnAllThreeRectanglesAndCannotBePicked)
{
    SchemeState state;
    state.applyColor(kTables, elementOf(kTables, "optTableBorder"), 0x336699);
    for (const char* rect : {"shpTable1", "shpTable2", "shpTable3"}) {
        EXPECT_EQ(state.color(kTables, {rect, SampleProperty::BorderColor}), 0x336699) << rect;
        EXPECT_FALSE(state.pickColor(kTables, rect).has_value()) << rect;
    }
    EXPECT_EQ(state.sourceColors(kTables).back(), 0x336699);
}

TEST(SchemeState, PicksTakeTheColourOfTheNamedProperty)
{
    SchemeState state;
    state.applyColor(kLayout, elementOf(kLayout, "optSideText"), 0x0A0B0C);
    state.applyColor(kLayout, elementOf(kLayout, "optMainText"), 0x112233);
    state.applyColor(kLayout, elementOf(kLayout, "optMainBack"), 0x445566);
    state.applyColor(kLinks, elementOf(kLinks, "optbg"), 0x778899);

    struct Row
    {
        std::size_t style;
        const char* sample;
        const char* option;
        ColorValue color;
    };
    const Row rows[] = {
        {kLayout, "lblSideLink1", "optSideText", 0x0A0B0C},
        {kLayout, "lblSideLink2", "optSideText", 0x0A0B0C},
        {kLayout, "lblContent", "optMainText", 0x112233},
        {kLayout, "lblContentText", "optMainText", 0x112233},
        {kLayout, "lblPageContent", "optMainBack", 0x445566},
        {kLayout, "lblHeader", "optHeaderBack", kWhite},
        {kLinks, "lbldisplay", "optbg", 0x778899},
        {kLinks, "lbltext1", "opttext", kBlack},
        {kShapes, "lblshape2", "optShape2", 0xCCCCCC},
        {kBackText, "lblBackText1", "optBackText1", kBlack},
    };
    for (const Row& r : rows) {
        const auto pick = state.pickColor(r.style, r.sample);
        ASSERT_TRUE(pick.has_value()) << r.sample;
        EXPECT_EQ(pick->element, elementOf(r.style, r.option)) << r.sample;
        EXPECT_EQ(pick->color, r.color) << r.sample;
    }
    EXPECT_FALSE(state.pickColor(kLayout, "lblShape1").has_value()) << "a sample of another style";
}

TEST(SchemeState, PickingTheFirstBackgroundTextAlsoColoursItsSwatchWhenApplied)
{
    // The pick goes through the current colour back into HtmlColor, which sets both targets.
    SchemeState state;
    const auto pick = state.pickColor(kBackText, "lblBackText1").value();
    state.applyColor(kBackText, pick.element, pick.color);
    EXPECT_EQ(state.color(kBackText, fore("lblBack1")), kBlack);
    EXPECT_EQ(state.color(kBackText, fore("lblBackText1")), kBlack);

    state.applyColor(kBackText, elementOf(kBackText, "optBackText2"), 0x00AA00);
    EXPECT_EQ(state.color(kBackText, fore("lblBack2")), 0x00AA00);
    EXPECT_EQ(state.color(kBackText, fore("lblBackText2")), 0x00AA00);
    EXPECT_EQ(state.sourceColors(kBackText), (std::vector<ColorValue>{kWhite, kBlack, kWhite, 0x00AA00}));
}

TEST(SchemeState, SourceColoursFollowTheRecordFieldOrder)
{
    SchemeState state;
    EXPECT_EQ(state.sourceColors(kShapes), (std::vector<ColorValue>{0x999999, 0xCCCCCC, 0xFFFFFF}));
    EXPECT_EQ(state.sourceColors(kLinks), (std::vector<ColorValue>{kBlack, kWhite, kBlack, kBlack, kBlack, kBlack}));

    const ColorValue colours[] = {0x010101, 0x020202, 0x030303, 0x040404, 0x050505, 0x060606, 0x070707, 0x080808};
    const SchemeStyle& layout = SchemeStyles::style(kLayout);
    for (std::size_t i = 0; i < layout.elements.size(); ++i)
        state.applyColor(kLayout, i, colours[i]);
    EXPECT_EQ(state.sourceColors(kLayout), std::vector<ColorValue>(std::begin(colours), std::end(colours)));
}

TEST(SchemeState, LoadingSetsEveryTargetAndRewritesWebLinksCaptions)
{
    SchemeState state;
    state.loadRecord(kLinks, {kBlack, kWhite, 0xFF0000, 0x800080, 0x0000FF, 0x008000});
    EXPECT_EQ(state.caption(kLinks, "lbltext1"), "Text Color: #000000");
    EXPECT_EQ(state.caption(kLinks, "lblnl"), "Normal Link Color: #0000FF");
    EXPECT_EQ(state.caption(kLinks, "lblvl"), "Visited Link Color: #800080");
    EXPECT_EQ(state.caption(kLinks, "lblal"), "Active Link Color: #FF0000");
    EXPECT_EQ(state.caption(kLinks, "lblhl"), "Hover Link Color: #008000");
    EXPECT_EQ(state.caption(kLinks, "lbltext0"), "Welcome!");

    state.loadRecord(kLayout, {1, 2, 3, 4, 5, 6, 7, 8});
    // Both navigation links and both content labels carry the same colour after a load.
    EXPECT_EQ(state.color(kLayout, fore("lblSideLink2")), state.color(kLayout, fore("lblSideLink1")));
    EXPECT_EQ(state.color(kLayout, fore("lblContentText")), state.color(kLayout, fore("lblContent")));
    EXPECT_EQ(state.color(kLayout, back("lblContentText")), 5);
    EXPECT_EQ(state.caption(kLayout, "lblContent"), "Content") << "only Web Links rewrites captions";
    EXPECT_EQ(state.sourceColors(kLayout), (std::vector<ColorValue>{1, 2, 3, 4, 5, 6, 7, 8}));
}

TEST(SchemeState, LoadingSkipsFieldsWithoutAColour)
{
    SchemeState state;
    state.applyColor(kLinks, elementOf(kLinks, "optnl"), 0x111111);
    const SchemeState before = state;

    state.loadRecord(kLinks, {0x222222, std::nullopt, std::nullopt, 0x333333});
    EXPECT_EQ(state.color(kLinks, fore("lbltext0")), 0x222222);
    EXPECT_EQ(state.color(kLinks, back("lbltext0")), kWhite) << "background field missing";
    EXPECT_EQ(state.caption(kLinks, "lblnl"), "Normal Link Color: #111111") << "normal link field missing";
    EXPECT_EQ(state.caption(kLinks, "lblvl"), "Visited Link Color: #333333");
    EXPECT_EQ(state.caption(kLinks, "lblal"), "Active links will look like this") << "short record";

    SchemeState untouched = before;
    untouched.loadRecord(kLinks, std::vector<std::optional<ColorValue>>(6));
    EXPECT_EQ(untouched, before);
    untouched.loadRecord(kShapes, {1, 2, 3, 4, 5});
    EXPECT_EQ(untouched.sourceColors(kShapes), (std::vector<ColorValue>{1, 2, 3}));

    untouched.reset(kShapes);
    EXPECT_EQ(untouched, before);
}
