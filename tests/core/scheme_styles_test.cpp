// Tests of the web-scheme style table: styles, elements, samples and what each click picks.
#include "core/scheme/schemestyles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

using namespace prismara;

namespace {

SampleRef back(const char* c) { return {c, SampleProperty::BackColor}; }
SampleRef fore(const char* c) { return {c, SampleProperty::ForeColor}; }

std::vector<std::string> optionNames(const SchemeStyle& style)
{
    std::vector<std::string> names;
    for (const auto& e : style.elements)
        names.push_back(e.optionName);
    return names;
}

} // namespace

TEST(SchemeStyles, TabOrderPanelsFramesStemsAndRecordLengths)
{
    struct Row
    {
        const char* caption;
        const char* panel;
        const char* optionFrame;
        const char* sampleFrame;
        const char* stem;
        std::size_t recordLength;
        std::size_t elements;
        bool fullPopup;
    };
    const Row rows[] = {
        {"Web Links Color", "picLinkColor", "frmLinkItem", "frmLinkColor", "weblinks", 36, 6, true},
        {"Web Page Layout", "picLayOut", "fraLayoutItem", "frmWebLayOut", "layout", 48, 8, false},
        {"Html Tables", "picHtmlTable", "fraTableItem", "", "tables", 42, 7, false},
        {"Background/Text", "picBackText", "frmBackTextItem", "frmBackText", "backtext", 24, 4, false},
        {"Shapes", "picShapes", "fraShapesItem", "", "shapes", 18, 3, false},
    };
    const auto& styles = SchemeStyles::all();
    ASSERT_EQ(styles.size(), std::size(rows));
    std::size_t optionButtons = 0;
    for (std::size_t i = 0; i < styles.size(); ++i) {
        const Row& r = rows[i];
        const SchemeStyle& s = styles[i];
        SCOPED_TRACE(r.caption);
        EXPECT_EQ(s.caption, r.caption);
        EXPECT_EQ(s.panel, r.panel);
        EXPECT_EQ(s.optionFrame, r.optionFrame);
        EXPECT_EQ(s.sampleFrame, r.sampleFrame);
        EXPECT_EQ(s.stem, r.stem);
        EXPECT_EQ(s.listFileName(), std::string(r.stem) + ".hcs");
        EXPECT_EQ(s.dataFileName(), std::string(r.stem) + ".dat");
        EXPECT_EQ(s.recordLength, r.recordLength);
        EXPECT_EQ(s.elements.size(), r.elements);
        EXPECT_EQ(s.recordLength, s.elements.size() * SchemeStyles::kFieldLength);
        EXPECT_EQ(s.fullPopupMenu, r.fullPopup);
        EXPECT_EQ(SchemeStyles::indexOf(r.caption), i);
        optionButtons += s.elements.size();
    }
    EXPECT_EQ(optionButtons, 28u) << "the Lock box disables 28 option buttons";
    EXPECT_EQ(SchemeStyles::indexOf("web links color"), std::nullopt);
    EXPECT_EQ(SchemeStyles::indexOf(""), std::nullopt);
    EXPECT_EQ(SchemeStyles::style(SchemeStyles::kShapes).caption, "Shapes");
    EXPECT_EQ(SchemeStyles::style(SchemeStyles::kBackText).caption, "Background/Text");
}

TEST(SchemeStyles, ElementsAreInRecordFieldOrder)
{
    const std::vector<std::vector<std::string>> expected = {
        {"opttext", "optbg", "optnl", "optvl", "optal", "opthl"},
        {"optHeaderBack", "optHeaderText", "optSideBack", "optSideText", "optMainBack", "optMainText",
         "optFooterBack", "optFooterText"},
        {"optTable1Back", "optTable1Text", "optTable2Back", "optTable2Text", "optTable3Back", "optTable3Text",
         "optTableBorder"},
        {"optBack1", "optBackText1", "optBack2", "optBackText2"},
        {"optShape1", "optShape2", "optShape3"},
    };
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(optionNames(SchemeStyles::style(i)), expected[i]) << SchemeStyles::style(i).caption;
}

