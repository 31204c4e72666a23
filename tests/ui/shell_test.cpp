// The main window as a whole: start-up, shutdown, window modes and the menu structure.
#include "core/access/cvd.h"
#include "core/colour/notations.h"
#include "widgets/menutable.h"
#include "support/windowfixture.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace prismara;
using prismara::test::FakePlatform;
using prismara::test::WindowFixture;

namespace {
QString q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<int>(s.size())); }

QString settingsKey(const char* key) { return FakePlatform::settingKey("quorvel software", "Prismara 4.6", key); }
QString positionKey(const char* key) { return FakePlatform::settingKey("prismara", "Position", key); }
} // namespace

TEST(Shell, FirstRunDefaults)
{
    WindowFixture w;
    EXPECT_EQ(w.window->windowTitle(), "Prismara 4.6");
    EXPECT_TRUE(w.window->action("mnuRGBWheel")->isChecked());
    EXPECT_FALSE(w.window->action("mnuOnTop")->isChecked());
    EXPECT_FALSE(w.window->action("mnuSwap")->isChecked());
    EXPECT_FALSE(w.window->action("mnuWebsafe")->isEnabled());
    EXPECT_FALSE(w.window->toolbarButton(2)->isEnabled());
    EXPECT_EQ(w.edit("txtHex")->text(), "#FFFFFF");
    EXPECT_EQ(w.edit("txtRgb")->text(), "255,255,255");
    EXPECT_EQ(w.edit("txtgh")->text(), "FF");
    EXPECT_TRUE(QFile::exists(w.path("recent.rgb")));
    EXPECT_EQ(w.window->height(), w.window->fullHeight());
    // Centred on the 1920 x 1080 screen of the fake platform.
    const QRect frame = w.window->frameGeometry();
    EXPECT_NEAR(frame.center().x(), 960, 2);
    EXPECT_NEAR(frame.center().y(), 540, 2);
}

TEST(Shell, ALeftoverRecentFileIsKeptAtStartAndDeletedAtShutdown)
{
    WindowFixture w(false);
    w.window->close();
    w.writeFile("recent.rgb", "ABCDEF");
    w.open();
    EXPECT_EQ(w.fileBytes("recent.rgb"), "ABCDEF");
    w.window->close();
    EXPECT_FALSE(QFile::exists(w.path("recent.rgb")));
}

TEST(Shell, ShutdownSavesThePositionInTwips)
{
    WindowFixture w;
    w.window->move(100, 60);
    QApplication::processEvents();
    const QPoint at = w.window->frameGeometry().topLeft();
    w.window->close();
    EXPECT_EQ(w.platform.settings.value(positionKey("X")), QString::number(at.x() * 15));
    EXPECT_EQ(w.platform.settings.value(positionKey("Y")), QString::number(at.y() * 15));
}

TEST(Shell, StoredPositionIsClamped)
{
    struct Case
    {
        const char* x;
        const char* y;
        int left;
        int top;
        bool centred;
    };
    const Case cases[] = {
        {"-300", "750", 0, 50, false},
        {"60000", "750", -1, 50, false}, // right edge on the screen's right edge
        {"150", nullptr, 0, 0, true},    // Y absent
        {"abc", "750", 0, 0, true},      // not a number
    };
    for (const Case& c : cases) {
        WindowFixture w(false);
        w.platform.settings.insert(positionKey("X"), c.x);
        if (c.y)
            w.platform.settings.insert(positionKey("Y"), c.y);
        w.open();
        const QRect frame = w.window->frameGeometry();
        if (c.centred) {
            EXPECT_NEAR(frame.center().x(), 960, 2) << c.x;
        } else {
            const int expectedLeft = c.left >= 0 ? c.left : 1920 - frame.width();
            EXPECT_EQ(frame.left(), expectedLeft) << c.x;
            EXPECT_EQ(frame.top(), c.top) << c.x;
        }
    }
}

TEST(Shell, PaletteOnlyModeCutsTheDesignerAndRestoresTheFullHeight)
{
    WindowFixture w;
    const int full = w.window->height();
    QAction* swap = w.window->action("mnuSwap");
    QWidget* button = w.find("colorchart");
    ASSERT_NE(button, nullptr);
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_TRUE(swap->isChecked());
    EXPECT_LT(w.window->height(), full);
    EXPECT_EQ(w.platform.settings.value(settingsKey("webcolorscheme")), "1");
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_FALSE(swap->isChecked());
    EXPECT_EQ(w.window->height(), full);
    EXPECT_EQ(w.platform.settings.value(settingsKey("webcolorscheme")), "0");
}

TEST(Shell, StoredPaletteOnlyModeIsAppliedAtStart)
{
    WindowFixture w(false);
    w.platform.settings.insert(settingsKey("webcolorscheme"), "1");
    w.open();
    EXPECT_TRUE(w.window->action("mnuSwap")->isChecked());
    EXPECT_TRUE(w.window->toolbarButton(7)->isChecked());
    EXPECT_LT(w.window->height(), w.window->fullHeight());
    w.window->action("mnuSwap")->trigger();
    EXPECT_EQ(w.window->height(), w.window->fullHeight());
}

TEST(Shell, NonNumericStoredModeCountsAsAbsent)
{
    WindowFixture w(false);
    w.platform.settings.insert(settingsKey("webcolorscheme"), "yes");
    w.open();
    EXPECT_FALSE(w.window->action("mnuSwap")->isChecked());
}

