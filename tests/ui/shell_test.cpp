// The main window as a whole: start-up, shutdown, window modes and the menus and toolbar built from
// their tables.
#include "core/access/cvd.h"
#include "core/colour/notations.h"
#include "support/windowfixture.h"
#include "ui/palette/palettegrid.h"
#include "ui/scheme/schemepanel.h"
#include "ui/wheel/colorcellring.h"
#include "widgets/menutable.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QToolBar>

using namespace prismara;
using prismara::test::FakePlatform;

namespace {

QString q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
QString settingsKey(const char* key) { return FakePlatform::settingKey("quorvel software", "Prismara 4.6", key); }
QString positionKey(const char* key) { return FakePlatform::settingKey("prismara", "Position", key); }

class Shell : public ::testing::Test, public test::WindowFixture
{
protected:
    Shell() : WindowFixture(true, false) {}
};

} // namespace

TEST_F(Shell, FirstRunShowsWhiteCentredAndShutdownSavesThePositionInTwips)
{
    write("recent.rgb", "ABCDEF");
    open();
    EXPECT_EQ(window->windowTitle(), "Prismara 4.6");
    EXPECT_EQ(find<QLineEdit>("txtHex")->text(), "#FFFFFF");
    EXPECT_FALSE(action("mnuWebsafe")->isEnabled());
    EXPECT_EQ(bytes("recent.rgb"), "ABCDEF") << "a leftover file is kept at start";
    EXPECT_EQ(window->height(), window->fullHeight());
    EXPECT_NEAR(window->frameGeometry().center().x(), 960, 2) << "centred on the 1920 x 1080 screen";
    EXPECT_NEAR(window->frameGeometry().center().y(), 540, 2);
    window->move(100, 60);
    QApplication::processEvents();
    const QPoint at = window->frameGeometry().topLeft();
    action("mnuExit")->trigger();
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(QFile::exists(path("recent.rgb")));
    EXPECT_EQ(platform.settings.value(positionKey("X")), QString::number(at.x() * 15));
    EXPECT_EQ(platform.settings.value(positionKey("Y")), QString::number(at.y() * 15));
}

TEST_F(Shell, AStoredPositionIsClampedToTheScreenAndABadOneCentres)
{
    const struct
    {
        const char *x, *y;
        int left, top; // -1: the right edge on the screen's right edge, -2: centred
    } cases[] = {{"-300", "-750", 0, 0}, {"60000", "750", -1, 50}, {"150", nullptr, -2, 0}, {"abc", "750", -2, 0}};
    for (const auto& c : cases) {
        platform.settings = {{positionKey("X"), c.x}};
        if (c.y)
            platform.settings.insert(positionKey("Y"), c.y);
        open();
        const QRect frame = window->frameGeometry();
        if (c.left == -2) {
            EXPECT_NEAR(frame.center().x(), 960, 2) << c.x;
        } else {
            EXPECT_EQ(frame.left(), c.left >= 0 ? c.left : 1920 - frame.width()) << c.x;
            EXPECT_EQ(frame.top(), c.top) << c.x;
        }
    }
}

TEST_F(Shell, PaletteOnlyModeAndAlwaysOnTop)
{
    platform.settings.insert(settingsKey("webcolorscheme"), "yes"); // not a number: absent
    open();
    const int full = window->height();
    EXPECT_FALSE(action("mnuSwap")->isChecked());
    click(find("colorchart"));
    EXPECT_TRUE(action("mnuSwap")->isChecked());
    EXPECT_LT(window->height(), full);
    EXPECT_EQ(platform.settings.value(settingsKey("webcolorscheme")), "1");
    open(); // the stored mode is applied at start
    EXPECT_TRUE(window->toolbarButton(7)->isChecked());
    EXPECT_LT(window->height(), window->fullHeight());
    action("mnuSwap")->trigger();
    EXPECT_EQ(window->height(), window->fullHeight());
    EXPECT_EQ(platform.settings.value(settingsKey("webcolorscheme")), "0");

    action("mnuOnTop")->trigger();
    EXPECT_TRUE(window->toolbarButton(8)->isChecked());
    EXPECT_TRUE(platform.topMost.contains(window.get()));
    action("mnuOnTop")->trigger();
    EXPECT_FALSE(platform.topMost.contains(window.get()));
}

