// Tests of the HTML and CSS texts and the preview snapshot of the Web Links Color scheme.
#include "core/scheme/schemecode.h"
#include "core/scheme/schemepreview.h"
#include "core/scheme/schemestate.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using namespace prismara;

namespace {

constexpr std::size_t kLinks = SchemeStyles::kWebLinks;

const std::vector<std::optional<ColorValue>> kClassic = {kBlack, kWhite, 0xFF0000, 0x800080, 0x0000FF, 0x008000};

std::size_t elementOf(const char* option)
{
    return SchemeStyles::style(kLinks).elementIndex(option).value();
}

} // namespace

TEST(SchemeCode, ClassicSchemeGivesTheThreeTextsExactly)
{
    SchemeState state;
    state.loadRecord(kLinks, kClassic);
    const SchemeCode code = SchemeCode::fromState(state);

    EXPECT_EQ(code.html,
              "<body BGCOLOR=\"#FFFFFF\" TEXT=\"#000000\" LINK=\"#0000FF\" VLINK=\"#800080\" ALINK=\"#FF0000\">");
    const std::string external = "a:link {color:#0000FF;}\r\n"
                                 "a:visited {color:#800080;}\r\n"
                                 "a:active {color:#FF0000;}\r\n"
                                 "a:hover {color:#008000;}\r\n"
                                 "body {background-color:#FFFFFF; color:#000000;}";
    EXPECT_EQ(code.externalCss, external);
    EXPECT_EQ(code.inlineCss, "<style type=\"text/css\">\r\n<!--\r\n" + external + "\r\n-->\r\n</style>");
}

TEST(SchemeCode, EachInputGoesToItsPlaceRedFirst)
{
    // Six distinct colour values, none symmetric, so a swapped input or a blue-first form shows.
    const WebLinkColors colors{0x010203, 0x040506, 0x07080A, 0x0B0C0D, 0x0E0F10, 0x111213};
    const SchemeCode code = SchemeCode::build(colors);
    EXPECT_EQ(code.html,
              "<body BGCOLOR=\"#030201\" TEXT=\"#060504\" LINK=\"#0A0807\" VLINK=\"#0D0C0B\" ALINK=\"#100F0E\">");
    EXPECT_EQ(code.externalCss, "a:link {color:#0A0807;}\r\n"
                                "a:visited {color:#0D0C0B;}\r\n"
                                "a:active {color:#100F0E;}\r\n"
                                "a:hover {color:#131211;}\r\n"
                                "body {background-color:#030201; color:#060504;}");
    EXPECT_EQ(code.html.find("#131211"), std::string::npos) << "the hover colour has no place in the body tag";
}

TEST(SchemeCode, UpperCaseDigitsAndNineInlineLinesWithoutAFinalBreak)
{
    SchemeState state;
    state.applyColor(kLinks, elementOf("optnl"), 0xABCDEF);
    const SchemeCode code = SchemeCode::fromState(state);
    EXPECT_NE(code.externalCss.find("a:link {color:#EFCDAB;}"), std::string::npos);

    std::size_t breaks = 0;
    for (std::size_t at = code.inlineCss.find("\r\n"); at != std::string::npos; at = code.inlineCss.find("\r\n", at + 2))
        ++breaks;
    EXPECT_EQ(breaks, 8u) << "nine lines";
    EXPECT_EQ(std::count(code.inlineCss.begin(), code.inlineCss.end(), '\n'), 8) << "only CR LF breaks";
    EXPECT_EQ(std::count(code.inlineCss.begin(), code.inlineCss.end(), '\r'), 8) << "only CR LF breaks";
    EXPECT_EQ(code.inlineCss.substr(code.inlineCss.size() - 8), "</style>");
    EXPECT_EQ(code.html.find('\r'), std::string::npos);
}

TEST(SchemeCode, NothingLoadedGivesBlackOnWhite)
{
    const SchemeCode code = SchemeCode::fromState(SchemeState());
    EXPECT_EQ(code.html,
              "<body BGCOLOR=\"#FFFFFF\" TEXT=\"#000000\" LINK=\"#000000\" VLINK=\"#000000\" ALINK=\"#000000\">");
}

