// The "Copy CSS" submenu of the Edit menu: each entry shows and copies the CSS text of the current
// colour through the platform's clipboard, and follows the colour as it is typed.
#include "support/windowfixture.h"

#include <QAction>
#include <QMenu>

#include <gtest/gtest.h>

namespace prismara {
namespace {

TEST(CopyCss, EntriesCopyTheCssTextOfTheCurrentColour)
{
    test::WindowFixture w;
    QMenu* submenu = w.window->menu("mnuCopyCss");
    ASSERT_TRUE(submenu && w.window->menu("mnuEdit")->actions().contains(submenu->menuAction()));
    EXPECT_EQ(submenu->title(), "Copy CSS");
    w.window->CurrentColorChanged(MakeColor(0x33, 0x66, 0xCC), WriteRecent::Yes);
    const struct { const char* entry; const char* text; } rows[] = {
        {"mnuCopyCssRgb", "rgb(51 102 204)"},
        {"mnuCopyCssHsl", "hsl(220 60% 50%)"},
        {"mnuCopyCssLab", "lab(44.12 10.95 -59.09)"},
        {"mnuCopyCssLch", "lch(44.12 60.09 280.5)"},
        {"mnuCopyCssOklab", "oklab(0.53248 -0.02251 -0.16635)"},
        {"mnuCopyCssOklch", "oklch(0.53248 0.16787 262.29)"},
        {"mnuCopyCssSrgb", "color(srgb 0.2 0.4 0.8)"},
    };
    ASSERT_EQ(submenu->actions().size(), static_cast<qsizetype>(std::size(rows)));
    for (const auto& row : rows) {
        QAction* entry = w.window->action(row.entry);
        EXPECT_EQ(entry->text().toStdString(), row.text) << row.entry;
        entry->trigger();
        EXPECT_EQ(w.platform.clipboard.toStdString(), row.text) << row.entry;
    }
    // Typing a colour rewrites the captions with every key.
    QLineEdit* hex = w.edit("txtHex");
    hex->setFocus();
    hex->selectAll();
    QTest::keyClicks(hex, "#FF8000");
    EXPECT_EQ(w.window->action("mnuCopyCssOklch")->text().toStdString(), "oklch(0.73189 0.1858 52.98)");
}

} // namespace
} // namespace prismara