TEST_F(Shell, TheWindowGrowsFromItsDesignedSizeAndRemembersItsSize)
{
    open();
    const QSize designed = window->size();
    EXPECT_EQ(window->minimumSize(), designed);
    auto* grid = find<PaletteGrid>("lblcor");
    auto* ring = find<ColorCellRing>("shpColorWheel");
    auto* panel = find("picLinkColor");
    const QFont font = find("txtHex")->font();
    EXPECT_EQ(grid->cellRect(1).topLeft() - grid->cellRect(0).topLeft(), QPoint(0, PaletteGrid::kPitchY));
    const qreal cell = ring->cellRect(0).width();

    window->resize(1280, 900);
    QApplication::processEvents();
    EXPECT_GT(grid->pitchY(), 2 * PaletteGrid::kPitchY);
    EXPECT_LE(grid->pitchX(), grid->pitchY() * 3 / 2) << "cells stay square-ish";
    EXPECT_GT(ring->cellRect(0).width(), 2 * cell);
    EXPECT_GT(panel->height(), 2 * SchemePanel::kHeight - 30);
    EXPECT_EQ(find("fraSchemeDesigner")->geometry().bottom(), window->centralWidget()->height() - 1);
    EXPECT_EQ(find("txtHex")->font(), font) << "text does not scale";

    action("mnuSwap")->trigger(); // palette-only: the row takes all the height
    const int pitch = grid->pitchY();
    EXPECT_LT(window->height(), 900);
    EXPECT_GT(pitch, 2 * PaletteGrid::kPitchY);
    action("mnuExit")->trigger();
    EXPECT_EQ(platform.settings.value(positionKey("Width")), QString::number(1280 * 15));
    EXPECT_EQ(platform.settings.value(positionKey("Height")), QString::number(900 * 15)) << "as with the designer";

    const struct
    {
        const char *width, *height;
        QSize expected;
    } cases[] = {{"19200", "13500", {1280, 900}}, {"60000", "60000", {1920, 1080}}, {"150", "150", designed}};
    platform.settings.insert(settingsKey("webcolorscheme"), "0");
    for (const auto& c : cases) {
        platform.settings.insert(positionKey("Width"), c.width);
        platform.settings.insert(positionKey("Height"), c.height);
        open();
        EXPECT_EQ(window->size(), c.expected) << c.width << " x " << c.height;
    }
    platform.settings.insert(positionKey("Maximized"), "1");
    open();
    EXPECT_TRUE(window->isMaximized());
    action("mnuExit")->trigger();
    EXPECT_EQ(platform.settings.value(positionKey("Maximized")), "1");
}

TEST_F(Shell, ADarkDesktopKeepsTheChromeReadableAndTheMockupsTheirDesignedColours)
{
    const QPalette light = QApplication::palette();
    QPalette dark = light;
    for (auto [role, colour] : {std::pair{QPalette::Window, QColor(40, 40, 40)}, {QPalette::WindowText, QColor(230, 230, 230)},
                                {QPalette::Base, QColor(30, 30, 30)}, {QPalette::Text, QColor(230, 230, 230)}})
        dark.setColor(role, colour);
    write("c1.rgb", "336699");
    open();
    window->converter();
    const auto icon = [&] { return window->toolbar()->actions().first()->icon().pixmap(24).toImage(); };
    const auto gamut = [&] { return find("lblGamut")->palette().color(QPalette::WindowText).lightness(); };
    const QImage lightIcon = icon();
    // The desktop switches to a dark scheme while the program runs.
    window->setPalette(dark);
    const QImage grid = find("lblcor")->grab().toImage();
    const QImage panel = find<SchemePanel>("picLinkColor")->grab().toImage();
    EXPECT_GT(gamut(), 160) << "the gamut warning reads on a dark window";
    EXPECT_NE(icon(), lightIcon) << "the icons are drawn again in light ink";
    window->setPalette(light);
    EXPECT_LT(gamut(), 100) << "and back";
    EXPECT_EQ(icon(), lightIcon);

    auto* cells = find<PaletteGrid>("lblcor");
    EXPECT_LT(grid.pixelColor(cells->cellRect(5).topLeft() + QPoint(3, 3)).lightness(), 128) << "empty cells are dark";
    const QRect page = find<SchemePanel>("picLinkColor")->pageRect();
    EXPECT_EQ(panel.pixelColor(page.bottomLeft() + QPoint(2, -2)), QColor(Qt::white)) << "the mock-up page stays white";
}

