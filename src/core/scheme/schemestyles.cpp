// schemestyles.cpp - the table of the five web-scheme styles.
#include "core/scheme/schemestyles.h"

#include <utility>

namespace prismara {

namespace {

SampleRef back(std::string control) { return {std::move(control), SampleProperty::BackColor}; }
SampleRef fore(std::string control) { return {std::move(control), SampleProperty::ForeColor}; }
SampleRef border(std::string control) { return {std::move(control), SampleProperty::BorderColor}; }

// A label with the look it starts with: white unless a table says otherwise, black text (the
// system window-text colour).
SampleControl label(std::string name, std::string caption, ColorValue backColor = kWhite)
{
    return {std::move(name), SampleKind::Label, std::move(caption), backColor, kBlack, kBlack};
}

SampleControl rectangle(std::string name)
{
    return {std::move(name), SampleKind::Rectangle, {}, kWhite, kBlack, kBlack};
}

// The common element form: a button, its targets and source, and samples that each pick
// their own property of the source's kind.
SchemeElement element(std::string option, std::string caption, std::vector<SampleRef> targets,
                      SampleRef source, std::vector<PickSample> picks, ColorValue initial)
{
    SchemeElement e;
    e.optionName = std::move(option);
    e.caption = std::move(caption);
    e.targets = std::move(targets);
    e.source = std::move(source);
    e.picks = std::move(picks);
    e.initialColor = initial;
    return e;
}

// A text sample on its own background.
ContrastPair textPair(std::string name, std::string caption, const std::string& sample)
{
    return {std::move(name), std::move(caption), fore(sample), back(sample), ContrastRule::Text};
}

PickSample pickBack(std::string sample) { return {sample, back(sample)}; }
PickSample pickFore(std::string sample) { return {sample, fore(sample)}; }

SchemeElement withToolTip(SchemeElement e, std::string toolTip)
{
    e.toolTip = std::move(toolTip);
    return e;
}

SchemeElement inGroup(SchemeElement e, std::string frame, std::string caption)
{
    e.groupFrame = std::move(frame);
    e.groupCaption = std::move(caption);
    return e;
}

SchemeElement rewritingCaption(SchemeElement e, std::string sample, std::string prefix)
{
    e.captionRewrite = CaptionRewrite{std::move(sample), std::move(prefix)};
    return e;
}

SchemeStyle webLinksStyle()
{
    SchemeStyle s{"Web Links Color", "picLinkColor", "frmLinkItem", "frmLinkColor", "weblinks", 36, true, {}, {}};

    s.elements.push_back(rewritingCaption(
        withToolTip(element("opttext", "Text", {fore("lbltext0"), fore("lbltext1")}, fore("lbltext0"),
                            {pickFore("lbltext0"), pickFore("lbltext1")}, kBlack),
                    "Body text color"),
        "lbltext1", "Text Color: "));
    s.elements.push_back(withToolTip(
        element("optbg", "Background",
                {back("lbltext0"), back("lbltext1"), back("lblal"), back("lblvl"), back("lblnl"), back("lblhl"),
                 back("lbldisplay")},
                back("lbltext0"), {pickBack("lbldisplay")}, kWhite),
        "Background color"));

    struct Link
    {
        const char* option;
        const char* caption;
        const char* toolTip;
        const char* sample;
        const char* prefix;
    };
    const Link links[] = {
        {"optnl", "Normal link", "Normal hyperlink color", "lblnl", "Normal Link Color: "},
        {"optvl", "Visited link", "Visited hyperlink color", "lblvl", "Visited Link Color: "},
        {"optal", "Active link", "Active hyperlink color", "lblal", "Active Link Color: "},
        {"opthl", "Hover link", "Hover hyperlink color", "lblhl", "Hover Link Color: "},
    };
    for (const Link& link : links) {
        PickSample pick = pickFore(link.sample);
        // The active-link sample picks on its ordinary click rather than on the button release.
        if (std::string_view(link.sample) == "lblal")
            pick.trigger = PickTrigger::PrimaryClick;
        s.elements.push_back(rewritingCaption(
            withToolTip(element(link.option, link.caption, {fore(link.sample)}, fore(link.sample), {pick}, kBlack),
                        link.toolTip),
            link.sample, link.prefix));
    }

    s.samples = {
        label("lbldisplay", ""),
        label("lbltext0", "Welcome!"),
        label("lbltext1", "Text will look like this in web browser."),
        label("lblnl", "Normal links will look like this"),
        label("lblvl", "Visited links will look like this"),
        label("lblal", "Active links will look like this"),
        label("lblhl", "Hover links will look like this"),
    };
    // The body text and every link state against the page background they all share.
    s.contrastPairs = {
        textPair("Text", "Text on background", "lbltext0"),
        textPair("NormalLink", "Normal link on background", "lblnl"),
        textPair("VisitedLink", "Visited link on background", "lblvl"),
        textPair("ActiveLink", "Active link on background", "lblal"),
        textPair("HoverLink", "Hover link on background", "lblhl"),
    };
    return s;
}

SchemeStyle layoutStyle()
{
    SchemeStyle s{"Web Page Layout", "picLayOut", "fraLayoutItem", "frmWebLayOut", "layout", 48, false, {}, {}};
    const std::string header = "fraHeaderItem";
    const std::string side = "fraSideItem";
    const std::string main = "fraMainItem";
    const std::string footer = "fraFooterItem";

    s.elements = {
        inGroup(element("optHeaderBack", "Background", {back("lblHeader"), back("lblHeaderText")}, back("lblHeader"),
                        {pickBack("lblHeader")}, kWhite),
                header, "Header"),
        inGroup(element("optHeaderText", "Text", {fore("lblHeaderText")}, fore("lblHeaderText"),
                        {pickFore("lblHeaderText")}, kBlack),
                header, "Header"),
        inGroup(element("optSideBack", "Background", {back("lblSideLink"), back("lblSideLink1"), back("lblSideLink2")},
                        back("lblSideLink"), {pickBack("lblSideLink")}, kWhite),
                side, "Nav Links"),
        // Both navigation links show the colour of the first one when clicked.
        inGroup(element("optSideText", "Links", {fore("lblSideLink1"), fore("lblSideLink2")}, fore("lblSideLink1"),
                        {pickFore("lblSideLink1"), {"lblSideLink2", fore("lblSideLink1")}}, kBlack),
                side, "Nav Links"),
        inGroup(element("optMainBack", "Background",
                        {back("lblPageContent"), back("lblContent"), back("lblContentText")}, back("lblContent"),
                        {pickBack("lblPageContent")}, kWhite),
                main, "Content"),
        // The content text shows the colour of the content heading when clicked.
        inGroup(element("optMainText", "Text", {fore("lblContentText"), fore("lblContent")}, fore("lblContent"),
                        {pickFore("lblContent"), {"lblContentText", fore("lblContent")}}, kBlack),
                main, "Content"),
        inGroup(element("optFooterBack", "Background", {back("lblFooter"), back("lblFootText")}, back("lblFooter"),
                        {pickBack("lblFooter")}, kWhite),
                footer, "Footer"),
        inGroup(element("optFooterText", "Text", {fore("lblFootText")}, fore("lblFootText"), {pickFore("lblFootText")},
                        kBlack),
                footer, "Footer"),
    };

    s.samples = {
        label("lblHeader", ""),
        label("lblHeaderText", "Header"),
        label("lblSideLink", ""),
        label("lblSideLink1", "Navigation Link"),
        label("lblSideLink2", "Navigation Link"),
        label("lblPageContent", ""),
        label("lblContent", "Content"),
        label("lblContentText", "This is sample text."),
        label("lblFooter", ""),
        label("lblFootText", "Footer: Copyright..."),
    };
    s.contrastPairs = {
        textPair("HeaderText", "Header text on header", "lblHeaderText"),
        textPair("NavLinks", "Navigation links on sidebar", "lblSideLink1"),
        textPair("ContentText", "Content text on content", "lblContentText"),
        textPair("FooterText", "Footer text on footer", "lblFootText"),
    };
    return s;
}

SchemeStyle tablesStyle()
{
    SchemeStyle s{"Html Tables", "picHtmlTable", "fraTableItem", "", "tables", 42, false, {}, {}};

    // The first two background captions carry the program's own spelling.
    const char* backCaptions[] = {"Table1: Backgroud", "Table2: Backgroud", "Table3: Background"};
    for (int t = 1; t <= 3; ++t) {
        const std::string n = std::to_string(t);
        const std::string area = "lblTable" + n;
        const std::string text = area + "Text";
        s.elements.push_back(element("optTable" + n + "Back", backCaptions[t - 1], {back(area), back(text)}, back(area),
                                     {pickBack(area)}, kWhite));
        s.elements.push_back(
            element("optTable" + n + "Text", "Table" + n + ": Text", {fore(text)}, fore(text), {pickFore(text)}, kBlack));
    }
    // The rectangles take no clicks: the border colour can be set but never picked.
    s.elements.push_back(element("optTableBorder", "Border",
                                 {border("shpTable1"), border("shpTable2"), border("shpTable3")}, border("shpTable1"),
                                 {}, kBlack));

    for (int t = 1; t <= 3; ++t) {
        const std::string n = std::to_string(t);
        s.samples.push_back(label("lblTable" + n, ""));
        s.samples.push_back(label("lblTable" + n + "Text", "Table" + n + ": Text"));
    }
    for (int t = 1; t <= 3; ++t)
        s.samples.push_back(rectangle("shpTable" + std::to_string(t)));
    // Each table's text against its cells.
    for (int t = 1; t <= 3; ++t) {
        const std::string n = std::to_string(t);
        s.contrastPairs.push_back(textPair("Table" + n, "Table" + n + ": text on cells", "lblTable" + n + "Text"));
    }
    return s;
}

SchemeStyle backTextStyle()
{
    SchemeStyle s{"Background/Text", "picBackText", "frmBackTextItem", "frmBackText", "backtext", 24, false, {}, {}};
    s.elements = {
        element("optBack1", "Background [1]", {back("lblBack1"), back("lblBackText1")}, back("lblBack1"),
                {pickBack("lblBack1")}, kWhite),
        element("optBackText1", "Text [1]", {fore("lblBack1"), fore("lblBackText1")}, fore("lblBack1"),
                {pickFore("lblBackText1")}, kBlack),
        element("optBack2", "Background [2]", {back("lblBack2"), back("lblBackText2")}, back("lblBack2"),
                {pickBack("lblBack2")}, kWhite),
        element("optBackText2", "Text [2]", {fore("lblBackText2"), fore("lblBack2")}, fore("lblBack2"),
                {pickFore("lblBackText2")}, kBlack),
    };
    s.samples = {
        label("lblBack1", "[1]"),
        label("lblBackText1", "Sample Text"),
        label("lblBack2", "[2]"),
        label("lblBackText2", "Sample Text"),
    };
    s.contrastPairs = {
        textPair("BackText1", "Text [1] on background [1]", "lblBackText1"),
        textPair("BackText2", "Text [2] on background [2]", "lblBackText2"),
    };
    return s;
}

SchemeStyle shapesStyle()
{
    SchemeStyle s{"Shapes", "picShapes", "fraShapesItem", "", "shapes", 18, false, {}, {}};
    struct Shape
    {
        const char* option;
        const char* caption;
        const char* sample;
        ColorValue initial;
    };
    const Shape shapes[] = {
        {"optShape1", "Shape1", "lblShape1", 0x999999},
        {"optShape2", "Shape2", "lblshape2", 0xCCCCCC},
        {"optShape3", "Shape3", "lblshape3", 0xFFFFFF},
    };
    for (const Shape& shape : shapes) {
        s.elements.push_back(element(shape.option, shape.caption, {back(shape.sample)}, back(shape.sample),
                                     {pickBack(shape.sample)}, shape.initial));
        s.samples.push_back(label(shape.sample, "", shape.initial));
        // A shape is a graphical object on the page: the 3:1 rule.
        s.contrastPairs.push_back({shape.caption, std::string(shape.caption) + " on page", back(shape.sample),
                                   std::nullopt, ContrastRule::NonText});
    }
    return s;
}

} // namespace

std::optional<std::size_t> SchemeStyle::sampleIndex(std::string_view name) const
{
    for (std::size_t i = 0; i < samples.size(); ++i) {
        if (samples[i].name == name)
            return i;
    }
    return std::nullopt;
}

std::optional<std::size_t> SchemeStyle::elementIndex(std::string_view optionName) const
{
    for (std::size_t i = 0; i < elements.size(); ++i) {
        if (elements[i].optionName == optionName)
            return i;
    }
    return std::nullopt;
}

std::optional<SamplePick> SchemeStyle::findPick(std::string_view sample) const
{
    for (std::size_t i = 0; i < elements.size(); ++i) {
        for (const PickSample& pick : elements[i].picks) {
            if (pick.sample == sample)
                return SamplePick{i, &pick};
        }
    }
    return std::nullopt;
}

const std::vector<SchemeStyle>& SchemeStyles::all()
{
    static const std::vector<SchemeStyle> styles = {
        webLinksStyle(), layoutStyle(), tablesStyle(), backTextStyle(), shapesStyle(),
    };
    return styles;
}

std::optional<std::size_t> SchemeStyles::indexOf(std::string_view caption)
{
    const auto& styles = all();
    for (std::size_t i = 0; i < styles.size(); ++i) {
        if (styles[i].caption == caption)
            return i;
    }
    return std::nullopt;
}

} // namespace prismara