TEST(Shell, AlwaysOnTopGoesThroughThePlatformAndKeepsItsButtonInStep)
{
    WindowFixture w;
    QAction* onTop = w.window->action("mnuOnTop");
    onTop->trigger();
    EXPECT_TRUE(onTop->isChecked());
    EXPECT_TRUE(w.window->toolbarButton(8)->isChecked());
    EXPECT_TRUE(w.platform.topMost.contains(w.window.get()));
    onTop->trigger();
    EXPECT_FALSE(w.platform.topMost.contains(w.window.get()));
}

TEST(Shell, ExitClosesLikeTheCloseControl)
{
    WindowFixture w;
    w.window->action("mnuExit")->trigger();
    EXPECT_FALSE(w.window->isVisible());
    EXPECT_FALSE(QFile::exists(w.path("recent.rgb")));
    EXPECT_TRUE(w.platform.settings.contains(positionKey("X")));
}

TEST(Shell, MenusFollowTheTable)
{
    WindowFixture w;
    for (auto table : {std::span<const MenuEntry>(kMenuBar), std::span<const MenuEntry>(kSchemePopup)}) {
        QHash<QString, int> order;
        for (const MenuEntry& e : table) {
            if (e.kind == MenuKind::CopySubmenus) {
                order[q(e.parent)] += static_cast<int>(std::size(kCopySubmenus));
                continue;
            }
            if (e.kind == MenuKind::VisionChoices) {
                order[q(e.parent)] += 1 + static_cast<int>(kDeficiencyCount);
                continue;
            }
            QAction* a = w.window->action(q(e.name));
            ASSERT_NE(a, nullptr) << e.name;
            // The first "Add This Color To" item takes the first palette's name at start-up.
            if (e.kind != MenuKind::Separator && e.name != "mnuAddChart0") {
                EXPECT_EQ(a->text(), q(e.caption)) << e.name;
            }
            EXPECT_EQ(a->isVisible(), !e.hidden) << e.name;
            // Qt reports a hidden action as disabled; start-up disables the palette entries that
            // do not apply to the first palette.
            const bool startsDisabled = e.disabled || e.name == "mnuDelCor" || e.name == "mnuDelChart";
            if (!e.hidden) {
                EXPECT_EQ(a->isEnabled(), !startsDisabled) << e.name;
            }
            EXPECT_EQ(a->isChecked(), e.checked) << e.name;
            if (e.parent.empty())
                continue;
            QMenu* parent = w.window->menu(q(e.parent));
            ASSERT_NE(parent, nullptr) << e.parent;
            const int index = static_cast<int>(parent->actions().indexOf(a));
            EXPECT_EQ(index, order.value(q(e.parent), 0)) << e.name << " out of order";
            order[q(e.parent)] = index + 1;
        }
    }
    QStringList bar;
    for (QAction* a : w.window->menuBar()->actions())
        bar << a->objectName();
    EXPECT_EQ(bar, (QStringList{"mnufile", "mnuEdit", "mnuTool", "mnuView", "mnuhelp"}));
}

TEST(Shell, ToolbarFollowsTheTable)
{
    WindowFixture w;
    for (const ToolbarButton& b : kMainToolbar) {
        QAction* a = w.window->toolbarButton(b.number);
        ASSERT_NE(a, nullptr) << b.number;
        if (b.tag.empty()) {
            EXPECT_TRUE(a->isSeparator()) << b.number;
            continue;
        }
        EXPECT_EQ(a->toolTip(), q(b.toolTip)) << b.tag;
        EXPECT_EQ(a->property("toolbarTag").toString(), q(b.tag));
        EXPECT_NE(w.find(std::string(b.tag).c_str()), nullptr) << b.tag;
        EXPECT_FALSE(a->icon().isNull()) << b.tag;
    }
    EXPECT_EQ(w.window->toolbarButton(14), nullptr);
}

TEST(Shell, HelpAndWebsiteGoToTheDesktop)
{
    WindowFixture w;
    w.window->action("mnucontents")->trigger();
    w.window->action("mnuWeb")->trigger();
    ASSERT_EQ(w.platform.opened.size(), 2);
    EXPECT_EQ(w.platform.opened[0], w.path("help.chm"));
    EXPECT_TRUE(w.platform.opened[1].startsWith("https://"));
}

TEST(Shell, AboutOpensAFreshTopmostBoxThatOkCloses)
{
    WindowFixture w;
    for (int opening = 0; opening < 2; ++opening) {
        QString title, product, thanks;
        bool topmost = false;
        bool hasIcon = false;
        QTimer::singleShot(0, [&] {
            QWidget* box = QApplication::activeModalWidget();
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(box->objectName(), "frmabout");
            title = box->windowTitle();
            product = box->findChild<QLabel*>("lblProduct")->text();
            thanks = box->findChild<QLabel*>("lblThanksTitle")->text();
            hasIcon = !box->findChild<QLabel*>("imgIcon")->pixmap().isNull();
            topmost = w.platform.topMost.contains(box);
            QTest::mouseClick(box->findChild<QPushButton*>("Cmdok"), Qt::LeftButton);
        });
        w.window->action("mnuabout")->trigger();
        EXPECT_EQ(title, "About");
        EXPECT_TRUE(product.contains("Prismara, Version 4.6")) << product.toStdString();
        EXPECT_EQ(thanks, "Special Thanks To:");
        EXPECT_TRUE(hasIcon);
        EXPECT_TRUE(topmost);
        EXPECT_EQ(w.window->findChild<QWidget*>("frmabout"), nullptr) << "the box is discarded";
    }
}
