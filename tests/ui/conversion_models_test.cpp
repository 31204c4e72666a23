// The Lab, LCh and OKLCH tabs of the conversion panel: they show the colour, their sliders edit it
// live, and values outside the sRGB gamut give the gamut-mapped colour under the lblGamut mark.
#include "core/colour/colorspaces.h"
#include "support/windowfixture.h"

#include <QAction>
#include <QLabel>
#include <QSlider>
#include <QTabBar>

#include <gtest/gtest.h>

#include <functional>

namespace prismara {
namespace {

TEST(ConversionModels, NewTabsShowTheColourAndTheirSlidersEditIt)
{
    test::WindowFixture w;
    const ColorValue blue = MakeColor(0x33, 0x66, 0xCC);
    w.window->converter();
    auto* tabs = w.find<QTabBar>("tabModels");
    auto* gamut = w.find<QLabel>("lblGamut");
    QSlider* sld[3];
    for (int i = 0; i < 3; ++i)
        sld[i] = w.find<QSlider>(qPrintable(QString("sldVal%1").arg(i)));
    auto text = [&](int row) { return w.edit(qPrintable(QString("txtval%1").arg(row)))->text().toStdString(); };
    auto value = [&](int row, double scale) { return sld[row]->value() / scale; };
    w.window->CurrentColorChanged(blue, WriteRecent::Yes);
    w.window->action("mnucon")->trigger();

    struct Case
    {
        int tab;                   // 5 Lab, 6 LCh, 7 OKLCH
        std::array<const char*, 3> shown; // the values of #3366CC
        int row;
        Qt::Key key;
        const char* after;         // the row's box afterwards
        bool outside;
        std::function<ColorValue()> expected;
    };
    // Each tab once, Lab beyond the gamut (the values themselves are the core's test).
    const Case cases[] = {
        {7, {"0.532", "0.168", "262.3"}, 0, Qt::Key_PageDown, "0.522", false,
         [&] { return ToColor(OkLch{value(0, 1000), value(1, 1000), value(2, 10)}); }},
        {5, {"44.1", "11.0", "-59.1"}, 1, Qt::Key_End, "125.0", true,
         [&] { return ToColor(CieLab{value(0, 10), 125, value(2, 10)}); }},
        {6, {"44.1", "60.1", "280.5"}, 2, Qt::Key_PageUp, "281.5", false,
         [&] { return ToColor(CieLch{value(0, 10), value(1, 10), value(2, 10)}); }},
    };
    for (const Case& c : cases) {
        const std::string name = tabs->tabText(c.tab).toStdString() + " row " + std::to_string(c.row);
        w.window->CurrentColorChanged(kWhite, WriteRecent::Yes); // the panel follows the colour
        w.window->CurrentColorChanged(blue, WriteRecent::Yes);
        tabs->setCurrentIndex(c.tab);
        for (int r = 0; r < 3; ++r)
            EXPECT_EQ(text(r), c.shown[static_cast<std::size_t>(r)]) << name << ": shown, box " << r;
        EXPECT_EQ(w.window->swatchColor(), blue) << name << ": looking changes nothing";
        EXPECT_TRUE(gamut->isHidden()) << name;

        const int before = sld[c.row]->value();
        QTest::keyClick(sld[c.row], c.key);
        EXPECT_EQ(text(c.row), c.after) << name << ": the slider keeps the value asked for";
        EXPECT_EQ(w.window->swatchColor(), c.expected()) << name;
        EXPECT_EQ(!gamut->isHidden(), c.outside) << name;
        sld[c.row]->setValue(before);
        EXPECT_TRUE(gamut->isHidden()) << name << ": back inside";
    }
    // Only colours chosen outside the panel were recorded, never one made by a slider.
    EXPECT_EQ(w.fileBytes("recent.rgb").replace("3366CC", ""), "");
}

} // namespace
} // namespace prismara