TEST(SchemeStyles, OptionCaptionsToolTipsAndGroups)
{
    struct Row
    {
        std::size_t style;
        const char* option;
        const char* caption;
        const char* toolTip;
        const char* groupFrame;
        const char* groupCaption;
    };
    const Row rows[] = {
        {0, "opttext", "Text", "Body text color", "", ""},
        {0, "optbg", "Background", "Background color", "", ""},
        {0, "optnl", "Normal link", "Normal hyperlink color", "", ""},
        {0, "optvl", "Visited link", "Visited hyperlink color", "", ""},
        {0, "optal", "Active link", "Active hyperlink color", "", ""},
        {0, "opthl", "Hover link", "Hover hyperlink color", "", ""},
        {1, "optHeaderBack", "Background", "", "fraHeaderItem", "Header"},
        {1, "optHeaderText", "Text", "", "fraHeaderItem", "Header"},
        {1, "optSideBack", "Background", "", "fraSideItem", "Nav Links"},
        {1, "optSideText", "Links", "", "fraSideItem", "Nav Links"},
        {1, "optMainBack", "Background", "", "fraMainItem", "Content"},
        {1, "optMainText", "Text", "", "fraMainItem", "Content"},
        {1, "optFooterBack", "Background", "", "fraFooterItem", "Footer"},
        {1, "optFooterText", "Text", "", "fraFooterItem", "Footer"},
        {2, "optTable1Back", "Table1: Backgroud", "", "", ""},
        {2, "optTable1Text", "Table1: Text", "", "", ""},
        {2, "optTable2Back", "Table2: Backgroud", "", "", ""},
        {2, "optTable2Text", "Table2: Text", "", "", ""},
        {2, "optTable3Back", "Table3: Background", "", "", ""},
        {2, "optTable3Text", "Table3: Text", "", "", ""},
        {2, "optTableBorder", "Border", "", "", ""},
        {3, "optBack1", "Background [1]", "", "", ""},
        {3, "optBackText1", "Text [1]", "", "", ""},
        {3, "optBack2", "Background [2]", "", "", ""},
        {3, "optBackText2", "Text [2]", "", "", ""},
        {4, "optShape1", "Shape1", "", "", ""},
        {4, "optShape2", "Shape2", "", "", ""},
        {4, "optShape3", "Shape3", "", "", ""},
    };
    for (const Row& r : rows) {
        const SchemeStyle& s = SchemeStyles::style(r.style);
        const auto index = s.elementIndex(r.option);
        ASSERT_TRUE(index.has_value()) << r.option;
        const SchemeElement& e = s.elements[*index];
        EXPECT_EQ(e.caption, r.caption) << r.option;
        EXPECT_EQ(e.toolTip, r.toolTip) << r.option;
        EXPECT_EQ(e.groupFrame, r.groupFrame) << r.option;
        EXPECT_EQ(e.groupCaption, r.groupCaption) << r.option;
    }
}

