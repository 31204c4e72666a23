// The colour information page "Color Preview": its values for the current colour, the saved HTML
// page byte for byte, Cancel, replacing a saved page, the Action menu and its modal opening.
#include "widgets/colorswatch.h"
#include "ui/colorpage/frmpreview.h"
#include "support/tempdir.h"
#include "support/windowfixture.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPointer>
#include <QTimer>

#include <gtest/gtest.h>

using namespace prismara;
using prismara::test::TempDir;
using prismara::test::WindowFixture;

namespace {

QByteArray fixture(const char* name)
{
    QFile f(QString(PRISMARA_TEST_DATA_DIR) + "/palette/" + name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing fixture>");
}

QByteArray bytesOf(const std::filesystem::path& file)
{
    QFile f(QString::fromStdString(file.string()));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString boxText(const FrmPreview& page, const char* name)
{
    const auto* box = page.findChild<QLineEdit*>(name);
    return box ? box->text() : QStringLiteral("<no %1>").arg(name);
}

QAction* menuEntry(const FrmPreview& page, const char* name) { return page.findChild<QAction*>(name); }

} // namespace

TEST(ColorPage, ShowsTheCurrentColourInFiveModels)
{
    WindowFixture w;
    w.window->CurrentColorChanged(MakeColor(51, 102, 153), WriteRecent::Yes);
    FrmPreview page(*w.window, w.window.get());
    EXPECT_EQ(page.windowTitle(), "Color Preview");
    EXPECT_TRUE(page.isModal());

    const std::pair<const char*, const char*> expected[] = {
        {"txtHex", "#336699"}, {"txtr", "51"},   {"txtg", "102"},  {"txtb", "153"},  {"txth", "270"},  {"txts", "50"},
        {"txtl", "40"},        {"txtc", "204"},  {"txtm", "153"},  {"txtY", "102"},  {"txtc1", "67"},  {"txtm1", "33"},
        {"txtY1", "0"},        {"txtK", "40"},   {"txtY2", "93"},  {"txtCb", "162"}, {"txtCr", "98"},
    };
    for (const auto& [name, text] : expected)
        EXPECT_EQ(boxText(page, name), text) << name;

    // The background is the colour; PicInfo stands at the left, as tall as the screen.
    const QWidget* info = page.findChild<QWidget*>("PicInfo");
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(info->pos(), QPoint(0, 0));
    EXPECT_EQ(info->height(), w.platform.screenSize.height());
    const QWidget* background = info->parentWidget();
    EXPECT_EQ(FromQColor(background->palette().color(QPalette::Window)), MakeColor(51, 102, 153));
    EXPECT_TRUE(background->autoFillBackground());

    // The Action menu.
    QMenu* action = page.actionMenu();
    EXPECT_EQ(action->objectName(), "mnufile");
    EXPECT_EQ(action->title(), "Action");
    const QList<QAction*> entries = action->actions();
    ASSERT_EQ(entries.size(), 3);
    EXPECT_EQ(entries[0]->objectName(), "mnusave");
    EXPECT_EQ(entries[0]->text(), "Save as Html...");
    EXPECT_TRUE(entries[1]->isSeparator());
    EXPECT_EQ(entries[1]->objectName(), "sep");
    EXPECT_EQ(entries[2]->objectName(), "mnuExit");
    EXPECT_EQ(entries[2]->text(), "Exit");
    const QMenuBar* bar = page.findChild<QMenuBar*>();
    ASSERT_NE(bar, nullptr);
    EXPECT_TRUE(bar->actions().contains(action->menuAction()));
}

TEST(ColorPage, SavedPagesMatchTheirFixturesByteForByte)
{
    struct Case
    {
        const char* name;
        ColorValue color;
        const char* fixture;
    } cases[] = {
        {"white", kWhite, "colorpage_white.htm"},
        {"#336699", MakeColor(51, 102, 153), "colorpage_336699.htm"},
    };
    WindowFixture w;
    TempDir dir;
    for (const Case& c : cases) {
        w.window->CurrentColorChanged(c.color, WriteRecent::Yes);
        FrmPreview page(*w.window, w.window.get());
        const std::filesystem::path file = dir / (std::string(c.name) + ".htm");
        w.platform.saveAnswers.push_back(QString::fromStdString(file.string()));
        menuEntry(page, "mnusave")->trigger();
        EXPECT_EQ(w.platform.saveDialogsShown.last(), QString::fromStdString(HtmlHex(c.color))) << c.name;
        EXPECT_EQ(bytesOf(file), fixture(c.fixture)) << c.name;
        EXPECT_TRUE(w.platform.errorsShown.isEmpty()) << c.name;
    }
}

TEST(ColorPage, CancelWritesNothing)
{
    WindowFixture w;
    TempDir dir;
    FrmPreview page(*w.window, w.window.get());
    w.platform.saveAnswers.push_back(std::nullopt);
    menuEntry(page, "mnusave")->trigger();
    EXPECT_EQ(w.platform.saveDialogsShown, QStringList{"#FFFFFF"});
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
    EXPECT_TRUE(w.platform.errorsShown.isEmpty());
}

TEST(ColorPage, SavingAgainReplacesTheFileAndTakesTheBoxesAsTheyAre)
{
    WindowFixture w;
    TempDir dir;
    const std::filesystem::path file = dir / "#FFFFFF.htm";
    FrmPreview page(*w.window, w.window.get());
    w.platform.saveAnswers.push_back(QString::fromStdString(file.string()));
    menuEntry(page, "mnusave")->trigger();
    const QByteArray first = bytesOf(file);
    EXPECT_EQ(first, fixture("colorpage_white.htm"));

    // A second page over the first: complete, not appended.
    w.platform.saveAnswers.push_back(QString::fromStdString(file.string()));
    menuEntry(page, "mnusave")->trigger();
    EXPECT_EQ(bytesOf(file), first);

    // What the user typed into a box is what the page holds.
    page.findChild<QLineEdit*>("txtK")->setText("7");
    w.platform.saveAnswers.push_back(QString::fromStdString(file.string()));
    menuEntry(page, "mnusave")->trigger();
    const QByteArray edited = bytesOf(file);
    EXPECT_EQ(edited.count("\r\n"), 106);
    EXPECT_TRUE(edited.contains("K\r\n</font>\r\n</td>\r\n<td width=33%><font face=Tahoma size=2>7</font></td>\r\n"));
    EXPECT_EQ(edited.size(), first.size()) << "\"0\" replaced by \"7\", nothing added";
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), std::filesystem::directory_iterator()), 1)
        << "no temporary file is left";
}

