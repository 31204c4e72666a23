// Tests of the HTML and CSS texts and the preview of the Web Links Color scheme.
#include "core/scheme/schemecode.h"
#include "core/scheme/schemepreview.h"
#include "core/scheme/schemestate.h"

#include <gtest/gtest.h>

#include <string>

using namespace prismara;

namespace {
constexpr std::size_t kLinks = SchemeStyles::kWebLinks;
}

TEST(SchemeCode, EachColourGoesToItsPlaceRedFirstInTheThreeTexts)
{
    // Six distinct values, none symmetric, so a swapped input or a blue-first form shows.
    SchemeState state;
    state.loadRecord(kLinks, {0x040506, 0x010203, 0x07080A, 0x0B0C0D, 0x0E0F10, 0x111213});
    const SchemeCode code = SchemeCode::fromState(state);
    EXPECT_EQ(code.html, R"(<body BGCOLOR="#030201" TEXT="#060504" LINK="#0A0807" VLINK="#0D0C0B" ALINK="#100F0E">)");
    const std::string external = "a:link {color:#0A0807;}\r\na:visited {color:#0D0C0B;}\r\na:active {color:#100F0E;}\r\n"
                                 "a:hover {color:#131211;}\r\nbody {background-color:#030201; color:#060504;}";
    EXPECT_EQ(code.externalCss, external);
    EXPECT_EQ(code.inlineCss, "<style type=\"text/css\">\r\n<!--\r\n" + external + "\r\n-->\r\n</style>");

    // Only the Web Links Color samples count; nothing loaded is black on white.
    for (std::size_t s = 1; s < SchemeStyles::all().size(); ++s)
        for (std::size_t e = 0; e < SchemeStyles::style(s).elements.size(); ++e)
            state.applyColor(s, e, 0x123456);
    EXPECT_EQ(SchemeCode::fromState(state).html, code.html);
    EXPECT_EQ(SchemeCode::fromState(SchemeState()).html,
              R"(<body BGCOLOR="#FFFFFF" TEXT="#000000" LINK="#000000" VLINK="#000000" ALINK="#000000">)");
}

TEST(SchemePreview, TheFiveLinesShowTheSamplesCaptionsAndColours)
{
    const SchemePreview initial = SchemePreview::fromState(SchemeState());
    EXPECT_EQ(initial.windowBackground, kWhite);
    EXPECT_EQ(initial.lines[0].text, "Text will look like this in web browser.");
    EXPECT_EQ(initial.lines[2].text, "Visited links will look like this");

    SchemeState state;
    state.loadRecord(kLinks, {0x202020, 0xF0F8FA, 0xFF0000, 0x800080, 0x0000FF, 0x008000});
    const SchemePreview preview = SchemePreview::fromState(state);
    EXPECT_EQ(preview.windowBackground, 0xF0F8FA);
    const struct
    {
        const char* field;
        const char* text;
        ColorValue foreground;
        bool underlined;
    } rows[] = {
        {"txtTxt", "Text Color: #202020", 0x202020, false},
        {"txtNl", "Normal Link Color: #0000FF", 0xFF0000, true},
        {"txtvl", "Visited Link Color: #800080", 0x800080, true},
        {"txtal", "Active Link Color: #FF0000", 0x0000FF, true},
        {"txthl", "Hover Link Color: #008000", 0x008000, true},
    };
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        const PreviewLine& line = preview.lines[i];
        EXPECT_EQ(line.field, rows[i].field) << i;
        EXPECT_EQ(line.text, rows[i].text) << i;
        EXPECT_EQ(line.foreground, rows[i].foreground) << i;
        EXPECT_EQ(line.background, 0xF0F8FA) << i;
        EXPECT_EQ(line.underlined, rows[i].underlined) << i;
    }
}