TEST(SchemeStyles, TargetsSourcesAndInitialColours)
{
    struct Row
    {
        std::size_t style;
        const char* option;
        std::vector<SampleRef> targets;
        SampleRef source;
        ColorValue initial;
    };
    const std::vector<Row> rows = {
        {0, "opttext", {fore("lbltext0"), fore("lbltext1")}, fore("lbltext0"), kBlack},
        {0, "optbg",
         {back("lbltext0"), back("lbltext1"), back("lblal"), back("lblvl"), back("lblnl"), back("lblhl"),
          back("lbldisplay")},
         back("lbltext0"),
         kWhite},
        {0, "optnl", {fore("lblnl")}, fore("lblnl"), kBlack},
        {0, "optvl", {fore("lblvl")}, fore("lblvl"), kBlack},
        {0, "optal", {fore("lblal")}, fore("lblal"), kBlack},
        {0, "opthl", {fore("lblhl")}, fore("lblhl"), kBlack},
        {1, "optHeaderBack", {back("lblHeader"), back("lblHeaderText")}, back("lblHeader"), kWhite},
        {1, "optHeaderText", {fore("lblHeaderText")}, fore("lblHeaderText"), kBlack},
        {1, "optSideBack", {back("lblSideLink"), back("lblSideLink1"), back("lblSideLink2")}, back("lblSideLink"), kWhite},
        {1, "optSideText", {fore("lblSideLink1"), fore("lblSideLink2")}, fore("lblSideLink1"), kBlack},
        {1, "optMainBack", {back("lblPageContent"), back("lblContent"), back("lblContentText")}, back("lblContent"), kWhite},
        {1, "optMainText", {fore("lblContentText"), fore("lblContent")}, fore("lblContent"), kBlack},
        {1, "optFooterBack", {back("lblFooter"), back("lblFootText")}, back("lblFooter"), kWhite},
        {1, "optFooterText", {fore("lblFootText")}, fore("lblFootText"), kBlack},
        {2, "optTable1Back", {back("lblTable1"), back("lblTable1Text")}, back("lblTable1"), kWhite},
        {2, "optTable1Text", {fore("lblTable1Text")}, fore("lblTable1Text"), kBlack},
        {2, "optTable2Back", {back("lblTable2"), back("lblTable2Text")}, back("lblTable2"), kWhite},
        {2, "optTable2Text", {fore("lblTable2Text")}, fore("lblTable2Text"), kBlack},
        {2, "optTable3Back", {back("lblTable3"), back("lblTable3Text")}, back("lblTable3"), kWhite},
        {2, "optTable3Text", {fore("lblTable3Text")}, fore("lblTable3Text"), kBlack},
        {2, "optTableBorder",
         {{"shpTable1", SampleProperty::BorderColor}, {"shpTable2", SampleProperty::BorderColor},
          {"shpTable3", SampleProperty::BorderColor}},
         {"shpTable1", SampleProperty::BorderColor},
         kBlack},
        {3, "optBack1", {back("lblBack1"), back("lblBackText1")}, back("lblBack1"), kWhite},
        {3, "optBackText1", {fore("lblBack1"), fore("lblBackText1")}, fore("lblBack1"), kBlack},
        {3, "optBack2", {back("lblBack2"), back("lblBackText2")}, back("lblBack2"), kWhite},
        {3, "optBackText2", {fore("lblBackText2"), fore("lblBack2")}, fore("lblBack2"), kBlack},
        {4, "optShape1", {back("lblShape1")}, back("lblShape1"), 0x999999},
        {4, "optShape2", {back("lblshape2")}, back("lblshape2"), 0xCCCCCC},
        {4, "optShape3", {back("lblshape3")}, back("lblshape3"), 0xFFFFFF},
    };
    for (const Row& r : rows) {
        const SchemeStyle& s = SchemeStyles::style(r.style);
        const auto index = s.elementIndex(r.option);
        ASSERT_TRUE(index.has_value()) << r.option;
        const SchemeElement& e = s.elements[*index];
        EXPECT_EQ(e.targets, r.targets) << r.option;
        EXPECT_EQ(e.source, r.source) << r.option;
        EXPECT_EQ(e.initialColor, r.initial) << r.option;
    }
}

TEST(SchemeStyles, OnlyWebLinksTextAndLinksRewriteCaptions)
{
    struct Row
    {
        const char* option;
        const char* sample;
        const char* prefix;
    };
    const Row rows[] = {
        {"opttext", "lbltext1", "Text Color: "},
        {"optnl", "lblnl", "Normal Link Color: "},
        {"optvl", "lblvl", "Visited Link Color: "},
        {"optal", "lblal", "Active Link Color: "},
        {"opthl", "lblhl", "Hover Link Color: "},
    };
    std::set<std::string> rewriting;
    for (const Row& r : rows) {
        const SchemeStyle& s = SchemeStyles::style(SchemeStyles::kWebLinks);
        const SchemeElement& e = s.elements[s.elementIndex(r.option).value()];
        ASSERT_TRUE(e.captionRewrite.has_value()) << r.option;
        EXPECT_EQ(e.captionRewrite->sample, r.sample) << r.option;
        EXPECT_EQ(e.captionRewrite->prefix, r.prefix) << r.option;
        rewriting.insert(r.option);
    }
    for (const SchemeStyle& s : SchemeStyles::all()) {
        for (const SchemeElement& e : s.elements) {
            if (!rewriting.count(e.optionName)) {
                EXPECT_FALSE(e.captionRewrite.has_value()) << e.optionName << " must not rewrite a caption";
            }
        }
    }
}