TEST(ColorPage, AFileThatCannotBeWrittenIsReportedByName)
{
    WindowFixture w;
    TempDir dir;
    const std::filesystem::path file = dir / "missing-folder" / "page.htm";
    FrmPreview page(*w.window, w.window.get());
    w.platform.saveAnswers.push_back(QString::fromStdString(file.string()));
    menuEntry(page, "mnusave")->trigger();
    ASSERT_EQ(w.platform.errorsShown.size(), 1);
    EXPECT_TRUE(w.platform.errorsShown.front().contains(QString::fromStdString(file.string())))
        << w.platform.errorsShown.front().toStdString();
    EXPECT_FALSE(std::filesystem::exists(file));
}

TEST(ColorPage, ARightClickPopsUpTheActionMenu)
{
    WindowFixture w;
    FrmPreview page(*w.window, w.window.get());
    page.show();
    for (const char* where : {"PicInfo", "picPage"}) {
        QWidget* target = page.findChild<QWidget*>(where);
        ASSERT_NE(target, nullptr) << where;
        const QPoint at(target->width() - 5, target->height() / 2 < 400 ? target->height() / 2 : 400);
        QTest::mouseClick(target, Qt::RightButton, Qt::NoModifier, at);
        EXPECT_TRUE(page.actionMenu()->isVisible()) << where;
        page.actionMenu()->hide();
        QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, at);
        EXPECT_FALSE(page.actionMenu()->isVisible()) << where << ": only the right button";
    }
}

TEST(ColorPage, TheEditMenuEntryOpensAModalTopmostPageThatExitDiscards)
{
    WindowFixture w;
    w.window->CurrentColorChanged(MakeColor(0xFF, 0xA1, 0xCC), WriteRecent::Yes);
    QPointer<QWidget> seen;
    bool topmost = false;
    bool modal = false;
    QString hexShown;
    QTimer::singleShot(0, [&] {
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->isVisible() && top->objectName() == "frmpreview")
                seen = top;
        if (!seen)
            return;
        topmost = w.platform.topMost.contains(seen.data());
        modal = seen->isModal();
        if (auto* hex = seen->findChild<QLineEdit*>("txtHex"))
            hexShown = hex->text();
        if (QAction* exit = seen->findChild<QAction*>("mnuExit"))
            exit->trigger();
    });
    w.window->action("mnuViewColor")->trigger();
    ASSERT_FALSE(seen.isNull() && hexShown.isEmpty()) << "no modal page was shown";
    EXPECT_EQ(hexShown, "#FFA1CC");
    EXPECT_TRUE(topmost);
    EXPECT_TRUE(modal);
    EXPECT_TRUE(seen.isNull()) << "Exit discards the page";
    EXPECT_TRUE(w.window->isVisible());
}
