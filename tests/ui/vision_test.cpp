// The colour-vision simulation: View > Simulate Color Vision changes what the palette grid, the
// wheel and the scheme mock-ups paint (and only that), says so in the menu bar, and the designer
// warns when colours of the scheme look alike.
#include "core/access/cvd.h"
#include "shell/frmshowcolor.h"
#include "support/windowfixture.h"
#include "ui/palette/palettegrid.h"
#include "ui/scheme/schemesample.h"
#include "ui/wheel/colorcellring.h"
#include "widgets/colorswatch.h"

#include <QAction>
#include <QLabel>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

namespace prismara {
namespace {

constexpr ColorValue kRed = MakeColor(220, 30, 40);

class Vision : public ::testing::Test
{
protected:
    void select(const char* option)
    {
        auto* button = w.find<QRadioButton>(option);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
        ASSERT_TRUE(button->isChecked()) << option;
    }
    void choose(ColorValue color)
    {
        w.window->ClearSchemeSelection();
        w.window->CurrentColorChanged(color, WriteRecent::Yes);
    }
    void see(const char* entry) { w.window->action(entry)->trigger(); }

    test::WindowFixture w;
};

TEST_F(Vision, TheChoiceChangesWhatThePaintedViewsShow)
{
    select("optbg");
    choose(kRed); // the link page's background, and cell 0 of the wheel
    auto* grid = w.find<PaletteGrid>("lblcor");
    int redCell = 0;
    for (int i = 0; i < PaletteGrid::kCells; ++i)
        if (GetRed(grid->cellColor(i)) > 200 && GetGreen(grid->cellColor(i)) < 60)
            redCell = i;
    struct View
    {
        const char* name;
        QWidget* widget;
        QPoint at;
        ColorValue color; // what it paints there with normal vision
    };
    auto* ring = w.find<ColorCellRing>("shpColorWheel");
    const View views[] = {
        {"palette grid", grid, PaletteGrid::cellRect(redCell).center(), grid->cellColor(redCell)},
        {"wheel", ring, ring->cellRect(0).center().toPoint(), kRed},
        {"link page", w.find<SchemeSample>("lblnl"), QPoint(2, 2), kRed},
    };
    auto painted = [](const View& v) { return FromQColor(v.widget->grab().toImage().pixelColor(v.at)); };
    auto* banner = w.find<QLabel>("lblSimulation");
    ASSERT_NE(banner, nullptr);

    const struct { const char* entry; std::optional<Deficiency> deficiency; } rows[] = {
        {"mnuVisionDeuteranopia", Deficiency::Deuteranopia},
        {"mnuVisionAchromatopsia", Deficiency::Achromatopsia},
        {"mnuVisionNormal", std::nullopt},
    };
    for (const auto& row : rows) {
        see(row.entry);
        EXPECT_TRUE(w.window->action(row.entry)->isChecked()) << row.entry;
        for (const View& v : views) {
            const ColorValue expected = row.deficiency ? SimulateDeficiency(v.color, *row.deficiency) : v.color;
            EXPECT_EQ(HtmlHex(painted(v)), HtmlHex(expected)) << row.entry << ", " << v.name;
        }
        EXPECT_EQ(banner->isVisible(), row.deficiency.has_value()) << row.entry;
        if (row.deficiency) {
            EXPECT_TRUE(banner->text().startsWith("Simulation: ")) << banner->text().toStdString();
        }
    }
    // The colours themselves never change: only their painting.
    EXPECT_EQ(w.find<SchemeSample>("lblnl")->backColor(), kRed);
    EXPECT_EQ(w.window->swatchColor(), kRed);
}

TEST_F(Vision, TheDesignerWarnsWhenSchemeColoursLookAlike)
{
    select("optnl");
    choose(MakeColor(0x00, 0x80, 0x00));
    select("optvl");
    choose(MakeColor(0xCC, 0x66, 0x00));
    auto* warning = w.find<QLabel>("lblVisionWarning");
    ASSERT_NE(warning, nullptr);
    EXPECT_FALSE(warning->isVisible()) << "normal vision";

    see("mnuVisionProtanopia");
    EXPECT_TRUE(warning->isVisible());
    // (The hover link of the scheme loaded at start is the same green.)
    EXPECT_TRUE(warning->toolTip().contains("Normal link and Hover link (#008000) and Visited link (#CC6600) look alike "
                                            "with protanopia"))
        << warning->toolTip().toStdString();

    // A colour change that parts them takes the warning away at once.
    choose(MakeColor(0x00, 0x00, 0xCC));
    EXPECT_FALSE(warning->isVisible());
    choose(MakeColor(0xCC, 0x66, 0x00));
    EXPECT_TRUE(warning->isVisible());

    see("mnuVisionNormal");
    EXPECT_FALSE(warning->isVisible());
}

} // namespace
} // namespace prismara
