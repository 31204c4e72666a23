// Tests of the palette view in the real main window: the grid, paging, cell clicks and the Edit
// pop-up, the selector with its enabling rules, "Add This Color To", and the palette commands
// with their questions and failed writes.
#include "core/colour/colornames.h"
#include "core/files/fileio.h"
#include "support/windowfixture.h"
#include "ui/palette/palettegrid.h"
#include "ui/palette/palettejob.h"
#include "ui/palette/paletteview.h"
#include "widgets/colorswatch.h"
#include "widgets/menutable.h"

#include <QComboBox>
#include <QHelpEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSet>
#include <QThread>

using namespace prismara;

namespace {

// Record k (1-based) of a generated palette: distinct for every k below 65536, never white.
ColorValue colourOf(int k) { return MakeColor(k % 256, (k / 256) % 256, 0x40); }
QByteArray recordOf(ColorValue c) { return QByteArray::fromStdString(HtmlHex(c).substr(1)); }
QByteArray paletteOf(int count)
{
    QByteArray bytes;
    for (int k = 1; k <= count; ++k)
        bytes += recordOf(colourOf(k));
    return bytes;
}

// The shipped palettes plus one made by the user, "Mine" (c8.rgb), at position 8.
constexpr int kMine = 8;

class PaletteViewTest : public ::testing::Test, public test::WindowFixture
{
protected:
    PaletteViewTest() : WindowFixture(true, false) {}
    void TearDown() override { FaultInjection::reset(); }

    PaletteView& view() const { return *window->palette(); }
    PaletteGrid& grid() const { return *find<PaletteGrid>("lblcor"); }
    QComboBox& selector() const { return *find<QComboBox>("cmbChart"); }
    bool enabled(const char* name) const { return action(name)->isEnabled(); }
    void addMine(const QByteArray& colours) const
    {
        write("colorchart.cci", bytes("colorchart.cci") + "c8.rgb\r\nMine\r\n1\r\n");
        write("c8.rgb", colours);
    }
    void clickCell(int cell, Qt::MouseButton button = Qt::LeftButton) const
    {
        QTest::mouseClick(&grid(), button, {}, grid().cellRect(cell).center());
    }
    // Chooses a palette with the keyboard, as a user moving through the selector does.
    void choose(int position) const
    {
        while (selector().currentIndex() != position)
            QTest::keyClick(&selector(), selector().currentIndex() < position ? Qt::Key_Down : Qt::Key_Up);
    }
    QStringList addToCaptions() const
    {
        QStringList captions;
        for (QAction* a : window->menu("mnuAddto")->actions())
            captions << a->text();
        return captions;
    }
};

} // namespace

TEST_F(PaletteViewTest, TheGridShowsTheNewestFirstAndMapsEveryPointToItsCell)
{
    write("c1.rgb", paletteOf(20));
    open();
    for (int i = 0; i < PaletteGrid::kCells; ++i)
        ASSERT_EQ(grid().cellAt(grid().cellRect(i).center()), i) << "cell " << i;
    EXPECT_EQ(grid().cellAt(QPoint(1, 1)), -1);
    EXPECT_EQ(grid().cellAt(grid().cellRect(215).bottomRight() + QPoint(3, 3)), -1);
    const QImage image = grid().grab().toImage();
    // Empty cells are hatched: never one plain colour that could pass for white.
    auto shades = [&](int cell) {
        QSet<QRgb> seen;
        const QRect inside = grid().cellRect(cell).adjusted(1, 1, -1, -1);
        for (int y = inside.top(); y <= inside.bottom(); ++y)
            for (int x = inside.left(); x <= inside.right(); ++x)
                seen.insert(image.pixel(x, y));
        return seen.size();
    };
    for (int i : {0, 19, 20, 215}) {
        EXPECT_EQ(grid().isEmptyCell(i), i >= 20) << "cell " << i;
        EXPECT_EQ(shades(i) > 1, i >= 20) << "cell " << i;
        if (i < 20) {
            EXPECT_EQ(FromQColor(image.pixelColor(grid().cellRect(i).center())), colourOf(20 - i)) << "cell " << i;
        }
    }
    const QPoint at = grid().cellRect(3).center();
    QHelpEvent help(QEvent::ToolTip, at, grid().mapToGlobal(at));
    QApplication::sendEvent(&grid(), &help);
    EXPECT_EQ(grid().toolTip().toStdString(), HtmlHex(colourOf(17)) + "\n" + ColorNameText(colourOf(17)));

    // The cell under the pointer is ringed; an empty one is not.
    for (int cell : {3, 40}) {
        QTest::mouseMove(&grid(), grid().cellRect(cell).center());
        EXPECT_EQ(grid().hoveredCell(), cell < 20 ? cell : -1) << "cell " << cell;
    }
}

