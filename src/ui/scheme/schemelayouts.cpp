// schemelayouts.cpp - the mock-up pages of the five web-scheme styles.
#include "ui/scheme/schemelayouts.h"

#include <map>
#include <string>

namespace prismara {

namespace {

constexpr Qt::Alignment kCentred = Qt::AlignCenter;
constexpr Qt::Alignment kTopLeft = Qt::AlignLeft | Qt::AlignTop;

// A page with a "Welcome!" heading, a line of body text and four link lines.
PanelLayout webLinks()
{
    return {100,
            {
                {.name = "lbldisplay", .rect = {0, 0, 233, 179}},
                {.name = "lbltext0", .rect = {10, 8, 213, 26}, .pointSize = 13, .bold = true},
                {.name = "lbltext1", .rect = {10, 40, 213, 18}},
                {.name = "lblnl", .rect = {10, 70, 213, 18}, .underline = true},
                {.name = "lblvl", .rect = {10, 94, 213, 18}, .underline = true},
                {.name = "lblal", .rect = {10, 118, 213, 18}, .underline = true},
                {.name = "lblhl", .rect = {10, 142, 213, 18}, .underline = true},
            },
            // At the right end of each line.
            {{"Text", {223, 21}},
             {"NormalLink", {223, 79}},
             {"VisitedLink", {223, 103}},
             {"ActiveLink", {223, 127}},
             {"HoverLink", {223, 151}}}};
}

// Header bar, navigation column with two links, content area, footer bar.
PanelLayout pageLayout()
{
    return {172,
            {
                {.name = "lblHeader", .rect = {0, 0, 161, 32}, .outlined = true},
                {.name = "lblSideLink", .rect = {0, 31, 66, 123}, .outlined = true},
                {.name = "lblPageContent", .rect = {65, 31, 96, 123}, .outlined = true},
                {.name = "lblFooter", .rect = {0, 153, 161, 26}, .outlined = true},
                {.name = "lblHeaderText", .rect = {8, 6, 120, 20}, .pointSize = 12, .bold = true},
                {.name = "lblSideLink1", .rect = {4, 40, 59, 30}, .pointSize = 7.5, .underline = true, .alignment = kTopLeft, .wrap = true},
                {.name = "lblSideLink2", .rect = {4, 76, 59, 30}, .pointSize = 7.5, .underline = true, .alignment = kTopLeft, .wrap = true},
                {.name = "lblContent", .rect = {72, 38, 84, 20}, .pointSize = 10, .bold = true},
                {.name = "lblContentText", .rect = {72, 62, 84, 34}, .alignment = kTopLeft, .wrap = true},
                // At the left, so that the contrast mark has the bar's right end.
                {.name = "lblFootText", .rect = {4, 157, 153, 18}, .pointSize = 7},
            },
            // Header and footer at the bar's right end; sidebar and content at their foot.
            {{"HeaderText", {157, 16}},
             {"NavLinks", {63, 143}},
             {"ContentText", {157, 143}},
             {"FooterText", {159, 166}}}};
}

// Three bordered tables, each with a caption row.
PanelLayout htmlTables()
{
    PanelLayout layout{144, {}};
    const char* areas[] = {"lblTable1", "lblTable2", "lblTable3"};
    const char* texts[] = {"lblTable1Text", "lblTable2Text", "lblTable3Text"};
    const char* frames[] = {"shpTable1", "shpTable2", "shpTable3"};
    for (int t = 0; t < 3; ++t) {
        const QRect table(8, 6 + t * 58, 173, 52);
        layout.samples.push_back({.name = areas[t], .rect = table});
        layout.samples.push_back(
            {.name = texts[t], .rect = {table.left() + 6, table.top() + 2, table.width() - 12, 15}, .bold = true});
        layout.samples.push_back({.name = frames[t], .rect = table, .shape = SampleShape::TableGrid});
    }
    // In each table's caption row, at its right end.
    const char* pairs[] = {"Table1", "Table2", "Table3"};
    for (int t = 0; t < 3; ++t)
        layout.badges.push_back({pairs[t], {178, 6 + t * 58 + 10}});
    return layout;
}

// Two swatches, each with a line of text on it.
PanelLayout backgroundText()
{
    return {124,
            {
                {.name = "lblBack1", .rect = {8, 10, 92, 159}, .bold = true, .alignment = kTopLeft, .indent = 5, .outlined = true},
                {.name = "lblBack2", .rect = {109, 10, 92, 159}, .bold = true, .alignment = kTopLeft, .indent = 5, .outlined = true},
                {.name = "lblBackText1", .rect = {12, 80, 84, 20}, .pointSize = 9, .alignment = kCentred},
                {.name = "lblBackText2", .rect = {113, 80, 84, 20}, .pointSize = 9, .alignment = kCentred},
            },
            // Under each line of text.
            {{"BackText1", {96, 114}}, {"BackText2", {197, 114}}}};
}

// A circle, a rounded rectangle and a diamond.
PanelLayout shapes()
{
    return {78,
            {
                {.name = "lblShape1", .rect = {8, 50, 76, 76}, .shape = SampleShape::Circle},
                {.name = "lblshape2", .rect = {90, 50, 76, 76}, .shape = SampleShape::RoundedBox},
                {.name = "lblshape3", .rect = {172, 50, 76, 76}, .shape = SampleShape::Diamond},
            },
            // Under each shape.
            {{"Shape1", {84, 140}}, {"Shape2", {166, 140}}, {"Shape3", {248, 140}}}};
}

} // namespace

const PanelLayout& SchemeLayouts::forPanel(std::string_view panel)
{
    static const std::map<std::string, PanelLayout, std::less<>> layouts = {
        {"picLinkColor", webLinks()}, {"picLayOut", pageLayout()},  {"picHtmlTable", htmlTables()},
        {"picBackText", backgroundText()}, {"picShapes", shapes()},
    };
    static const PanelLayout none{0, {}};
    const auto it = layouts.find(panel);
    return it == layouts.end() ? none : it->second;
}

} // namespace prismara
