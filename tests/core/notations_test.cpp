// Tests of the eleven copy notations and their menu captions.
#include "core/colour/notations.h"

#include "core/colour/colorvalue.h"

#include <gtest/gtest.h>

#include <string>

using namespace prismara;

namespace {

// The editor texts while the user is not typing.
EditorTexts editorsShowing(ColorValue color)
{
    return {RgbText(color), HtmlHex(color), RedHex(color), GreenHex(color), BlueHex(color), color};
}

const Notation& notation(std::string_view menuEntry)
{
    const Notation* n = FindNotation(menuEntry);
    EXPECT_NE(n, nullptr) << menuEntry;
    return n ? *n : kNotations[0];
}

} // namespace

// One colour whose channels differ and sit below 16: every notation, its order of channels and its
// two digits. A caption is the label and the copied text with every "&" doubled; before the first
// colour the captions show white without the labels' leading blanks.
TEST(Notations, EveryNotationOfAColourAndItsCaption)
{
    const std::string copied[] = {"RGB(5,10,15)", "5,10,15", "#050A0F", "\"#050A0F\"", "050A0F", "\"050A0F\"",
                                  "Hex={05,0A,0F}", "0x0F0A05", "&H000F0A05&", "$000F0A05", "0x050A0F"};
    ASSERT_GT(std::size(kNotations), std::size(copied)) << "the CSS notations follow (csstext_test)";
    for (std::size_t i = 0; i < std::size(kNotations); ++i) {
        const Notation& n = kNotations[i];
        if (i < std::size(copied)) {
            EXPECT_EQ(CopiedText(n, editorsShowing(MakeColor(5, 10, 15))), copied[i]) << n.menuEntry;
        }
        std::string caption = std::string(n.label) + CopiedText(n, editorsShowing(kWhite));
        for (std::size_t at = 0; (at = caption.find('&', at)) != std::string::npos; at += 2)
            caption.insert(at, "&");
        EXPECT_EQ(MenuCaption(n, editorsShowing(kWhite)), caption) << n.menuEntry;
        EXPECT_EQ(InitialMenuCaption(n), caption.substr(caption.find_first_not_of(' '))) << n.menuEntry;
        EXPECT_EQ(FindNotation(n.menuEntry), &n);
    }
    EXPECT_EQ(FindNotation("mnuCopydec"), nullptr);
}

// While the user types, the notations take the editors' texts as they stand.
TEST(Notations, HalfTypedEditorTexts)
{
    struct Row
    {
        const char* name;
        EditorTexts editors;
        std::string_view entry;
        std::string copied;
    };
    const Row rows[] = {
        {"short hex text is used whole", {"", "#FF8", "", "", ""}, "mnuCopyhex1", "##FF8"},
        {"short hex text in quotes", {"", "#FF8", "", "", ""}, "mnuCopyhex4", "\"#FF8\""},
        {"pairs of a short text", {"", "#FF8", "", "", ""}, "mnuCopyhex5", "Hex={#F,F8,}"},
        {"pairs of an odd text", {"", "FF80A", "", "", ""}, "mnuCopyhex5", "Hex={FF,80,A}"},
        {"pairs of one character", {"", "F", "", "", ""}, "mnuCopyhex5", "Hex={F,,}"},
        {"pairs of an empty text", {"", "", "", "", ""}, "mnuCopyhex5", "Hex={,,}"},
        {"six characters without the # sign", {"", "#FF800", "", "", ""}, "mnuCopyhex3", "#FF800"},
        {"longer text keeps its last six", {"", "##FF8000", "", "", ""}, "mnuCopyhex3", "FF8000"},
        {"decimal text as typed", {"255,12", "", "", "", ""}, "mnuCopydec1", "RGB(255,12)"},
        {"empty decimal text", {"", "", "", "", ""}, "mnuCopydec2", ""},
        {"one-digit channel", {"", "", "F", "8", ""}, "mnuCopyCplus", "0x8F"},
        {"one-digit channel in VB", {"", "", "F", "8", ""}, "mnuCopyVB", "&H008F&"},
        {"one-digit channel in Delphi", {"", "", "F", "8", "0"}, "mnuCopyDelphi", "$0008F"},
        {"one-digit channel in Java", {"", "", "F", "8", "0"}, "mnuCopyJava", "0xF80"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(CopiedText(notation(row.entry), row.editors), row.copied) << row.name;
        if (row.entry != "mnuCopyVB") {
            EXPECT_TRUE(MenuCaption(notation(row.entry), row.editors).ends_with(row.copied)) << row.name;
        }
    }
}

// A menu caption shows a single "&" only when it is written "&&"; the copied text keeps a single one.
TEST(Notations, CaptionsEscapeEveryAmpersand)
{
    const EditorTexts editors{"1&2", "#A&B", "&", "", ""};
    EXPECT_EQ(CopiedText(notation("mnuCopydec1"), editors), "RGB(1&2)");
    EXPECT_EQ(MenuCaption(notation("mnuCopydec1"), editors), "RGB(1&&2)");
    EXPECT_EQ(MenuCaption(notation("mnuCopyhex1"), editors), "##A&&B");
    EXPECT_EQ(CopiedText(notation("mnuCopyVB"), editors), "&H00&&");
    EXPECT_EQ(MenuCaption(notation("mnuCopyVB"), editors), "    VB: &&H00&&&&");
}