TEST(PageRange, CountsFromTheNewestColourWithThousandsMarked)
{
    const struct
    {
        int count, page;
        const char* text;
    } cases[] = {{0, 1, "No colors"}, {20, 1, "1\u2013""20 of 20"}, {1380, 2, "217\u2013""432 of 1,380"},
                 {1380, 7, "1,297\u2013""1,380 of 1,380"}};
    for (const auto& c : cases)
        EXPECT_EQ(PageRangeText(c.count, c.page), QString::fromUtf8(c.text)) << c.count << " page " << c.page;
}

TEST_F(PaletteViewTest, PagingShowsTheNewestColoursFirstAndTheOldestLast)
{
    write("c1.rgb", paletteOf(300));
    open();
    EXPECT_EQ(view().chartPages(), 2);
    EXPECT_FALSE(enabled("prevpage"));
    QTest::mouseClick(find("nextpage"), Qt::LeftButton);
    EXPECT_EQ(view().curPage(), 2);
    EXPECT_EQ(grid().cellColor(0), colourOf(84));
    EXPECT_EQ(grid().cellColor(83), colourOf(1));
    EXPECT_EQ(grid().cellColor(84), kWhite);
    EXPECT_EQ(find<QLabel>("lblPage")->text(), QString::fromUtf8("Page 2 of 2\n217\u2013""300 of 300"));
    EXPECT_TRUE(enabled("prevpage"));
    EXPECT_FALSE(enabled("nextpage"));
    QTest::mouseClick(find("prevpage"), Qt::LeftButton);
    EXPECT_EQ(grid().cellColor(0), colourOf(300));
    EXPECT_TRUE(enabled("nextpage"));
}

TEST_F(PaletteViewTest, EnablingFollowsTheKindOfThePaletteSelected)
{
    const struct
    {
        int position;
        bool clearing, deleting, deleteSelected; // Clear ... Colors, Delete Current Palette, Delete Selected Color
    } cases[] = {{0, true, false, true}, {1, true, false, true}, {2, false, false, false}, {kMine, true, true, true}};
    addMine(paletteOf(3));
    write("recent.rgb", paletteOf(2));
    open();
    for (const auto& c : cases) {
        choose(c.position);
        EXPECT_EQ(enabled("mnuCleanAll") && enabled("mnuCleanDup") && find("clearduplicate")->isEnabled(), c.clearing) << c.position;
        EXPECT_EQ(enabled("mnuDelChart"), c.deleting) << c.position;
        EXPECT_FALSE(enabled("mnuDelCor")) << c.position << ", before a click";
        clickCell(0);
        EXPECT_EQ(enabled("mnuDelCor"), c.deleteSelected) << c.position << ", after a click";
    }
}

TEST_F(PaletteViewTest, ACellClickMakesItsColourCurrentRecordsItAndLeavesTheSavedScheme)
{
    write("c1.rgb", paletteOf(3));
    open();
    const QByteArray recent = bytes("recent.rgb");
    auto* schemes = find<QListWidget>("lstCorset");
    ASSERT_EQ(schemes->currentRow(), 0);
    clickCell(0);
    EXPECT_EQ(current(), colourOf(3));
    EXPECT_TRUE(schemes->selectedItems().isEmpty()) << "a palette colour belongs to no saved scheme";
    EXPECT_EQ(view().selColorRec(), 3);
    EXPECT_EQ(grid().selectedCell(), 0);
    EXPECT_TRUE(enabled("mnuDelCor"));
    EXPECT_EQ(bytes("recent.rgb"), recent + recordOf(colourOf(3)));

    clickCell(10); // empty: no colour to take, the selection stays
    EXPECT_EQ(current(), colourOf(3));
    EXPECT_EQ(grid().selectedCell(), 0);
    EXPECT_EQ(bytes("recent.rgb"), recent + recordOf(colourOf(3)));
    setColor(kWhite);
    // A press and a release of different buttons is no click (nor a pop-up, closed if it came).
    QTest::mousePress(&grid(), Qt::LeftButton, {}, grid().cellRect(1).center());
    QTimer::singleShot(0, [] {
        if (QWidget* popup = QApplication::activePopupWidget())
            popup->close();
    });
    QTest::mouseRelease(&grid(), Qt::RightButton, {}, grid().cellRect(1).center());
    EXPECT_EQ(current(), kWhite);

    setColor(MakeColor(1, 2, 3)); // a colour from elsewhere drops the cell selection
    EXPECT_FALSE(grid().selectionVisible());
}

