// The "Copy CSS" rows of the notation table: the CSS text of the current colour, whatever the
// editors hold, shown as it is in the caption.
#include "core/colour/notations.h"

#include <gtest/gtest.h>

#include <string>

using namespace prismara;

TEST(NotationsCss, CopyCssRowsCopyTheCssTextOfTheColour)
{
    const struct { const char* entry; const char* copied; } rows[] = {
        {"mnuCopyCssRgb", "rgb(51 102 204)"},
        {"mnuCopyCssHsl", "hsl(220 60% 50%)"},
        {"mnuCopyCssLab", "lab(44.12 10.95 -59.09)"},
        {"mnuCopyCssLch", "lch(44.12 60.09 280.5)"},
        {"mnuCopyCssOklab", "oklab(0.53248 -0.02251 -0.16635)"},
        {"mnuCopyCssOklch", "oklch(0.53248 0.16787 262.29)"},
        {"mnuCopyCssSrgb", "color(srgb 0.2 0.4 0.8)"},
    };
    // Half-typed editor texts do not matter: the CSS forms are worked out from the colour.
    const EditorTexts editors{"51,1", "#33", "3", "", "", MakeColor(51, 102, 204)};
    for (const auto& row : rows) {
        const Notation* n = FindNotation(row.entry);
        ASSERT_NE(n, nullptr) << row.entry;
        EXPECT_EQ(n->submenu, "mnuCopyCss") << row.entry;
        EXPECT_EQ(CopiedText(*n, editors), row.copied) << row.entry;
        EXPECT_EQ(MenuCaption(*n, editors), row.copied) << row.entry;
    }
    EXPECT_EQ(InitialMenuCaption(*FindNotation("mnuCopyCssHsl")), "hsl(0 0% 100%)");
}
