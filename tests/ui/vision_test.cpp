// The colour-vision simulation: the View choice changes what the palette grid, the wheel and the
// scheme mock-ups paint (and nothing else), says so in the menu bar, and the designer warns when
// colours of the scheme look alike.
#include "core/access/cvd.h"
#include "support/windowfixture.h"
#include "ui/palette/palettegrid.h"
#include "ui/scheme/schemesample.h"
#include "ui/wheel/colorcellring.h"
#include "widgets/colorswatch.h"

#include <QAction>
#include <QLabel>
#include <QRadioButton>

#include <gtest/gtest.h>

namespace prismara {
namespace {

void choose(test::WindowFixture& w, const char* option, ColorValue color)
{
    QTest::mouseClick(w.find<QRadioButton>(option), Qt::LeftButton, {}, QPoint(6, 8));
    w.window->CurrentColorChanged(color, WriteRecent::Yes);
}

TEST(Vision, TheChoiceChangesWhatThePaintedViewsShow)
{
    test::WindowFixture w;
    const ColorValue red = MakeColor(220, 30, 40);
    choose(w, "optbg", red); // the link page's background, and cell 0 of the wheel
    auto* grid = w.find<PaletteGrid>("lblcor");
    auto* ring = w.find<ColorCellRing>("shpColorWheel");
    const int cell = 180; // a strong colour of the first palette
    const struct { const char* name; QWidget* widget; QPoint at; ColorValue color; } views[] = {
        {"palette grid", grid, grid->cellRect(cell).center(), grid->cellColor(cell)},
        {"wheel", ring, ring->cellRect(0).center().toPoint(), red},
        {"link page", w.find<SchemeSample>("lblnl"), QPoint(2, 2), red},
    };
    const struct { const char* entry; std::optional<Deficiency> deficiency; } rows[] = {
        {"mnuVisionDeuteranopia", Deficiency::Deuteranopia},
        {"mnuVisionAchromatopsia", Deficiency::Achromatopsia},
        {"mnuVisionNormal", std::nullopt},
    };
    for (const auto& row : rows) {
        w.window->action(row.entry)->trigger();
        for (const auto& v : views) {
            const ColorValue expected = row.deficiency ? SimulateDeficiency(v.color, *row.deficiency) : v.color;
            EXPECT_EQ(HtmlHex(FromQColor(v.widget->grab().toImage().pixelColor(v.at))), HtmlHex(expected))
                << row.entry << ", " << v.name;
        }
        EXPECT_EQ(w.find<QLabel>("lblSimulation")->isVisible(), row.deficiency.has_value()) << row.entry;
    }
    EXPECT_NE(SimulateDeficiency(grid->cellColor(cell), Deficiency::Deuteranopia), grid->cellColor(cell));
    // The colours themselves never change: only their painting.
    EXPECT_EQ(w.find<SchemeSample>("lblnl")->backColor(), red);
    EXPECT_EQ(w.window->swatchColor(), red);
}

TEST(Vision, TheDesignerWarnsWhenSchemeColoursLookAlike)
{
    test::WindowFixture w;
    choose(w, "optnl", MakeColor(0x00, 0x80, 0x00));
    choose(w, "optvl", MakeColor(0xCC, 0x66, 0x00));
    auto* warning = w.find<QLabel>("lblVisionWarning");
    EXPECT_FALSE(warning->isVisible()) << "normal vision";
    w.window->action("mnuVisionProtanopia")->trigger();
    EXPECT_TRUE(warning->isVisible());
    // (The hover link of the scheme loaded at start is the same green.)
    EXPECT_TRUE(warning->toolTip().contains("Normal link and Hover link (#008000) and Visited link (#CC6600) look alike "
                                            "with protanopia"))
        << warning->toolTip().toStdString();
    w.window->CurrentColorChanged(MakeColor(0x00, 0x00, 0xCC), WriteRecent::Yes); // parts them at once
    EXPECT_FALSE(warning->isVisible());
    w.window->CurrentColorChanged(MakeColor(0xCC, 0x66, 0x00), WriteRecent::Yes);
    EXPECT_TRUE(warning->isVisible());
    w.window->action("mnuVisionNormal")->trigger();
    EXPECT_FALSE(warning->isVisible());
}

} // namespace
} // namespace prismara