TEST(SchemeCode, CodeReadsTheWebLinksSamplesOnly)
{
    SchemeState state;
    state.loadRecord(kLinks, kClassic);
    const SchemeCode before = SchemeCode::fromState(state);
    for (std::size_t s = 1; s < SchemeStyles::all().size(); ++s) {
        for (std::size_t e = 0; e < SchemeStyles::style(s).elements.size(); ++e)
            state.applyColor(s, e, 0x123456);
    }
    const SchemeCode after = SchemeCode::fromState(state);
    EXPECT_EQ(after.html, before.html);
    EXPECT_EQ(after.inlineCss, before.inlineCss);
}

TEST(SchemeCode, InlineWrapsTheExternalTextAsItStands)
{
    EXPECT_EQ(SchemeCode::inlineFromExternal("p {color:red;}"),
              "<style type=\"text/css\">\r\n<!--\r\np {color:red;}\r\n-->\r\n</style>");
}

TEST(SchemePreview, NothingLoadedShowsTheInitialCaptionsBlackOnWhite)
{
    const SchemePreview preview = SchemePreview::fromState(SchemeState());
    EXPECT_EQ(preview.windowBackground, kWhite);
    struct Row
    {
        const char* field;
        const char* text;
        bool underlined;
    };
    const Row rows[] = {
        {"txtTxt", "Text will look like this in web browser.", false},
        {"txtNl", "Normal links will look like this", true},
        {"txtvl", "Visited links will look like this", true},
        {"txtal", "Active links will look like this", true},
        {"txthl", "Hover links will look like this", true},
    };
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        const PreviewLine& line = preview.lines[i];
        EXPECT_EQ(line.field, rows[i].field) << "line " << i;
        EXPECT_EQ(line.text, rows[i].text) << rows[i].field;
        EXPECT_EQ(line.background, kWhite) << rows[i].field;
        EXPECT_EQ(line.foreground, kBlack) << rows[i].field;
        EXPECT_EQ(line.underlined, rows[i].underlined) << rows[i].field;
    }
    EXPECT_EQ(SchemePreview::initialTexts()[0], "Text looks like this.");
    EXPECT_EQ(SchemePreview::initialTexts()[4], "Hover links look like this.");
}

TEST(SchemePreview, LoadedSchemeShowsPrefixedCaptionsInItsColours)
{
    SchemeState state;
    state.loadRecord(kLinks, {0x202020, 0xF0F8FA, 0xFF0000, 0x800080, 0x0000FF, 0x008000});
    const SchemePreview preview = SchemePreview::fromState(state);
    EXPECT_EQ(preview.windowBackground, 0xF0F8FA);
    struct Row
    {
        const char* text;
        ColorValue foreground;
    };
    const Row rows[] = {
        {"Text Color: #202020", 0x202020},         {"Normal Link Color: #0000FF", 0xFF0000},
        {"Visited Link Color: #800080", 0x800080}, {"Active Link Color: #FF0000", 0x0000FF},
        {"Hover Link Color: #008000", 0x008000},
    };
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        EXPECT_EQ(preview.lines[i].text, rows[i].text) << "line " << i;
        EXPECT_EQ(preview.lines[i].foreground, rows[i].foreground) << "line " << i;
        EXPECT_EQ(preview.lines[i].background, 0xF0F8FA) << "line " << i;
    }
}

TEST(SchemePreview, TextLineTakesColoursFromTheHeadingAndTextFromTheBody)
{
    SchemeState state;
    state.applyColor(kLinks, elementOf("opttext"), 0x00AA00);
    const SchemePreview preview = SchemePreview::fromState(state);
    EXPECT_EQ(preview.lines[0].text, "Text Color: #00AA00");
    EXPECT_EQ(preview.lines[0].foreground, 0x00AA00);
    EXPECT_EQ(preview.lines[1].text, "Normal links will look like this") << "links keep their initial captions";
}