TEST_F(PaletteViewTest, TheRecentColoursOnViewAreNotRecordedAgainButNewOnesShowAtOnce)
{
    write("recent.rgb", recordOf(MakeColor(10, 20, 30)) + recordOf(MakeColor(40, 50, 60)));
    open();
    choose(1);
    const QByteArray before = bytes("recent.rgb");
    clickCell(1);
    EXPECT_EQ(current(), MakeColor(10, 20, 30));
    EXPECT_EQ(bytes("recent.rgb"), before);
    EXPECT_TRUE(grid().selectionVisible());
    setColor(MakeColor(70, 80, 90));
    EXPECT_EQ(bytes("recent.rgb"), before + recordOf(MakeColor(70, 80, 90)));
    EXPECT_EQ(grid().cellColor(0), MakeColor(70, 80, 90));
}

TEST_F(PaletteViewTest, RightClickPopsUpTheEditMenuAndADoubleClickOpensTheDetails)
{
    write("c1.rgb", paletteOf(5));
    open();
    const QStringList entries = popupEntries([&] { clickCell(2, Qt::RightButton); });
    EXPECT_EQ(entries.size(), 21) << entries.join(",").toStdString();
    EXPECT_TRUE(entries.contains(action("mnuDelCor")->text()) && entries.contains(action("mnuViewColor")->text()))
        << entries.join(",").toStdString();
    for (std::string_view name : kCellPopupShown)
        EXPECT_FALSE(action(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())))->isVisible()) << name << " after the pop-up";
    EXPECT_EQ(current(), colourOf(3)) << "the click itself came first";
    EXPECT_EQ(action("mnuCopyhex1")->text().toStdString(), HtmlHex(colourOf(3)));

    QAction* details = action("mnuViewColor");
    QObject::disconnect(details, &QAction::triggered, nullptr, nullptr); // only whether the view asks
    int opened = 0;
    QObject::connect(details, &QAction::triggered, [&] { ++opened; });
    QTest::mouseClick(&grid(), Qt::LeftButton, {}, grid().cellRect(4).center());
    EXPECT_EQ(opened, 0);
    QTest::mouseDClick(&grid(), Qt::LeftButton, {}, grid().cellRect(4).center());
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(current(), colourOf(1));
}

TEST_F(PaletteViewTest, AddThisColorToListsTheWritablePalettesAndAddsToTheOneItNames)
{
    write("c1.rgb", paletteOf(300));
    open();
    const QStringList atStart = addToCaptions();
    EXPECT_FALSE(atStart.contains("CSS Named Colors"));
    EXPECT_EQ(atStart.first(), selector().itemText(0));
    platform.inputAnswers = {"Ocean"};
    action("mnuNew")->trigger();
    EXPECT_EQ(addToCaptions(), atStart + QStringList{"Ocean"});
    EXPECT_EQ(window->menu("mnuAddto")->actions().last()->objectName(), QString("mnuAddChart%1").arg(atStart.size()));

    choose(0);
    QTest::mouseClick(find("nextpage"), Qt::LeftButton);
    setColor(MakeColor(12, 34, 56));
    window->menu("mnuAddto")->actions().last()->trigger();
    EXPECT_EQ(bytes("c8.rgb"), recordOf(MakeColor(12, 34, 56)));
    EXPECT_EQ(view().curPage(), 2) << "a palette not on view leaves the view where it is";
    action("mnuAddChart0")->trigger();
    EXPECT_EQ(bytes("c1.rgb"), paletteOf(300) + recordOf(MakeColor(12, 34, 56)));
    EXPECT_EQ(view().curPage(), 1) << "the palette on view is shown again from page 1";
    EXPECT_EQ(grid().cellColor(0), MakeColor(12, 34, 56));

    write("colorchart.cci", "c2.rgb\r\nCSS\r\n2\r\n");
    open();
    EXPECT_EQ(addToCaptions(), (QStringList{"Addto"}));
    EXPECT_FALSE(enabled("mnuAddChart0")) << "no palette to add to";
}

