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

using Texts = std::array<std::string, kCopyNotationCount>;

void expectNotations(const char* name, const EditorTexts& editors, const Texts& copied, const Texts& captions)
{
    for (const CopyNotationInfo& info : CopyNotations()) {
        const auto i = static_cast<std::size_t>(info.notation);
        EXPECT_EQ(copiedText(info.notation, editors), copied[i]) << name << ", " << info.menuEntry;
        EXPECT_EQ(menuCaption(info.notation, editors), captions[i]) << name << ", " << info.menuEntry;
    }
}

} // namespace

TEST(Notations, TableInMenuOrderWithInitialCaptions)
{
    const std::pair<std::string_view, std::string_view> expected[] = {
        {"mnuCopydec1", "RGB(255,255,255)"}, {"mnuCopydec2", "255,255,255"},
        {"mnuCopyhex1", "#FFFFFF"},          {"mnuCopyhex2", "\"#FFFFFF\""},
        {"mnuCopyhex3", "FFFFFF"},           {"mnuCopyhex4", "\"FFFFFF\""},
        {"mnuCopyhex5", "Hex={FF,FF,FF}"},   {"mnuCopyCplus", "C++: 0xFFFFFF"},
        {"mnuCopyVB", "VB: &&H00FFFFFF&&"},  {"mnuCopyDelphi", "Delphi: $00FFFFFF"},
        {"mnuCopyJava", "Java: 0xFFFFFF"},
    };
    ASSERT_EQ(CopyNotations().size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        EXPECT_EQ(static_cast<std::size_t>(CopyNotations()[i].notation), i);
        EXPECT_EQ(CopyNotations()[i].menuEntry, expected[i].first);
        EXPECT_EQ(CopyNotations()[i].initialCaption, expected[i].second);
    }
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
    EXPECT_EQ(copiedText(CopyNotation::Hex5, editors), "Hex={FF,80,00}");
    EXPECT_EQ(copiedText(CopyNotation::VB, editors), "&H000080FF&");
    EXPECT_EQ(menuCaption(CopyNotation::VB, editors), "    VB: &&H000080FF&&");
}

// While the user types, the notations take the editors' texts as they stand.
TEST(Notations, HalfTypedEditorTexts)
{
    struct Row
    {
        const char* name;
        EditorTexts editors;
        CopyNotation notation;
        std::string copied;
    };
    const Row rows[] = {
        {"short hex text is used whole", {"", "#FF8", "", "", ""}, CopyNotation::Hex1, "##FF8"},
        {"short hex text in quotes", {"", "#FF8", "", "", ""}, CopyNotation::Hex4, "\"#FF8\""},
        {"pairs of a short text", {"", "#FF8", "", "", ""}, CopyNotation::Hex5, "Hex={#F,F8,}"},
        {"pairs of an odd text", {"", "FF80A", "", "", ""}, CopyNotation::Hex5, "Hex={FF,80,A}"},
        {"pairs of one character", {"", "F", "", "", ""}, CopyNotation::Hex5, "Hex={F,,}"},
        {"pairs of an empty text", {"", "", "", "", ""}, CopyNotation::Hex5, "Hex={,,}"},
        {"six characters without the # sign", {"", "#FF800", "", "", ""}, CopyNotation::Hex3, "#FF800"},
        {"longer text keeps its last six", {"", "##FF8000", "", "", ""}, CopyNotation::Hex3, "FF8000"},
        {"decimal text as typed", {"255,12", "", "", "", ""}, CopyNotation::Dec1, "RGB(255,12)"},
        {"empty decimal text", {"", "", "", "", ""}, CopyNotation::Dec2, ""},
        {"one-digit channel", {"", "", "F", "8", ""}, CopyNotation::CPlus, "0x8F"},
        {"one-digit channel in VB", {"", "", "F", "8", ""}, CopyNotation::VB, "&H008F&"},
        {"one-digit channel in Delphi", {"", "", "F", "8", "0"}, CopyNotation::Delphi, "$0008F"},
        {"one-digit channel in Java", {"", "", "F", "8", "0"}, CopyNotation::Java, "0xF80"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(copiedText(row.notation, row.editors), row.copied) << row.name;
        if (row.notation != CopyNotation::VB) {
            EXPECT_TRUE(menuCaption(row.notation, row.editors).ends_with(row.copied)) << row.name;
        }
    }
}

// A menu caption shows a single "&" only when it is written "&&"; the copied text keeps a single one.
TEST(Notations, CaptionsEscapeEveryAmpersand)
{
    const EditorTexts editors{"1&2", "#A&B", "&", "", ""};
    EXPECT_EQ(copiedText(CopyNotation::Dec1, editors), "RGB(1&2)");
    EXPECT_EQ(menuCaption(CopyNotation::Dec1, editors), "RGB(1&&2)");
    EXPECT_EQ(menuCaption(CopyNotation::Hex1, editors), "##A&&B");
    EXPECT_EQ(copiedText(CopyNotation::VB, editors), "&H00&&");
    EXPECT_EQ(menuCaption(CopyNotation::VB, editors), "    VB: &&H00&&&&");
}
