// Tests of the palette view in the real main window: the grid and its frame, paging, cell clicks
// and the Edit pop-up, the palette selector with its enabling rules, "Add This Color To", and the
// palette commands with their questions and failed writes.
#include "core/colour/colornames.h"
#include "widgets/colorswatch.h"
#include "shell/frmshowcolor.h"
#include "widgets/menutable.h"
#include "core/colour/colorvalue.h"
#include "ui/palette/palettegrid.h"
#include "ui/palette/paletteview.h"
#include "core/files/fileio.h"
#include "support/fakeplatform.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QHelpEvent>
#include <QImage>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

using namespace prismara;

namespace {

// Record k (1-based) of a generated palette: distinct for every k below 65536, never white.
ColorValue colourOf(int k, int tag = 0x40) { return MakeColor(k % 256, (k / 256) % 256, tag); }

QByteArray recordOf(ColorValue c) { return QByteArray::fromStdString(HtmlHex(c).substr(1)); }

QByteArray paletteOf(int count, int tag = 0x40)
{
    QByteArray bytes;
    for (int k = 1; k <= count; ++k)
        bytes += recordOf(colourOf(k, tag));
    return bytes;
}

struct IndexRecord
{
    QByteArray file;
    QByteArray name;
    QByteArray flag;
};

QByteArray indexOf(const std::vector<IndexRecord>& records)
{
    QByteArray bytes;
    for (const IndexRecord& r : records)
        bytes += r.file + "\r\n" + r.name + "\r\n" + r.flag + "\r\n";
    return bytes;
}

// The shipped index read independently of the program: (file, name, flag) per record.
std::vector<IndexRecord> recordsIn(const QByteArray& index)
{
    std::vector<IndexRecord> out;
    const QList<QByteArray> lines = index.split('\n');
    for (qsizetype i = 0; i + 2 < lines.size(); i += 3)
        out.push_back({lines[i].trimmed(), lines[i + 1].trimmed(), lines[i + 2].trimmed()});
    return out;
}

// The shipped palettes plus one made by the user, "Mine" (c8.rgb, flag "1"), at position 8.
constexpr int kMine = 8;
const QByteArray kMineRecord = "c8.rgb\r\nMine\r\n1\r\n";

class PaletteWindow
{
public:
    void open()
    {
        window = std::make_unique<FrmShowColor>(platform);
        window->show();
        (void)QTest::qWaitForWindowExposed(window.get());
    }

    PaletteView& view() const { return *window->palette(); }
    PaletteGrid& grid() const { return *window->findChild<PaletteGrid*>("lblcor"); }
    QComboBox& selector() const { return *window->findChild<QComboBox*>("cmbChart"); }
    QAction* action(const char* name) const { return window->action(name); }
    bool enabled(const char* name) const { return window->action(name)->isEnabled(); }
    QWidget* button(const char* tag) const { return window->findChild<QWidget*>(tag); }

