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
        std::string red, green, blue;
    };
    const Row rows[] = {
        {u"", true, false, "", "", ""},
        {u"##", true, false, "", "", ""},
        {u"#0", false, false, "0", "", ""},
        {u"#00F", false, false, "00", "F", "", },
        {u"FF8000", false, false, "FF", "80", "00"},
        {u"#00FF00", false, false, "00", "FF", "00"},
        {u"#1G2", false, true, "1G", "2", ""},
        {u"#12#34#56", false, false, "12", "34", "56"},
        {u"#12 4", false, true, "12", " 4", ""},
    };
    for (const Row& row : rows) {
        const HtmlTextChange change = EditorText::htmlChanged(row.text);
        const std::string what = narrow(row.text);
        EXPECT_EQ(change.ignored, row.ignored) << what;
        EXPECT_EQ(change.emptyBox, row.emptied) << what;
        EXPECT_EQ(narrow(change.red), row.red) << what;
        EXPECT_EQ(narrow(change.green), row.green) << what;
        EXPECT_EQ(narrow(change.blue), row.blue) << what;
    }
    // Pieces are counted in the box's characters, so a letter beyond ASCII is one character.
    const HtmlTextChange accented = EditorText::htmlChanged(u"\u00E912345");
    EXPECT_TRUE(accented.emptyBox);
    EXPECT_EQ(accented.red, u"\u00E91");
    EXPECT_EQ(accented.green, u"23");
    EXPECT_EQ(accented.blue, u"45");
}

TEST(EditorText, ChannelBoxesRepairBadTextAndClampDecimals)
{
    struct Row
    {
        std::u16string text;
        bool decimal;
        Action action;
        std::string replacement;
        int value;
    };
    const Row rows[] = {
        {u"", true, Action::None, "", 0},       {u"3", true, Action::Apply, "", 3},
        {u"255", true, Action::Apply, "", 255}, {u"256", true, Action::Replace, "255", 0},
        {u"300", true, Action::Replace, "255", 0}, {u"99999999999", true, Action::Replace, "255", 0},
        {u"1a", true, Action::Replace, "0", 0}, {u"-1", true, Action::Replace, "0", 0},
        {u"", false, Action::None, "", 0},      {u"F", false, Action::Apply, "", 15},
        {u"ff", false, Action::Apply, "", 255}, {u"0A", false, Action::Apply, "", 10},
        {u"G1", false, Action::Replace, "0", 0}, {u"FFF", false, Action::Replace, "FF", 0},
    };
    for (const Row& row : rows) {
        const ChannelTextChange change =
            row.decimal ? EditorText::decimalChanged(row.text) : EditorText::hexChannelChanged(row.text);
        const std::string what = (row.decimal ? "decimal " : "hex ") + narrow(row.text);
        EXPECT_EQ(change.action, row.action) << what;
        EXPECT_EQ(narrow(change.replacement), row.replacement) << what;
        if (row.action == Action::Apply) {
            EXPECT_EQ(change.value, row.value) << what;
        }
    }
    EXPECT_EQ(EditorText::decimalValue(u""), 0);
    EXPECT_EQ(EditorText::decimalValue(u"128"), 128);
    EXPECT_EQ(EditorText::decimalValue(u"999"), 255);
    EXPECT_EQ(EditorText::hexValue(u"7f"), 127);
    EXPECT_EQ(EditorText::hexValue(u"x"), 0);
}