TEST_F(PaletteViewTest, NewPalettesAreAskedForSelectedAndDeletedAfterAYes)
{
    open();
    const QByteArray shipped = bytes("colorchart.cci");
    action("mnuNew")->trigger(); // cancelled
    EXPECT_EQ(platform.inputsAsked, (QStringList{"Add a new color palette|Please input a name of new color palette:"}));
    EXPECT_EQ(bytes("colorchart.cci"), shipped);
    platform.inputAnswers = {"  Ocean  ", "Forest"};
    QTest::mouseClick(find("addnew"), Qt::LeftButton);
    action("mnuNew")->trigger();
    EXPECT_EQ(bytes("colorchart.cci"), shipped + "c8.rgb\r\nOcean\r\n1\r\nc9.rgb\r\nForest\r\n1\r\n");
    EXPECT_EQ(selector().currentText(), "Forest");
    EXPECT_EQ(view().shownFile(), "c9.rgb");
    EXPECT_EQ(bytes("c9.rgb"), "") << "the first display creates the file";

    platform.yesNoAnswers = {false, true};
    action("mnuDelChart")->trigger();
    EXPECT_EQ(bytes("colorchart.cci"), shipped + "c8.rgb\r\nOcean\r\n1\r\nc9.rgb\r\nForest\r\n1\r\n") << "No";
    action("mnuDelChart")->trigger();
    EXPECT_EQ(platform.questionsAsked.last(), "Delete current color palette|Are you sure you want to delete \"Forest\" palette?");
    EXPECT_EQ(bytes("colorchart.cci"), shipped + "c8.rgb\r\nOcean\r\n1\r\n");
    EXPECT_FALSE(QFile::exists(path("c9.rgb")));
    EXPECT_EQ(selector().currentIndex(), 0);
    EXPECT_TRUE(platform.errorsShown.isEmpty());
}

TEST_F(PaletteViewTest, CommandsRewriteThePaletteAndShowItAgainAtPageOne)
{
    const QByteArray red = "FF0000", green = "00FF00", blue = "0000FF", duplicates = red + green + red + blue + green;
    const struct
    {
        const char* command;
        QByteArray after;
    } cases[] = {
        {"mnuDelCor", red + green + red + green}, // cell 1 holds record 4
        {"clearduplicate", red + green + blue},
        {"mnuCleanAll", ""},
    };
    for (const auto& c : cases) {
        addMine(duplicates);
        open();
        choose(kMine);
        clickCell(1);
        platform.yesNoAnswers = {true};
        if (action(c.command))
            action(c.command)->trigger();
        else
            QTest::mouseClick(find(c.command), Qt::LeftButton);
        EXPECT_EQ(bytes("c8.rgb"), c.after) << c.command;
        EXPECT_EQ(view().chartColorCount(), c.after.size() / 6) << c.command;
        EXPECT_FALSE(grid().selectionVisible()) << c.command;
        write("colorchart.cci", bytes("colorchart.cci").replace("c8.rgb\r\nMine\r\n1\r\n", ""));
    }
    EXPECT_TRUE(platform.errorsShown.isEmpty());
}

