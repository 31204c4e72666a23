// The OKLCH wheel among the wheel types, and colour names in the tool tips and on the colour page.
#include "core/colour/colornames.h"
#include "core/palette/colorpage.h"
#include "core/wheel/wheelcolors.h"
#include "support/windowfixture.h"
#include "ui/colorpage/frmpreview.h"
#include "ui/editors/currentcoloreditors.h"
#include "ui/wheel/colorcellring.h"
#include "ui/wheel/colorwheelframe.h"
#include "widgets/colorswatch.h"

#include <QAction>
#include <QMenu>

#include <gtest/gtest.h>

#include <algorithm>

namespace prismara {
namespace {

QString wheelTypeKey() { return test::FakePlatform::settingKey("quorvel software", "Prismara 4.6", "colorwheeltype"); }

TEST(WheelTypes, EachMenuEntryChoosesItsWheelAndIsStored)
{
    test::WindowFixture w;
    const ColorValue color = MakeColor(0x33, 0x66, 0xCC);
    w.window->CurrentColorChanged(color, WriteRecent::Yes);
    QAction* entries[] = {w.window->action("mnuRGBWheel"), w.window->action("mnuRYBWheel"),
                          w.window->action("mnuOKLCHWheel")};
    ASSERT_TRUE(entries[2] && w.window->menu("mnyColorWheel")->actions().contains(entries[2]));
    ColorCellRing* cells = w.window->wheel()->wheelCells();
    for (int type : {2, 1, 2, 0}) {
        entries[type]->trigger();
        for (int t = 0; t < 3; ++t)
            EXPECT_EQ(entries[t]->isChecked(), t == type) << "chose " << type << ", entry " << t;
        EXPECT_EQ(w.window->wheel()->title(), entries[type]->text());
        EXPECT_EQ(w.platform.settings.value(wheelTypeKey()), QString::number(type));
        EXPECT_EQ(cells->cellColor(4), WheelColors(color, type)[4]) << type;
    }
    entries[2]->trigger();
    const int writes = w.platform.settingWrites;
    entries[2]->trigger();
    EXPECT_TRUE(entries[2]->isChecked()) << "the checked entry again changes nothing";
    EXPECT_EQ(w.platform.settingWrites, writes);

    test::FakePlatform next; // a new run starts on the stored wheel
    next.settings.insert(wheelTypeKey(), "2");
    FrmShowColor again(next);
    EXPECT_TRUE(again.action("mnuOKLCHWheel")->isChecked());
    EXPECT_EQ(again.wheel()->title(), "OKLCH Color Wheel");
}

TEST(ColorNames, ToolTipsAndTheColourPageNameTheColour)
{
    test::WindowFixture w;
    const ColorValue unnamed = MakeColor(0x33, 0x66, 0xCD);
    w.window->CurrentColorChanged(unnamed, WriteRecent::Yes);
    EXPECT_EQ(w.window->editors()->swatch()->toolTip().toStdString(), "#3366CD\n\u2248 " + NearestColorName(unnamed).name);
    w.window->CurrentColorChanged(MakeColor(0x64, 0x95, 0xED), WriteRecent::Yes);
    EXPECT_EQ(w.window->editors()->swatch()->toolTip(), "#6495ED\ncornflowerblue");

    // The colour page shows the name and the CSS Color 4 values; the saved page stays as it was.
    FrmPreview page(*w.window, w.window.get());
    const struct { const char* box; const char* text; } rows[] = {
        {"txtName", "cornflowerblue"}, {"txtOklchL", "0.67462"}, {"txtLabL", "61.23"}, {"txtLchH", "273.47"}};
    for (const auto& row : rows)
        EXPECT_EQ(page.findChild<QLineEdit*>(row.box)->text().toStdString(), row.text) << row.box;
    const std::string html = ColorPageHtml(page.texts());
    EXPECT_EQ(std::count(html.begin(), html.end(), '\n'), kColorPageLines);
}

} // namespace
} // namespace prismara