TEST(SchemeStyles, EverySampleClickSelectsItsElementAndPicksTheRightProperty)
{
    struct Row
    {
        std::size_t style;
        const char* sample;
        const char* option;
        SampleRef colorFrom;
        PickTrigger trigger;
    };
    const auto R = PickTrigger::ButtonRelease;
    const std::vector<Row> rows = {
        {0, "lbldisplay", "optbg", back("lbldisplay"), R},
        {0, "lbltext0", "opttext", fore("lbltext0"), R},
        {0, "lbltext1", "opttext", fore("lbltext1"), R},
        {0, "lblnl", "optnl", fore("lblnl"), R},
        {0, "lblvl", "optvl", fore("lblvl"), R},
        {0, "lblal", "optal", fore("lblal"), PickTrigger::PrimaryClick},
        {0, "lblhl", "opthl", fore("lblhl"), R},
        {3, "lblBack1", "optBack1", back("lblBack1"), R},
        {3, "lblBack2", "optBack2", back("lblBack2"), R},
        {3, "lblBackText1", "optBackText1", fore("lblBackText1"), R},
        {3, "lblBackText2", "optBackText2", fore("lblBackText2"), R},
        {1, "lblHeader", "optHeaderBack", back("lblHeader"), R},
        {1, "lblHeaderText", "optHeaderText", fore("lblHeaderText"), R},
        {1, "lblSideLink", "optSideBack", back("lblSideLink"), R},
        {1, "lblSideLink1", "optSideText", fore("lblSideLink1"), R},
        {1, "lblSideLink2", "optSideText", fore("lblSideLink1"), R},
        {1, "lblPageContent", "optMainBack", back("lblPageContent"), R},
        {1, "lblContent", "optMainText", fore("lblContent"), R},
        {1, "lblContentText", "optMainText", fore("lblContent"), R},
        {1, "lblFooter", "optFooterBack", back("lblFooter"), R},
        {1, "lblFootText", "optFooterText", fore("lblFootText"), R},
        {2, "lblTable1", "optTable1Back", back("lblTable1"), R},
        {2, "lblTable1Text", "optTable1Text", fore("lblTable1Text"), R},
        {2, "lblTable2", "optTable2Back", back("lblTable2"), R},
        {2, "lblTable2Text", "optTable2Text", fore("lblTable2Text"), R},
        {2, "lblTable3", "optTable3Back", back("lblTable3"), R},
        {2, "lblTable3Text", "optTable3Text", fore("lblTable3Text"), R},
        {4, "lblShape1", "optShape1", back("lblShape1"), R},
        {4, "lblshape2", "optShape2", back("lblshape2"), R},
        {4, "lblshape3", "optShape3", back("lblshape3"), R},
    };
    std::size_t pickCount = 0;
    for (const SchemeStyle& s : SchemeStyles::all()) {
        for (const SchemeElement& e : s.elements)
            pickCount += e.picks.size();
    }
    EXPECT_EQ(pickCount, rows.size()) << "7 Web Links samples and the family of 23 others";

    for (const Row& r : rows) {
        const SchemeStyle& s = SchemeStyles::style(r.style);
        const auto pick = s.findPick(r.sample);
        ASSERT_TRUE(pick.has_value()) << r.sample;
        EXPECT_EQ(s.elements[pick->element].optionName, r.option) << r.sample;
        EXPECT_EQ(pick->pick->colorFrom, r.colorFrom) << r.sample;
        EXPECT_EQ(pick->pick->trigger, r.trigger) << r.sample;
    }
}

TEST(SchemeStyles, TableBordersTakeNoClicks)
{
    const SchemeStyle& tables = SchemeStyles::style(SchemeStyles::kTables);
    for (const char* rect : {"shpTable1", "shpTable2", "shpTable3"}) {
        EXPECT_FALSE(tables.findPick(rect).has_value()) << rect;
        ASSERT_TRUE(tables.sampleIndex(rect).has_value()) << rect;
        EXPECT_EQ(tables.samples[*tables.sampleIndex(rect)].kind, SampleKind::Rectangle) << rect;
    }
    EXPECT_TRUE(tables.elements.back().picks.empty());
}