    QString path(const QString& name) const { return platform.folder() + "/" + name; }
    QByteArray bytes(const QString& name) const
    {
        QFile f(path(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    void write(const QString& name, const QByteArray& content) const
    {
        QFile f(path(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(content);
    }
    void addMine(const QByteArray& colours) const
    {
        write("colorchart.cci", bytes("colorchart.cci") + kMineRecord);
        write("c8.rgb", colours);
    }

    // A real click on the centre of a cell.
    void clickCell(int cell, Qt::MouseButton button = Qt::LeftButton) const
    {
        QTest::mouseClick(&grid(), button, {}, grid().cellRect(cell).center());
    }
    // Chooses a palette with the keyboard, as a user moving through the selector does.
    void choose(int position) const
    {
        while (selector().currentIndex() < position)
            QTest::keyClick(&selector(), Qt::Key_Down);
        while (selector().currentIndex() > position)
            QTest::keyClick(&selector(), Qt::Key_Up);
    }
    QStringList addToCaptions() const
    {
        QStringList captions;
        for (QAction* a : window->menu("mnuAddto")->actions())
            captions << a->text();
        return captions;
    }
    QStringList folderListing() const
    {
        QStringList out;
        for (const QFileInfo& info : QDir(platform.folder()).entryInfoList(QDir::Files, QDir::Name))
            out << info.fileName() + ":" + QString::number(info.size());
        return out;
    }

    test::FakePlatform platform;
    std::unique_ptr<FrmShowColor> window;
};

class PaletteViewTest : public ::testing::Test
{
protected:
    void TearDown() override { FaultInjection::reset(); }
};

} // namespace

TEST_F(PaletteViewTest, GridCellsFrameAndToolTips)
{
    PaletteWindow w;
    w.write("c1.rgb", paletteOf(20));
    w.open();
    PaletteGrid& grid = w.grid();

    // Column by column, 12 rows of 18 x 15 cells at a pitch of 17 x 14, 2 pixels in.
    EXPECT_EQ(grid.cellRect(0), QRect(2, 2, 18, 15));
    EXPECT_EQ(grid.cellRect(11), QRect(2, 2 + 11 * 14, 18, 15));
    EXPECT_EQ(grid.cellRect(12), QRect(2 + 17, 2, 18, 15));
    EXPECT_EQ(grid.cellRect(215), QRect(2 + 17 * 17, 2 + 11 * 14, 18, 15));
    for (int i = 0; i < PaletteGrid::kCells; ++i)
        ASSERT_EQ(grid.cellAt(grid.cellRect(i).center()), i) << "cell " << i;
    EXPECT_EQ(grid.cellAt(QPoint(1, 1)), -1);
    EXPECT_EQ(grid.cellAt(QPoint(2 + 17 * 17 + 18, 10)), -1);
    // The first cell sits 2 pixels in from the palette area's designed place.
    EXPECT_EQ(grid.mapTo(w.window.get(), grid.cellRect(0).topLeft()) -
                  w.window->centralWidget()->mapTo(w.window.get(), QPoint(0, 0)),
              QPoint(235, 27));

    // What is painted: each cell's colour inside a dark edge, white past the palette's end.
    QImage image = grid.grab().toImage();
    for (int i : {0, 5, 19, 20, 215}) {
        const QRect box = grid.cellRect(i);
        const ColorValue expected = i < 20 ? colourOf(20 - i) : kWhite;
        EXPECT_EQ(grid.cellColor(i), expected) << "cell " << i;
        EXPECT_EQ(FromQColor(image.pixelColor(box.center())), expected) << "cell " << i;
        EXPECT_LT(image.pixelColor(box.topLeft()).lightness(), 128) << "edge of cell " << i;
    }

    // Tool tip: the colour under the pointer, and its name.
    for (int i : {3, 100}) {
        const QPoint at = grid.cellRect(i).center();
        QHelpEvent help(QEvent::ToolTip, at, grid.mapToGlobal(at));
        QApplication::sendEvent(&grid, &help);
        EXPECT_EQ(grid.toolTip().toStdString(), HtmlHex(grid.cellColor(i)) + "\n" + ColorNameText(grid.cellColor(i)))
            << "cell " << i;
    }

    // The frame: hidden at start, then 22 x 19 around the clicked cell, two pixels wide.
    EXPECT_FALSE(grid.selectionVisible());
    w.clickCell(13);
    ASSERT_TRUE(grid.selectionVisible());
    EXPECT_EQ(grid.selectedCell(), 13);
    EXPECT_EQ(grid.selectionRect(13), QRect(2 + 17 - 2, 2 + 14 - 2, 22, 19));
    image = grid.grab().toImage();
    const QRect frame = grid.selectionRect(13);
    EXPECT_LT(image.pixelColor(frame.topLeft()).lightness(), 64);
    EXPECT_GT(image.pixelColor(frame.topLeft() + QPoint(1, 1)).lightness(), 192);
    EXPECT_EQ(FromQColor(image.pixelColor(grid.cellRect(13).center())), colourOf(20 - 13));
}

TEST_F(PaletteViewTest, PagingShowsTheNewestColoursFirst)
{
    struct Case
    {
        int count;
        int pages;
        int page1Filled;
        int page2Filled;
    };
    const Case cases[] = {{0, 1, 0, 0}, {216, 1, 216, 0}, {217, 2, 216, 1}, {300, 2, 216, 84}};
    for (const Case& c : cases) {
        SCOPED_TRACE("palette of " + std::to_string(c.count) + " colours");
        PaletteWindow w;
        w.write("c1.rgb", paletteOf(c.count));
        w.open();
        PaletteView& view = w.view();
        PaletteGrid& grid = w.grid();
        auto expectPage = [&](int page, int filled) {
            EXPECT_EQ(view.curPage(), page);
            const int newest = c.count - (page - 1) * 216;
            for (int i = 0; i < PaletteGrid::kCells; ++i)
                ASSERT_EQ(grid.cellColor(i), i < filled ? colourOf(newest - i) : kWhite) << "page " << page << " cell " << i;
        };
        EXPECT_EQ(view.chartColorCount(), c.count);
        EXPECT_EQ(view.chartPages(), c.pages);
        expectPage(1, c.page1Filled);
        EXPECT_FALSE(w.enabled("prevpage"));
        EXPECT_EQ(w.enabled("nextpage"), c.pages > 1);
        if (c.pages == 1)
            continue;

        QTest::mouseClick(w.button("nextpage"), Qt::LeftButton);
        expectPage(2, c.page2Filled);
        EXPECT_TRUE(w.enabled("prevpage"));
        EXPECT_FALSE(w.enabled("nextpage"));
        // The oldest colour is the last filled cell of the last page.
        EXPECT_EQ(grid.cellColor(c.page2Filled - 1), colourOf(1));
        QTest::mouseClick(w.button("nextpage"), Qt::LeftButton); // disabled: stays on page 2
        EXPECT_EQ(view.curPage(), 2);

        QTest::mouseClick(w.button("prevpage"), Qt::LeftButton);
        expectPage(1, c.page1Filled);
        EXPECT_FALSE(w.enabled("prevpage"));
        EXPECT_TRUE(w.enabled("nextpage"));
    }
}

TEST_F(PaletteViewTest, EnablingFollowsTheKindOfThePaletteSelected)
{
    struct Case
    {
        int position;
        const char* what;
        bool clearing;        // Clear All Colors, Clear Duplicate Colors and its button
        bool deleting;        // Delete Current Palette
        bool deleteSelected;  // Delete Selected Color after a click on a colour
    };
    const Case cases[] = {
        {0, "built-in", true, false, true},   {1, "recent colours", true, false, true},
        {2, "read-only", false, false, false}, {3, "read-only", false, false, false},
        {kMine, "user's", true, true, true},   {4, "built-in", true, false, true},
    };
    PaletteWindow w;
    w.addMine(paletteOf(3));
    w.write("recent.rgb", paletteOf(2, 0x80));
    w.open();
    for (const Case& c : cases) {
        const std::string where = std::string(c.what) + " palette at " + std::to_string(c.position);
        w.choose(c.position);
        ASSERT_EQ(w.view().selectorPosition(), c.position) << where;
        EXPECT_EQ(w.enabled("mnuCleanAll"), c.clearing) << where;
        EXPECT_EQ(w.enabled("mnuCleanDup"), c.clearing) << where;
        EXPECT_EQ(w.button("clearduplicate")->isEnabled(), c.clearing) << where;
        EXPECT_EQ(w.enabled("mnuDelChart"), c.deleting) << where;
        EXPECT_FALSE(w.enabled("mnuDelCor")) << where << ", before a click";
        ASSERT_GT(w.view().chartColorCount(), 0) << where;
        w.clickCell(0);
        EXPECT_EQ(w.enabled("mnuDelCor"), c.deleteSelected) << where << ", after a click";
        EXPECT_TRUE(w.grid().selectionVisible()) << where;
    }
}

TEST_F(PaletteViewTest, ACellClickMakesItsColourCurrentAndAnEmptyCellGivesWhite)
{
    PaletteWindow w;
    w.write("c1.rgb", paletteOf(3));
    w.open();
    const QByteArray recentBefore = w.bytes("recent.rgb");

    w.clickCell(0);
    EXPECT_EQ(w.window->swatchColor(), colourOf(3));
    EXPECT_EQ(w.view().lastChartColor(), colourOf(3));
    EXPECT_EQ(w.view().selColorRec(), 3);
    EXPECT_TRUE(w.enabled("mnuDelCor"));
    EXPECT_EQ(w.grid().selectedCell(), 0);
    // The clicked colour joins the recent colours (not on view) once.
    EXPECT_EQ(w.bytes("recent.rgb"), recentBefore + recordOf(colourOf(3)));

    w.clickCell(10, Qt::LeftButton);
    EXPECT_EQ(w.window->swatchColor(), kWhite);
    EXPECT_EQ(w.window->findChild<QWidget*>("txtHex")->property("text").toString(), "#FFFFFF");
    EXPECT_FALSE(w.enabled("mnuDelCor"));
    EXPECT_EQ(w.grid().selectedCell(), 10);
    EXPECT_EQ(w.bytes("recent.rgb"), recentBefore + recordOf(colourOf(3))) << "white is never recorded";

    // A colour from elsewhere drops the cell selection.
    w.window->CurrentColorChanged(MakeColor(1, 2, 3), WriteRecent::Yes);
    EXPECT_FALSE(w.grid().selectionVisible());
    EXPECT_FALSE(w.enabled("mnuDelCor"));
}

TEST_F(PaletteViewTest, ClickingTheRecentColoursDoesNotRecordThemAgain)
{
    PaletteWindow w;
    w.write("recent.rgb", recordOf(MakeColor(10, 20, 30)) + recordOf(MakeColor(40, 50, 60)));
    w.open();
    w.choose(1);
    const QByteArray before = w.bytes("recent.rgb");

    w.clickCell(1); // the older colour
    EXPECT_EQ(w.window->swatchColor(), MakeColor(10, 20, 30));
    EXPECT_EQ(w.bytes("recent.rgb"), before);
    EXPECT_TRUE(w.grid().selectionVisible());
    EXPECT_EQ(w.grid().selectedCell(), 1);
    EXPECT_TRUE(w.enabled("mnuDelCor"));

    // A new colour from elsewhere is recorded and shown at once in cell 0 of page 1.
    const ColorValue fresh = MakeColor(70, 80, 90);
    w.window->CurrentColorChanged(fresh, WriteRecent::Yes);
    EXPECT_EQ(w.bytes("recent.rgb"), before + recordOf(fresh));
    EXPECT_EQ(w.grid().cellColor(0), fresh);
    EXPECT_EQ(w.view().curPage(), 1);
    EXPECT_FALSE(w.grid().selectionVisible());
    EXPECT_FALSE(w.enabled("mnuDelCor"));
}

TEST_F(PaletteViewTest, RightClickPopsUpTheEditMenuWithTheCellEntries)
{
    PaletteWindow w;
    w.write("c1.rgb", paletteOf(5));
    w.open();
    QMenu* edit = w.window->menu("mnuEdit");
    QStringList shownDuringPopup;
    bool wasEditMenu = false;
    QTimer::singleShot(0, [&] {
        auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        wasEditMenu = popup == edit;
        for (QAction* a : edit->actions())
            if (a->isVisible())
                shownDuringPopup << a->objectName();
        if (popup)
            popup->close();
    });
    w.clickCell(2, Qt::RightButton);

    EXPECT_TRUE(wasEditMenu);
    EXPECT_EQ(shownDuringPopup, (QStringList{"mnuCopydec", "mnuCopyhex", "mnuCopySpecial", "mnuCopyCss", "editsep2", "mnuAddto",
                                             "editsep3", "mnuDelCor", "mnuDelChart", "editsep1", "mnuCleanDup",
                                             "mnuCleanAll", "editsep4", "mnuViewColor"}));
    for (std::string_view name : kCellPopupShown)
        EXPECT_FALSE(w.action(std::string(name).c_str())->isVisible()) << name << " after the pop-up";
    // The click itself happened first: colour, frame, copy captions.
    EXPECT_EQ(w.window->swatchColor(), colourOf(3));
    EXPECT_EQ(w.grid().selectedCell(), 2);
    EXPECT_EQ(w.action("mnuCopyhex1")->text().toStdString(), HtmlHex(colourOf(3)));
}

TEST_F(PaletteViewTest, DoubleClickOpensTheColourDetails)
{
    PaletteWindow w;
    w.write("c1.rgb", paletteOf(5));
    w.open();
    QAction* details = w.action("mnuViewColor");
    // Only whether the view asks for the details; the page itself is not opened here.
    QObject::disconnect(details, &QAction::triggered, nullptr, nullptr);
    ColorValue currentWhenOpened = -1;
    QObject::connect(details, &QAction::triggered, [&] { currentWhenOpened = w.window->swatchColor(); });
    QSignalSpy opened(details, &QAction::triggered);
    // A double click is a click followed by the double-click press.
    const QPoint at = w.grid().cellRect(4).center();
    QTest::mouseClick(&w.grid(), Qt::LeftButton, {}, at);
    EXPECT_EQ(opened.count(), 0);
    QTest::mouseDClick(&w.grid(), Qt::LeftButton, {}, at);
    EXPECT_EQ(opened.count(), 1);
    EXPECT_EQ(currentWhenOpened, colourOf(1));
}

TEST_F(PaletteViewTest, AddThisColorToListsEveryWritablePaletteInIndexOrder)
{
    PaletteWindow w;
    w.open();
    auto expected = [&w] {
        QStringList names;
        for (const IndexRecord& r : recordsIn(w.bytes("colorchart.cci")))
            if (r.flag == "0" || r.flag == "1")
                names << QString::fromLocal8Bit(r.name);
        return names;
    };
    auto expectItems = [&](const char* when) {
        EXPECT_EQ(w.addToCaptions(), expected()) << when;
        const QList<QAction*> items = w.window->menu("mnuAddto")->actions();
        for (qsizetype j = 0; j < items.size(); ++j)
            EXPECT_EQ(items[j]->objectName(), QString("mnuAddChart%1").arg(j)) << when;
        EXPECT_FALSE(w.addToCaptions().contains("CSS Named Colors")) << when;
    };
    expectItems("at start");
    ASSERT_EQ(w.addToCaptions().size(), 6);

    w.platform.inputAnswers = {"Ocean", "Forest"};
    w.action("mnuNew")->trigger();
    w.action("mnuNew")->trigger();
    expectItems("after two new palettes");
    EXPECT_EQ(w.addToCaptions().mid(6), (QStringList{"Ocean", "Forest"}));

    w.choose(kMine);
    w.platform.yesNoAnswers = {true};
    w.action("mnuDelChart")->trigger();
    expectItems("after deleting one");
    EXPECT_EQ(w.addToCaptions().size(), 7);
    EXPECT_EQ(w.addToCaptions().last(), "Forest");

    // The last item adds to the palette it names.
    w.window->CurrentColorChanged(MakeColor(1, 2, 3), WriteRecent::Yes);
    w.window->menu("mnuAddto")->actions().last()->trigger();
    EXPECT_EQ(w.bytes("c9.rgb"), recordOf(MakeColor(1, 2, 3)));
}

TEST_F(PaletteViewTest, WithoutAnyWritablePaletteTheFirstAddItemStaysAndIsDisabled)
{
    PaletteWindow w;
    w.write("colorchart.cci", indexOf({{"c2.rgb", "CSS Named Colors", "2"}, {"c3.rgb", "Grays", "2"}}));
    w.open();
    EXPECT_EQ(w.addToCaptions(), (QStringList{"Addto"}));
    EXPECT_FALSE(w.action("mnuAddChart0")->isEnabled());
    const QStringList before = w.folderListing();
    w.action("mnuAddChart0")->trigger();
    EXPECT_EQ(w.folderListing(), before);
}

TEST_F(PaletteViewTest, NewPalettesAreNumberedFromTheLastRecord)
{
    PaletteWindow w;
    w.open();
    const QByteArray shipped = w.bytes("colorchart.cci");

    // Cancel changes nothing.
    w.action("mnuNew")->trigger();
    EXPECT_EQ(w.platform.inputsAsked, (QStringList{"Add a new color palette|Please input a name of new color palette:"}));
    EXPECT_EQ(w.bytes("colorchart.cci"), shipped);

    w.platform.inputAnswers = {"  Ocean  "};
    QTest::mouseClick(w.button("addnew"), Qt::LeftButton);
    EXPECT_EQ(w.bytes("colorchart.cci"), shipped + "c8.rgb\r\nOcean\r\n1\r\n");
    EXPECT_EQ(w.selector().currentText(), "Ocean");
    EXPECT_EQ(w.view().shownFile(), "c8.rgb");
    EXPECT_EQ(w.bytes("c8.rgb"), "") << "the first display creates the file";
    EXPECT_TRUE(w.enabled("mnuDelChart"));

    w.platform.inputAnswers = {"Forest"};
    w.action("mnuNew")->trigger();
    EXPECT_EQ(w.view().shownFile(), "c9.rgb");
    EXPECT_EQ(w.selector().currentIndex(), w.selector().count() - 1);

    // Deleting the last palette gives its number out again.
    w.platform.yesNoAnswers = {true};
    w.action("mnuDelChart")->trigger();
    EXPECT_EQ(w.platform.questionsAsked.last(),
              "Delete current color palette|Are you sure you want to delete \"Forest\" palette?");
    EXPECT_FALSE(QFile::exists(w.path("c9.rgb")));
    EXPECT_EQ(w.selector().currentIndex(), 0);
    EXPECT_EQ(w.view().curPage(), 1);
    w.platform.inputAnswers = {"Lake"};
    w.action("mnuNew")->trigger();
    EXPECT_EQ(w.bytes("colorchart.cci"), shipped + "c8.rgb\r\nOcean\r\n1\r\nc9.rgb\r\nLake\r\n1\r\n");
    EXPECT_TRUE(w.platform.errorsShown.isEmpty());
}

TEST_F(PaletteViewTest, AnsweringNoChangesNoFile)
{
    PaletteWindow w;
    w.addMine(paletteOf(4));
    w.open();
    w.choose(kMine);
    const QStringList before = w.folderListing();
    const QByteArray index = w.bytes("colorchart.cci");
    const QByteArray colours = w.bytes("c8.rgb");

    w.action("mnuCleanAll")->trigger();
    w.action("mnuDelChart")->trigger();
    EXPECT_EQ(w.platform.questionsAsked,
              (QStringList{"Clean all colors|Are you sure you want to delete all colors in \"Mine\" palette?",
                           "Delete current color palette|Are you sure you want to delete \"Mine\" palette?"}));
    EXPECT_EQ(w.folderListing(), before);
    EXPECT_EQ(w.bytes("colorchart.cci"), index);
    EXPECT_EQ(w.bytes("c8.rgb"), colours);
    EXPECT_EQ(w.selector().currentIndex(), kMine);
    EXPECT_EQ(w.view().chartColorCount(), 4);
}

TEST_F(PaletteViewTest, CommandsRewriteThePaletteAndShowItAgainAtPageOne)
{
    const QByteArray red = "FF0000", green = "00FF00", blue = "0000FF";
    const QByteArray duplicates = red + green + red + blue + green;

    struct Case
    {
        const char* command;
        QByteArray before;
        QByteArray after;
        bool shownAgain = true;
    };
    const Case cases[] = {
        {"mnuDelCor", duplicates, red + green + red + green}, // cell 1 holds record 4
        {"mnuCleanDup", duplicates, red + green + blue},
        {"clearduplicate", duplicates, red + green + blue},
        {"mnuCleanAll", duplicates, ""},
        {"mnuCleanDup", red, red, false}, // one colour: nothing at all happens
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command);
        PaletteWindow w;
        w.addMine(c.before);
        w.open();
        w.choose(kMine);
        w.clickCell(1);
        w.platform.yesNoAnswers = {true};
        if (QString(c.command) == "clearduplicate")
            QTest::mouseClick(w.button("clearduplicate"), Qt::LeftButton);
        else
            w.action(c.command)->trigger();
        EXPECT_EQ(w.bytes("c8.rgb"), c.after);
        EXPECT_EQ(w.view().chartColorCount(), c.after.size() / 6);
        EXPECT_EQ(w.view().curPage(), 1);
        // Showing the palette again drops the cell selection.
        EXPECT_EQ(w.grid().selectionVisible(), !c.shownAgain);
        EXPECT_FALSE(w.enabled("mnuDelCor"));
        for (int i = 0; i < 5; ++i) {
            const int record = static_cast<int>(c.after.size() / 6) - i;
            const ColorValue expected =
                record >= 1 ? *ParseRgbRecord(c.after.mid((record - 1) * 6, 6).toStdString()) : kWhite;
            EXPECT_EQ(w.grid().cellColor(i), expected) << "cell " << i;
        }
        EXPECT_TRUE(w.platform.errorsShown.isEmpty());
    }
}

TEST_F(PaletteViewTest, AddingToThePaletteOnViewReturnsToPageOne)
{
    PaletteWindow w;
    w.write("c1.rgb", paletteOf(300));
    w.open();
    QTest::mouseClick(w.button("nextpage"), Qt::LeftButton);
    ASSERT_EQ(w.view().curPage(), 2);
    const ColorValue added = MakeColor(12, 34, 56);
    w.window->CurrentColorChanged(added, WriteRecent::Yes);

    // A palette not on view: the view stays where it is.
    const int pastels = static_cast<int>(w.addToCaptions().indexOf("Pastels"));
    ASSERT_GE(pastels, 0);
    const QByteArray pastelsBefore = w.bytes("c7.rgb");
    w.window->menu("mnuAddto")->actions().at(pastels)->trigger();
    EXPECT_EQ(w.bytes("c7.rgb"), pastelsBefore + recordOf(added));
    EXPECT_EQ(w.view().curPage(), 2);

    // The palette on view (item 0, the first palette).
    w.action("mnuAddChart0")->trigger();
    EXPECT_EQ(w.bytes("c1.rgb"), paletteOf(300) + recordOf(added));
    EXPECT_EQ(w.view().curPage(), 1);
    EXPECT_EQ(w.view().chartColorCount(), 301);
    EXPECT_EQ(w.grid().cellColor(0), added);
    EXPECT_EQ(w.grid().cellColor(1), colourOf(300));
    EXPECT_FALSE(w.enabled("prevpage"));
    EXPECT_TRUE(w.enabled("nextpage"));
}

TEST_F(PaletteViewTest, AFailedWriteShowsOneMessageAndLeavesTheFilesAsTheyWere)
{
    struct Case
    {
        const char* title;
        const char* file; // named in the message
        std::function<void(PaletteWindow&)> run;
    };
    const Case cases[] = {
        {"Delete Selected Color", "c8.rgb", [](PaletteWindow& w) { w.action("mnuDelCor")->trigger(); }},
        {"Clear Duplicate Colors", "c8.rgb", [](PaletteWindow& w) { w.action("mnuCleanDup")->trigger(); }},
        {"Clear All Colors", "c8.rgb", [](PaletteWindow& w) { w.action("mnuCleanAll")->trigger(); }},
        {"Delete Current Palette", "colorchart.cci", [](PaletteWindow& w) { w.action("mnuDelChart")->trigger(); }},
        {"Add This Color To", "c8.rgb",
         [](PaletteWindow& w) { w.window->menu("mnuAddto")->actions().last()->trigger(); }},
        {"New Color Palette", "colorchart.cci", [](PaletteWindow& w) { w.action("mnuNew")->trigger(); }},
    };
    const QByteArray colours = QByteArray("FF0000") + "00FF00" + "FF0000";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        PaletteWindow w;
        w.addMine(colours);
        w.open();
        w.choose(kMine);
        w.clickCell(0);
        w.platform.yesNoAnswers = {true};
        w.platform.inputAnswers = {"Ocean"};
        const QStringList before = w.folderListing();
        const QByteArray index = w.bytes("colorchart.cci");

        FaultInjection::failAt(1);
        c.run(w);
        FaultInjection::reset();

        ASSERT_EQ(w.platform.errorsShown.size(), 1);
        const QString shown = w.platform.errorsShown.first();
        EXPECT_TRUE(shown.startsWith(QString(c.title) + "|")) << shown.toStdString();
        EXPECT_TRUE(shown.contains(c.file)) << shown.toStdString();
        EXPECT_EQ(w.bytes("c8.rgb"), colours);
        EXPECT_EQ(w.bytes("colorchart.cci"), index);
        EXPECT_EQ(w.folderListing(), before) << "no file left behind";
        EXPECT_EQ(w.selector().currentIndex(), kMine);
    }
}

TEST_F(PaletteViewTest, AMissingIndexLeavesTheSelectorEmptyWithOneMessage)
{
    PaletteWindow w;
    ASSERT_TRUE(QFile::remove(w.path("colorchart.cci")));
    QFile::remove(w.path("recent.rgb"));
    const QStringList before = w.folderListing();
    w.open();

    EXPECT_EQ(w.selector().count(), 0);
    ASSERT_EQ(w.platform.errorsShown.size(), 1);
    EXPECT_TRUE(w.platform.errorsShown.first().contains("colorchart.cci"));
    // Nothing written but the recent colours of the run, which the window creates.
    QStringList after = w.folderListing();
    after.removeAll("recent.rgb:0");
    EXPECT_EQ(after, before);
    for (const char* name : {"mnuCleanAll", "mnuCleanDup", "mnuDelChart", "mnuDelCor", "prevpage", "nextpage",
                             "mnuAddChart0"})
        EXPECT_FALSE(w.enabled(name)) << name;
    for (int i = 0; i < PaletteGrid::kCells; ++i)
        ASSERT_EQ(w.grid().cellColor(i), kWhite) << "cell " << i;

    // Clicking a cell still works: white is the current colour.
    w.clickCell(7);
    EXPECT_EQ(w.window->swatchColor(), kWhite);
    EXPECT_FALSE(w.enabled("mnuDelCor"));

    // A new palette needs the index: one more message, no index made.
    w.platform.inputAnswers = {"Ocean"};
    w.action("mnuNew")->trigger();
    EXPECT_EQ(w.platform.errorsShown.size(), 2);
    EXPECT_FALSE(QFile::exists(w.path("colorchart.cci")));
}

TEST_F(PaletteViewTest, IndexWarningsAreShownOnce)
{
    PaletteWindow w;
    // A record naming a path outside the program folder is left out, with a warning.
    w.write("colorchart.cci", indexOf({{"c1.rgb", "Web Safe Colors", "0"},
                                       {"recent.rgb", "Recent Colors", "0"},
                                       {"../elsewhere.rgb", "Elsewhere", "1"},
                                       {"c7.rgb", "Pastels", "0"}}));
    w.open();
    EXPECT_EQ(w.selector().count(), 3);
    ASSERT_EQ(w.platform.errorsShown.size(), 1);
    EXPECT_TRUE(w.platform.errorsShown.first().contains("elsewhere.rgb"));
    // Rebuilding the selector does not repeat it.
    w.platform.inputAnswers = {"Ocean"};
    w.action("mnuNew")->trigger();
    EXPECT_EQ(w.selector().currentText(), "Ocean");
    EXPECT_EQ(w.platform.errorsShown.size(), 1);
}

TEST_F(PaletteViewTest, APaletteWhoseColourFileStaysBehindHasStillLeftTheSelector)
{
    PaletteWindow w;
    w.addMine(paletteOf(4));
    w.open();
    w.choose(kMine);
    w.platform.yesNoAnswers = {true};
    FaultInjection::failAt(5); // the four steps of the index rewrite succeed, the deletion fails
    w.action("mnuDelChart")->trigger();
    FaultInjection::reset();

    ASSERT_EQ(w.platform.errorsShown.size(), 1);
    EXPECT_TRUE(w.platform.errorsShown.first().contains("c8.rgb"));
    EXPECT_EQ(w.selector().count(), kMine);
    EXPECT_EQ(w.selector().findText("Mine"), -1);
    EXPECT_EQ(w.selector().currentIndex(), 0);
    EXPECT_EQ(w.addToCaptions().size(), 6);
    EXPECT_EQ(w.bytes("c8.rgb"), paletteOf(4));
}
