// The text rules of the current-colour editors, without widgets.
#include "core/editors/editortext.h"

#include <gtest/gtest.h>

#include <string>

using namespace prismara;
using Action = ChannelTextChange::Action;

namespace {
std::string narrow(const std::u16string& text) { return std::string(text.begin(), text.end()); }
} // namespace

TEST(EditorText, HtmlHexHandsItsPiecesToTheChannelBoxes)
{
    struct Row
    {
        std::u16string text;
        bool ignored, emptied;
        std::string pieces; // red|green|blue
    };
    const Row rows[] = {
        {u"", true, false, "||"},          {u"##", true, false, "||"},       {u"#00F", false, false, "00|F|"},
        {u"12345", false, false, "12|34|5"}, {u"#12#34#56", false, false, "12|34|56"}, {u"#1G2", false, true, "1G|2|"},
        {u"#12 4", false, true, "12| 4|"},
        // Pieces are counted in the box's characters: a letter beyond ASCII is one character.
        {u"\u00E912345", false, true, "\xE9" "1|23|45"},
    };
    for (const Row& row : rows) {
        const HtmlTextChange change = EditorText::htmlChanged(row.text);
        const std::string what = narrow(row.text);
        EXPECT_EQ(change.ignored, row.ignored) << what;
        EXPECT_EQ(change.emptyBox, row.emptied) << what;
        EXPECT_EQ(narrow(change.red) + "|" + narrow(change.green) + "|" + narrow(change.blue), row.pieces) << what;
    }
}

TEST(EditorText, ChannelBoxesRepairBadTextAndClampDecimals)
{
    struct Row
    {
        std::u16string text;
        bool decimal;
        Action action;
        std::string replacementOrValue;
    };
    const Row rows[] = {
        {u"", true, Action::None, ""},          {u"255", true, Action::Apply, "255"},
        {u"256", true, Action::Replace, "255"},  {u"99999999999", true, Action::Replace, "255"},
        {u"1a", true, Action::Replace, "0"},     {u"-1", true, Action::Replace, "0"},
        {u"", false, Action::None, ""},         {u"ff", false, Action::Apply, "255"},
        {u"0A", false, Action::Apply, "10"},     {u"G1", false, Action::Replace, "0"},
    };
    for (const Row& row : rows) {
        const ChannelTextChange change =
            row.decimal ? EditorText::decimalChanged(row.text) : EditorText::hexChannelChanged(row.text);
        const std::string what = (row.decimal ? "decimal " : "hex ") + narrow(row.text);
        EXPECT_EQ(change.action, row.action) << what;
        EXPECT_EQ(row.action == Action::Apply ? std::to_string(change.value) : narrow(change.replacement),
                  row.replacementOrValue)
            << what;
    }
    EXPECT_EQ(EditorText::decimalValue(u""), 0);
    EXPECT_EQ(EditorText::decimalValue(u"999"), 255);
    EXPECT_EQ(EditorText::hexValue(u"7f"), 127);
    EXPECT_EQ(EditorText::hexValue(u"x"), 0);
}

TEST(EditorText, APastedNumberGoesIntoItsBoxAWholeColourSetsTheColourAndAnythingElseIsRefused)
{
    using Kind = PasteAction::Kind;
    struct Row
    {
        EditorBox box;
        std::u16string clipboard;
        Kind kind;
        std::string result; // IntoBox: the text; SetColour: HtmlHex; Refuse: part of the reason
    };
    const Row rows[] = {
        {EditorBox::Decimal, u" 255\n", Kind::IntoBox, "255"},
        {EditorBox::HexChannel, u"ff", Kind::IntoBox, "FF"},
        {EditorBox::HexChannel, u"3366cc", Kind::SetColour, "#3366CC"},
        {EditorBox::Decimal, u"51,102,204", Kind::SetColour, "#3366CC"},
        {EditorBox::Decimal, u"1234", Kind::Refuse, "no colour"},
        {EditorBox::Html, u"#36c", Kind::SetColour, "#3366CC"},
        {EditorBox::Html, u"#1a", Kind::IntoBox, "#1A"},
        {EditorBox::Html, u"hsl(220 60% 50%)", Kind::SetColour, "#3366CC"},
        {EditorBox::ReadOnly, u"rebeccapurple", Kind::SetColour, "#663399"},
        {EditorBox::ReadOnly, u"#12", Kind::Refuse, "\"#12\""},
        {EditorBox::Html, u"#3366cc #ffffff", Kind::Refuse, "no colour"},
        {EditorBox::Html, u"\u00E9", Kind::Refuse, "no colour"},
        {EditorBox::Decimal, u" \t", Kind::Refuse, "no text"},
    };
    for (const Row& row : rows) {
        const PasteAction action = EditorText::paste(row.box, row.clipboard);
        const std::string what = narrow(row.clipboard);
        ASSERT_EQ(action.kind, row.kind) << what << ": " << action.reason;
        if (row.kind == Kind::IntoBox)
            EXPECT_EQ(narrow(action.text), row.result) << what;
        else if (row.kind == Kind::SetColour)
            EXPECT_EQ(HtmlHex(action.color), row.result) << what;
        else
            EXPECT_NE(action.reason.find(row.result), std::string::npos) << what << ": " << action.reason;
    }
}
