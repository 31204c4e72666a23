// The OKLCH wheel among the wheel types, and colour names in the tool tips and on the colour page.
#include "core/colour/colornames.h"
#include "core/palette/colorpage.h"
#include "core/wheel/harmony.h"
#include "core/wheel/wheelcolors.h"
#include "shell/frmshowcolor.h"
#include "support/windowfixture.h"
#include "ui/colorpage/frmpreview.h"
#include "ui/editors/currentcoloreditors.h"
#include "ui/wheel/colorcellring.h"
#include "ui/wheel/colorwheelframe.h"
#include "widgets/colorswatch.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>

namespace prismara {
namespace {

QString settingKey() { return test::FakePlatform::settingKey("quorvel software", "Prismara 4.6", "colorwheeltype"); }

TEST(OklchWheel, MenuEntryChoosesItLikeTheOtherTwoAndPersistsTwo)
{
    test::WindowFixture w;
    const ColorValue color = MakeColor(0x33, 0x66, 0xCC);
    w.window->CurrentColorChanged(color, WriteRecent::Yes);
    QAction* entries[] = {w.window->action("mnuRGBWheel"), w.window->action("mnuRYBWheel"),
                          w.window->action("mnuOKLCHWheel")};
    ASSERT_NE(entries[2], nullptr);
    EXPECT_EQ(entries[2]->text(), "OKLCH Color Wheel");
    EXPECT_TRUE(w.window->menu("mnyColorWheel")->actions().contains(entries[2]));

    const struct { int type; const char* caption; } rows[] = {
        {2, "OKLCH Color Wheel"}, {1, "RYB Color Wheel"}, {2, "OKLCH Color Wheel"}, {0, "RGB Color Wheel"}};
    for (const auto& row : rows) {
        entries[row.type]->trigger();
        for (int t = 0; t < 3; ++t)
            EXPECT_EQ(entries[t]->isChecked(), t == row.type) << row.caption << ", entry " << t;
        EXPECT_EQ(w.window->wheel()->title(), row.caption);
        EXPECT_EQ(w.window->wheel()->wheelType(), row.type);
        EXPECT_EQ(w.platform.settings.value(settingKey()), QString::number(row.type)) << row.caption;
        EXPECT_EQ(w.window->wheel()->wheelCells()->cellColor(4), WheelColors(color, row.type)[4]) << row.caption;
    }
    // The checked entry again changes nothing and writes nothing.
    entries[2]->trigger();
    const int writes = w.platform.settingWrites;
    entries[2]->trigger();
    EXPECT_TRUE(entries[2]->isChecked());
    EXPECT_EQ(w.platform.settingWrites, writes);

    // Harmony marks and Lock work as on the other wheels.
    ColorCellRing* cells = w.window->wheel()->wheelCells();
    w.window->wheel()->selectHarmony(2);
    for (int i : {0, 1, 2, 4, 5, 6, 7, 8, 10, 11})
        EXPECT_EQ(cells->markerVisible(i), HarmonyMarks(2, i)) << "cell " << i;
    QTest::mouseClick(w.find<QCheckBox>("chkLock"), Qt::LeftButton);
    w.window->CurrentColorChanged(MakeColor(200, 10, 10), WriteRecent::Yes);
    EXPECT_EQ(cells->cellColor(4), WheelColors(color, kOklchWheel)[4]) << "locked";

    // A new run starts on the stored wheel.
    test::FakePlatform next;
    next.settings.insert(settingKey(), "2");
    FrmShowColor again(next);
    EXPECT_TRUE(again.action("mnuOKLCHWheel")->isChecked());
    EXPECT_FALSE(again.action("mnuRGBWheel")->isChecked());
    EXPECT_EQ(again.wheel()->title(), "OKLCH Color Wheel");
}

TEST(ColorNames, ToolTipsAndTheColourPageNameTheColour)
{
    test::WindowFixture w;
    const ColorValue cornflower = MakeColor(0x64, 0x95, 0xED);
    w.window->CurrentColorChanged(cornflower, WriteRecent::Yes);
    EXPECT_EQ(w.window->editors()->swatch()->toolTip(), "#6495ED\ncornflowerblue");

    const ColorValue unnamed = MakeColor(0x33, 0x66, 0xCD);
    w.window->CurrentColorChanged(unnamed, WriteRecent::Yes);
    EXPECT_EQ(w.window->editors()->swatch()->toolTip().toStdString(),
              "#3366CD\n\u2248 " + NearestColorName(unnamed).name);

    // The colour page shows the name and the CSS Color 4 values; the saved page stays as it was.
    w.window->CurrentColorChanged(cornflower, WriteRecent::Yes);
    FrmPreview page(*w.window, w.window.get());
    const struct { const char* box; const char* text; } rows[] = {
        {"txtName", "cornflowerblue"}, {"txtOklchL", "0.67462"}, {"txtLabL", "61.23"}, {"txtLchH", "273.47"}};
    for (const auto& row : rows) {
        auto* box = page.findChild<QLineEdit*>(row.box);
        ASSERT_NE(box, nullptr) << row.box;
        EXPECT_EQ(box->text().toStdString(), row.text) << row.box;
    }
    const std::string html = ColorPageHtml(page.texts());
    EXPECT_EQ(std::count(html.begin(), html.end(), '\n'), kColorPageLines);
}

} // namespace
} // namespace prismara