TEST(SchemeStyles, SamplesWithTheirStartingCaptionsAndColours)
{
    struct Row
    {
        std::size_t style;
        const char* name;
        const char* caption;
        ColorValue back;
    };
    const Row rows[] = {
        {0, "lbldisplay", "", kWhite},
        {0, "lbltext0", "Welcome!", kWhite},
        {0, "lbltext1", "Text will look like this in web browser.", kWhite},
        {0, "lblnl", "Normal links will look like this", kWhite},
        {0, "lblvl", "Visited links will look like this", kWhite},
        {0, "lblal", "Active links will look like this", kWhite},
        {0, "lblhl", "Hover links will look like this", kWhite},
        {1, "lblHeader", "", kWhite},
        {1, "lblHeaderText", "Header", kWhite},
        {1, "lblSideLink", "", kWhite},
        {1, "lblSideLink1", "Navigation Link", kWhite},
        {1, "lblSideLink2", "Navigation Link", kWhite},
        {1, "lblPageContent", "", kWhite},
        {1, "lblContent", "Content", kWhite},
        {1, "lblContentText", "This is sample text.", kWhite},
        {1, "lblFooter", "", kWhite},
        {1, "lblFootText", "Footer: Copyright...", kWhite},
        {2, "lblTable1", "", kWhite},
        {2, "lblTable1Text", "Table1: Text", kWhite},
        {2, "lblTable2", "", kWhite},
        {2, "lblTable2Text", "Table2: Text", kWhite},
        {2, "lblTable3", "", kWhite},
        {2, "lblTable3Text", "Table3: Text", kWhite},
        {2, "shpTable1", "", kWhite},
        {2, "shpTable2", "", kWhite},
        {2, "shpTable3", "", kWhite},
        {3, "lblBack1", "[1]", kWhite},
        {3, "lblBackText1", "Sample Text", kWhite},
        {3, "lblBack2", "[2]", kWhite},
        {3, "lblBackText2", "Sample Text", kWhite},
        {4, "lblShape1", "", 0x999999},
        {4, "lblshape2", "", 0xCCCCCC},
        {4, "lblshape3", "", 0xFFFFFF},
    };
    std::size_t total = 0;
    for (const SchemeStyle& s : SchemeStyles::all())
        total += s.samples.size();
    EXPECT_EQ(total, std::size(rows));
    for (const Row& r : rows) {
        const SchemeStyle& s = SchemeStyles::style(r.style);
        const auto index = s.sampleIndex(r.name);
        ASSERT_TRUE(index.has_value()) << r.name;
        const SampleControl& c = s.samples[*index];
        EXPECT_EQ(c.caption, r.caption) << r.name;
        EXPECT_EQ(c.backColor, r.back) << r.name;
        // Every text colour, and every property no element names, starts as the window-text colour.
        EXPECT_EQ(c.foreColor, kBlack) << r.name;
        EXPECT_EQ(c.borderColor, kBlack) << r.name;
    }
}

// The table must hang together: every name an element uses is a sample of its own style, with a
// property that kind of sample has, and each element's initial colour is its source's start.
TEST(SchemeStyles, EveryReferenceNamesASampleOfItsStyle)
{
    std::set<std::string> options;
    for (const SchemeStyle& s : SchemeStyles::all()) {
        std::set<std::string> names;
        for (const SampleControl& c : s.samples)
            EXPECT_TRUE(names.insert(c.name).second) << s.caption << ": duplicate sample " << c.name;

        const auto check = [&](const SampleRef& ref, const std::string& what) {
            const auto index = s.sampleIndex(ref.control);
            ASSERT_TRUE(index.has_value()) << s.caption << ": " << what << " names unknown " << ref.control;
            const bool rect = s.samples[*index].kind == SampleKind::Rectangle;
            EXPECT_EQ(rect, ref.property == SampleProperty::BorderColor)
                << s.caption << ": " << what << " uses a property " << ref.control << " does not have";
        };
        for (const SchemeElement& e : s.elements) {
            EXPECT_TRUE(options.insert(e.optionName).second) << "duplicate option " << e.optionName;
            for (const SampleRef& t : e.targets)
                check(t, e.optionName + " target");
            check(e.source, e.optionName + " source");
            EXPECT_NE(std::find(e.targets.begin(), e.targets.end(), e.source), e.targets.end())
                << e.optionName << ": the source must be one of the targets";
            for (const PickSample& p : e.picks) {
                check({p.sample, SampleProperty::ForeColor}, e.optionName + " pick");
                check(p.colorFrom, e.optionName + " pick colour");
            }
            if (e.captionRewrite) {
                EXPECT_TRUE(s.sampleIndex(e.captionRewrite->sample).has_value()) << e.optionName;
            }

            const SampleControl& src = s.samples[s.sampleIndex(e.source.control).value()];
            const ColorValue start = e.source.property == SampleProperty::BackColor   ? src.backColor
                                     : e.source.property == SampleProperty::ForeColor ? src.foreColor
                                                                                      : src.borderColor;
            EXPECT_EQ(e.initialColor, start) << e.optionName;
        }
    }
}
