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
    return {RgbText(color), HtmlHex(color), RedHex(color), GreenHex(color), BlueHex(color)};
}

// The notations built from the editors' texts come first; the CSS ones follow (notations_css_test).
constexpr std::size_t kEditorNotations = 11;
using Texts = std::array<std::string, kEditorNotations>;

void expectNotations(const char* name, const EditorTexts& editors, const Texts& copied, const Texts& captions)
{
    for (std::size_t i = 0; i < kEditorNotations; ++i) {
        EXPECT_EQ(CopiedText(kNotations[i], editors), copied[i]) << name << ", " << kNotations[i].menuEntry;
        EXPECT_EQ(MenuCaption(kNotations[i], editors), captions[i]) << name << ", " << kNotations[i].menuEntry;
    }
}

const Notation& notation(std::string_view menuEntry)
{
    const Notation* n = FindNotation(menuEntry);
    EXPECT_NE(n, nullptr) << menuEntry;
    return n ? *n : kNotations[0];
}

} // namespace

// Before the first colour is shown the captions show white, without the labels' leading blanks.
TEST(Notations, InitialCaptionsInMenuOrder)
{
    const std::pair<std::string_view, std::string_view> expected[] = {
        {"mnuCopydec1", "RGB(255,255,255)"}, {"mnuCopydec2", "255,255,255"},
        {"mnuCopyhex1", "#FFFFFF"},          {"mnuCopyhex2", "\"#FFFFFF\""},
        {"mnuCopyhex3", "FFFFFF"},           {"mnuCopyhex4", "\"FFFFFF\""},
        {"mnuCopyhex5", "Hex={FF,FF,FF}"},   {"mnuCopyCplus", "C++: 0xFFFFFF"},
        {"mnuCopyVB", "VB: &&H00FFFFFF&&"},  {"mnuCopyDelphi", "Delphi: $00FFFFFF"},
        {"mnuCopyJava", "Java: 0xFFFFFF"},
    };
    ASSERT_GE(std::size(kNotations), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        EXPECT_EQ(kNotations[i].menuEntry, expected[i].first);
        EXPECT_EQ(InitialMenuCaption(kNotations[i]), expected[i].second) << expected[i].first;
    }
    EXPECT_EQ(FindNotation("mnuCopydec"), nullptr);
}

TEST(Notations, White)
{
    expectNotations("white", editorsShowing(kWhite),
                    {"RGB(255,255,255)", "255,255,255", "#FFFFFF", "\"#FFFFFF\"", "FFFFFF", "\"FFFFFF\"",
                     "Hex={FF,FF,FF}", "0xFFFFFF", "&H00FFFFFF&", "$00FFFFFF", "0xFFFFFF"},
                    {"RGB(255,255,255)", "255,255,255", "#FFFFFF", "\"#FFFFFF\"", "FFFFFF", "\"FFFFFF\"",
                     "Hex={FF,FF,FF}", "   C++: 0xFFFFFF", "    VB: &&H00FFFFFF&&", "Delphi: $00FFFFFF",
                     "  Java: 0xFFFFFF"});
}

// Three forms put blue first, Java and the hexadecimal forms red first.
TEST(Notations, PureRedShowsTheChannelOrder)
{
    expectNotations("pure red", editorsShowing(MakeColor(255, 0, 0)),
                    {"RGB(255,0,0)", "255,0,0", "#FF0000", "\"#FF0000\"", "FF0000", "\"FF0000\"",
                     "Hex={FF,00,00}", "0x0000FF", "&H000000FF&", "$000000FF", "0xFF0000"},
                    {"RGB(255,0,0)", "255,0,0", "#FF0000", "\"#FF0000\"", "FF0000", "\"FF0000\"",
                     "Hex={FF,00,00}", "   C++: 0x0000FF", "    VB: &&H000000FF&&", "Delphi: $000000FF",
                     "  Java: 0xFF0000"});
}

TEST(Notations, ChannelsBelowSixteenKeepTwoDigits)
{
    expectNotations("(5,10,15)", editorsShowing(MakeColor(5, 10, 15)),
                    {"RGB(5,10,15)", "5,10,15", "#050A0F", "\"#050A0F\"", "050A0F", "\"050A0F\"",
                     "Hex={05,0A,0F}", "0x0F0A05", "&H000F0A05&", "$000F0A05", "0x050A0F"},
                    {"RGB(5,10,15)", "5,10,15", "#050A0F", "\"#050A0F\"", "050A0F", "\"050A0F\"",
                     "Hex={05,0A,0F}", "   C++: 0x0F0A05", "    VB: &&H000F0A05&&", "Delphi: $000F0A05",
                     "  Java: 0x050A0F"});
}

TEST(Notations, OrangeExample)
{
    const EditorTexts editors = editorsShowing(MakeColor(255, 128, 0));
    EXPECT_EQ(CopiedText(notation("mnuCopyhex5"), editors), "Hex={FF,80,00}");
    EXPECT_EQ(CopiedText(notation("mnuCopyVB"), editors), "&H000080FF&");
    EXPECT_EQ(MenuCaption(notation("mnuCopyVB"), editors), "    VB: &&H000080FF&&");
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