TEST_F(Shell, MenusAndToolbarFollowTheirTables)
{
    open();
    for (auto table : {std::span<const MenuEntry>(kMenuBar), std::span<const MenuEntry>(kSchemePopup)}) {
        QHash<QString, int> order;
        for (const MenuEntry& e : table) {
            if (e.kind == MenuKind::CopySubmenus || e.kind == MenuKind::VisionChoices) {
                order[q(e.parent)] += e.kind == MenuKind::CopySubmenus ? static_cast<int>(std::size(kCopySubmenus))
                                                                      : 1 + static_cast<int>(kDeficiencyCount);
                continue;
            }
            if (e.kind == MenuKind::TextPaletteFormats) {
                order[q(e.parent)] += static_cast<int>(window->menu(q(e.parent))->actions().size());
                continue;
            }
            QAction* a = action(q(e.name));
            ASSERT_NE(a, nullptr) << e.name;
            // The first "Add This Color To" item takes the first palette's name at start-up.
            if (e.kind != MenuKind::Separator && e.name != "mnuAddChart0") {
                EXPECT_EQ(a->text(), q(e.caption)) << e.name;
            }
            EXPECT_EQ(a->isVisible(), !e.hidden) << e.name;
            // Start-up disables the palette entries that do not apply to the first palette.
            if (!e.hidden) {
                EXPECT_EQ(a->isEnabled(), !(e.disabled || e.name == "mnuDelCor" || e.name == "mnuDelChart")) << e.name;
            }
            EXPECT_EQ(a->isChecked(), e.checked) << e.name;
            if (e.parent.empty())
                continue;
            const int index = static_cast<int>(window->menu(q(e.parent))->actions().indexOf(a));
            EXPECT_EQ(index, order.value(q(e.parent), 0)) << e.name << " out of order";
            order[q(e.parent)] = index + 1;
        }
    }
    QStringList bar;
    for (QAction* a : window->menuBar()->actions())
        bar << a->objectName();
    EXPECT_EQ(bar, (QStringList{"mnufile", "mnuEdit", "mnuTool", "mnuView", "mnuhelp"}));
    for (const ToolbarButton& b : kMainToolbar) {
        QAction* a = window->toolbarButton(b.number);
        ASSERT_NE(a, nullptr) << b.number;
        EXPECT_EQ(a->isSeparator(), b.tag.empty()) << b.number;
        if (!b.tag.empty()) {
            EXPECT_EQ(a->toolTip(), q(b.toolTip)) << b.tag;
            EXPECT_NE(window->findChild<QWidget*>(q(b.tag)), nullptr) << b.tag;
            EXPECT_FALSE(a->icon().isNull()) << b.tag;
        }
    }
    EXPECT_EQ(window->toolbarButton(static_cast<int>(std::size(kMainToolbar)) + 1), nullptr);
}

TEST_F(Shell, WebsiteAndAboutGoToTheDesktopAndAFreshTopmostBox)
{
    open();
    action("mnuWeb")->trigger();
    ASSERT_EQ(platform.opened.size(), 1);
    EXPECT_TRUE(platform.opened[0].startsWith("https://"));
    for (int opening = 0; opening < 2; ++opening) {
        withModal([&] { action("mnuabout")->trigger(); },
                  [&](QDialog* box) {
                      EXPECT_EQ(box->objectName(), "frmabout");
                      EXPECT_TRUE(box->findChild<QLabel*>("lblProduct")->text().contains("Prismara, Version 4.6"));
                      EXPECT_FALSE(box->findChild<QLabel*>("imgIcon")->pixmap().isNull());
                      EXPECT_TRUE(platform.topMost.contains(box));
                      click(box->findChild<QPushButton*>("Cmdok"));
                  });
        EXPECT_EQ(window->findChild<QWidget*>("frmabout"), nullptr) << "the box is discarded";
    }
}