// A palette of more than a mebibyte is changed on a thread of its own: the palette commands are
// disabled until it ends, and a cancel leaves it as it was.
TEST_F(PaletteViewTest, ALargePaletteChangesOnItsOwnThreadAndACancelLeavesItAsItWas)
{
    const QByteArray large = paletteOf(200'000); // colours repeat every 65536 records
    const struct
    {
        const char* command;
        bool cancel;
        QByteArray after;
    } cases[] = {
        {"mnuDelCor", false, large.left(large.size() - 6)}, // cell 0 holds the newest record
        {"mnuCleanDup", true, large},
    };
    for (const auto& c : cases) {
        const std::string where = std::string(c.command) + (c.cancel ? ", cancelled" : "");
        addMine(large);
        open();
        choose(kMine);
        clickCell(0);
        platform.yesNoAnswers = {true};
        action(c.command)->trigger();
        EXPECT_TRUE(view().busy()) << where;
        QList<QAction*> commands = window->menu("mnuAddto")->actions();
        for (const char* name : {"mnuDelCor", "mnuCleanDup", "mnuCleanAll", "mnuDelChart", "mnuNew", "mnuImportPalette"})
            commands << action(name);
        for (const QAction* command : commands)
            EXPECT_FALSE(command->isEnabled()) << where << ": " << command->objectName().toStdString();
        if (c.cancel)
            find<QPushButton>("cmdPaletteJobCancel")->click();
        QTRY_VERIFY_WITH_TIMEOUT(!view().busy(), 30000);
        EXPECT_TRUE(bytes("c8.rgb") == c.after) << where;
        EXPECT_EQ(view().chartColorCount(), c.after.size() / 6) << where;
        EXPECT_TRUE(enabled("mnuCleanDup") && enabled("mnuNew")) << where;
        write("colorchart.cci", bytes("colorchart.cci").replace("c8.rgb\r\nMine\r\n1\r\n", ""));
    }
    EXPECT_TRUE(platform.errorsShown.isEmpty()) << platform.errorsShown.join('\n').toStdString();
}

TEST(PaletteJob, TheProgressBarFollowsItsParentsSizeUntilTheJobEnds)
{
    QWidget parent;
    parent.resize(300, 200);
    auto* job = new PaletteJob(&parent);
    parent.show();
    bool ended = false;
    job->start("Working", "c8.rgb", [](const RewriteProgress& progress) {
        while (progress(1, 2))
            QThread::msleep(1);
        return StoreResult::success();
    }, [&](const StoreResult&) { ended = true; });
    QTRY_VERIFY(job->isVisible());
    for (const QSize size : {QSize(300, 200), QSize(520, 340)}) {
        parent.resize(size);
        EXPECT_EQ(job->geometry(), QRect(0, size.height() - job->height(), size.width(), job->height()));
    }
    job->cancel();
    QTRY_VERIFY(ended);
    EXPECT_FALSE(job->isVisible());
}

TEST_F(PaletteViewTest, AFailedWriteShowsOneMessageAndLeavesTheFilesAsTheyWere)
{
    const struct
    {
        const char* title;
        const char* command;
        const char* file; // named in the message
    } cases[] = {
        {"Delete Selected Color", "mnuDelCor", "c8.rgb"},        {"Clear All Colors", "mnuCleanAll", "c8.rgb"},
        {"Delete Current Palette", "mnuDelChart", "colorchart.cci"}, {"Add This Color To", "mnuAddChart6", "c8.rgb"},
    };
    addMine(QByteArray("FF0000") + "00FF00" + "FF0000");
    open();
    for (const auto& c : cases) {
        choose(kMine);
        clickCell(0);
        platform.yesNoAnswers = {true};
        platform.inputAnswers = {"Ocean"};
        const QByteArray before = bytes(c.file);
        FaultInjection::failAt(1);
        (c.command == std::string("mnuAddChart6") ? window->menu("mnuAddto")->actions().last() : action(c.command))->trigger();
        FaultInjection::reset();
        ASSERT_EQ(platform.errorsShown.size(), 1) << c.title;
        const QString shown = platform.errorsShown.takeFirst();
        EXPECT_TRUE(shown.startsWith(QString(c.title) + "|") && shown.contains(c.file)) << shown.toStdString();
        EXPECT_EQ(bytes(c.file), before) << c.title;
    }
}

TEST_F(PaletteViewTest, IndexProblemsAreShownOnceAndAColourFileLeftBehindLeavesTheSelectorAnyway)
{
    ASSERT_TRUE(QFile::remove(path("colorchart.cci")));
    open();
    EXPECT_EQ(selector().count(), 0);
    ASSERT_EQ(platform.errorsShown.size(), 1);
    EXPECT_TRUE(platform.errorsShown.takeFirst().contains("colorchart.cci"));
    for (const char* name : {"mnuCleanAll", "mnuDelChart", "nextpage", "mnuAddChart0"})
        EXPECT_FALSE(enabled(name)) << name;
    clickCell(7);
    EXPECT_EQ(current(), kWhite);
    EXPECT_FALSE(enabled("mnuDelCor"));

    write("colorchart.cci", "c1.rgb\r\nWeb\r\n0\r\n../elsewhere.rgb\r\nElsewhere\r\n1\r\nc7.rgb\r\nPastels\r\n0\r\n"
                            "c8.rgb\r\nMine\r\n1\r\n");
    write("c8.rgb", paletteOf(4));
    open();
    EXPECT_EQ(selector().count(), 3);
    ASSERT_EQ(platform.errorsShown.size(), 1);
    EXPECT_TRUE(platform.errorsShown.first().contains("elsewhere.rgb"));
    choose(2);
    platform.yesNoAnswers = {true};
    FaultInjection::failAt(5); // the four steps of the index rewrite succeed, the deletion fails
    action("mnuDelChart")->trigger();
    FaultInjection::reset();
    ASSERT_EQ(platform.errorsShown.size(), 2) << "the warning is not repeated";
    EXPECT_TRUE(platform.errorsShown.last().contains("c8.rgb"));
    EXPECT_EQ(selector().findText("Mine"), -1);
    EXPECT_EQ(bytes("c8.rgb"), paletteOf(4));
}
