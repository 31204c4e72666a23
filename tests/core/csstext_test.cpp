// Tests of the CSS colour texts and of reading colours from text.
#include "core/colour/colorparse.h"
#include "core/colour/cssnotation.h"

#include <gtest/gtest.h>

using namespace prismara;

TEST(CssText, EveryNotationOfOneColour)
{
    const ColorValue color = MakeColor(51, 102, 204); // #3366CC
    const char* const expected[] = {"rgb(51 102 204)",        "hsl(220 60% 50%)",
                                    "lab(44.12 10.95 -59.09)", "lch(44.12 60.09 280.5)",
                                    "oklab(0.53248 -0.02251 -0.16635)", "oklch(0.53248 0.16787 262.29)",
                                    "color(srgb 0.2 0.4 0.8)"};
    for (const CssNotationInfo& info : CssNotations())
        EXPECT_EQ(CssText(info.notation, color), expected[static_cast<std::size_t>(info.notation)]) << info.key;
    EXPECT_EQ(CssText(CssNotation::Oklch, MakeColor(119, 119, 119)), "oklch(0.56926 0 0)") << "a grey's hue";
    EXPECT_EQ(CssText(CssNotation::Lab, kBlack), "lab(0 0 0)") << "no -0";
}

TEST(CssText, TextOfEveryColourReadsBackAsThatColour)
{
    for (ColorValue c = 0; c <= kWhite; c += 4099) // a prime stride: about 4000 colours
        for (const CssNotationInfo& info : CssNotations()) {
            const std::string text = CssText(info.notation, c);
            const ColorParseResult parsed = ParseColorText(text);
            ASSERT_EQ(parsed.color, c) << text << " " << parsed.error;
        }
}

TEST(ParseColorText, UnderstoodForms)
{
    const struct { const char* text; ColorValue color; } rows[] = {
        {"#3366cc", MakeColor(51, 102, 204)},
        {"  3366CC\n", MakeColor(51, 102, 204)},
        {"#36C", MakeColor(51, 102, 204)},
        {"#3366cc80", MakeColor(51, 102, 204)},
        {"rgb(51, 102, 204)", MakeColor(51, 102, 204)},
        {"rgb(51 102 204)", MakeColor(51, 102, 204)},
        {"51,102,204", MakeColor(51, 102, 204)},
        {" 0 , 255,9 ", MakeColor(0, 255, 9)},
        {"RGBA(51,102,204,0.5)", MakeColor(51, 102, 204)},
        {"rgb(20% 40% 80% / 50%)", MakeColor(51, 102, 204)},
        {"rgb(300 -5 none)", MakeColor(255, 0, 0)},
        {"hsl(220, 60%, 50%)", MakeColor(51, 102, 204)},
        {"hsl(220deg 60% 50%)", MakeColor(51, 102, 204)},
        {"hsl(-140 60 50)", MakeColor(51, 102, 204)},
        {"hsl(0.5turn 100% 50%)", MakeColor(0, 255, 255)},
        {"oklch(62.8% 0.2577 29.23)", MakeColor(255, 0, 0)},
        {"oklch(0.5325 41.97% 262.29deg)", MakeColor(51, 102, 204)},
        {"oklch(1.2 0.4 100)", kWhite},
        {"lab(46.2775% -47.5621 48.5837)", MakeColor(0, 128, 0)},
        {"lch(46.2775 67.9892 134.3912)", MakeColor(0, 128, 0)},
        {"oklab(51.975% -0.1403 0.10768)", MakeColor(0, 128, 0)},
        {"color(srgb 0.2 0.4 0.8)", MakeColor(51, 102, 204)},
        {"CornflowerBlue", MakeColor(100, 149, 237)},
        {"rebeccapurple", MakeColor(102, 51, 153)},
        {"facade", MakeColor(250, 202, 222)},
    };
    for (const auto& row : rows) {
        const ColorParseResult parsed = ParseColorText(row.text);
        EXPECT_TRUE(parsed.ok()) << row.text << ": " << parsed.error;
        EXPECT_EQ(parsed.color, row.color) << row.text;
    }
}

TEST(ParseColorText, ErrorsNameWhatWasNotUnderstood)
{
    const struct { const char* text; const char* error; } rows[] = {
        {"  ", "no colour given"},
        {"#12345", "\"#12345\" is not a hexadecimal colour"},
        {"blurple", "unknown colour name \"blurple\""},
        {"dusty rose", "not a colour: \"dusty rose\""},
        {"rgb(1 2)", "rgb() takes 3 values, not 2"},
        {"rgb(1, 2 3)", "rgb() takes 3 values, not 2"},
        {"rgb(1 2 3", "does not end with \")\""},
        {"rgb(1 2 x)", "rgb(): \"x\" is not a number or percentage"},
        {"rgb(1 2 nan)", "\"nan\" is not a number"},
        {"rgb(1 2 3 / half)", "\"half\" is not an alpha value"},
        {"hsl(10% 50% 50%)", "hsl(): \"10%\" is not a hue"},
        {"lab(50, 10, 10)", "lab(): commas are not understood"},
        {"oklch(0.5 0.1 10px)", "\"10px\" is not a hue"},
        {"color(display-p3 1 0 0)", "only the srgb colour space is understood, not \"display-p3\""},
        {"cmyk(1 2 3 4)", "unknown colour function \"cmyk()\""},
        {"#12\n34", "\"#12?34\""},
        {"51,102,256", "is not a decimal colour"},
        {"51,102", "is not a decimal colour"},
        {"1,,2,3", "is not a decimal colour"},
    };
    for (const auto& row : rows) {
        const ColorParseResult parsed = ParseColorText(row.text);
        EXPECT_FALSE(parsed.ok()) << row.text;
        EXPECT_NE(parsed.error.find(row.error), std::string::npos) << row.text << " gave: " << parsed.error;
    }
}
