// Tests of the web colour scheme designer in the real main window: the five mock-up panels and
// their samples, HtmlColor, sample clicks and the pop-up menu, style switching and Lock, the
// saved-scheme list (load, save, delete, failures), the HTML/CSS code and the preview window.
#include "widgets/colorswatch.h"
#include "shell/frmshowcolor.h"
#include "core/colour/colorvalue.h"
#include "core/files/fileio.h"
#include "ui/scheme/frmcss.h"
#include "ui/scheme/frmshowweb.h"
#include "ui/scheme/schemedesigner.h"
#include "ui/scheme/schemesample.h"
#include "core/scheme/schemestyles.h"
#include "support/fakeplatform.h"

#include <QAction>
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

using namespace prismara;

namespace {

constexpr ColorValue rgb(int r, int g, int b) { return MakeColor(r, g, b); }

const QStringList kTabs = {"Web Links Color", "Web Page Layout", "Html Tables", "Background/Text", "Shapes"};
const QStringList kPanels = {"picLinkColor", "picLayOut", "picHtmlTable", "picBackText", "picShapes"};
const QStringList kShippedWebLinks = {"Classic", "Paper", "Ocean", "Midnight", "Slate"};

// Every element option button of the five styles.
const QStringList kAllOptions = {
    "opttext",       "optbg",         "optnl",         "optvl",          "optal",         "opthl",
    "optHeaderBack", "optHeaderText", "optSideBack",   "optSideText",    "optMainBack",   "optMainText",
    "optFooterBack", "optFooterText", "optTable1Back", "optTable1Text",  "optTable2Back", "optTable2Text",
    "optTable3Back", "optTable3Text", "optTableBorder", "optBack1",       "optBackText1",  "optBack2",
    "optBackText2",  "optShape1",     "optShape2",     "optShape3"};

// The HTML and CSS of the first shipped Web Links Color scheme ("Classic").
const QString kClassicHtml =
    R"(<body BGCOLOR="#FFFFFF" TEXT="#000000" LINK="#0000FF" VLINK="#800080" ALINK="#FF0000">)";
const QString kClassicExternal = "a:link {color:#0000FF;}\r\n"
                                 "a:visited {color:#800080;}\r\n"
                                 "a:active {color:#FF0000;}\r\n"
                                 "a:hover {color:#008000;}\r\n"
                                 "body {background-color:#FFFFFF; color:#000000;}";
const QString kClassicInline = "<style type=\"text/css\">\r\n<!--\r\n" + kClassicExternal + "\r\n-->\r\n</style>";

class SchemeDesignerTest : public ::testing::Test
{
protected:
    void TearDown() override { FaultInjection::reset(); }

    void open()
    {
        window = std::make_unique<FrmShowColor>(platform);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        QApplication::setActiveWindow(window.get());
        window->activateWindow();
        (void)QTest::qWaitForWindowActive(window.get());
    }

    SchemeDesigner& designer() { return *window->scheme(); }

    template <typename T = QWidget> T* find(const QString& name)
    {
        T* widget = window->findChild<T*>(name);
        EXPECT_NE(widget, nullptr) << name.toStdString();
        return widget;
    }
    SchemeSample* sample(const QString& name) { return find<SchemeSample>(name); }
    QRadioButton* option(const QString& name) { return find<QRadioButton>(name); }
    QTabBar* tabs() { return find<QTabBar>("tabColor"); }
    QListWidget* list() { return find<QListWidget>("lstCorset"); }
    QPushButton* deleteButton() { return find<QPushButton>("cmdDelItem"); }
    QCheckBox* lockBox() { return find<QCheckBox>("chkPause"); }
    QToolButton* toolButton(const char* tag) { return find<QToolButton>(tag); }
    QAction* toolAction(const char* tag) { return find<QAction>(tag); }

    QString fileName(const QString& name) const { return platform.folder() + "/" + name; }
    QByteArray bytes(const QString& name) const
    {
        QFile f(fileName(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void writeBytes(const QString& name, const QByteArray& content) const
    {
        QFile f(fileName(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(content);
    }
    // Replaces a style's saved schemes: quoted names and their records.
    void writeSchemes(const QString& stem, const QStringList& names, const QStringList& records) const
    {
        QByteArray list;
        for (const QString& n : names)
            list += "\"" + n.toLocal8Bit() + "\"\r\n";
        writeBytes(stem + ".hcs", list);
        writeBytes(stem + ".dat", records.join("").toLatin1());
    }

    void clickTab(const QString& caption)
    {
        const int index = static_cast<int>(kTabs.indexOf(caption));
        ASSERT_GE(index, 0);
        QTest::mouseClick(tabs(), Qt::LeftButton, {}, tabs()->tabRect(index).center());
        ASSERT_EQ(tabs()->currentIndex(), index) << caption.toStdString();
    }
    void clickRow(int row)
    {
        QListWidget* l = list();
        ASSERT_LT(row, l->count());
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(l->item(row)).center());
    }
    void click(QWidget* w, Qt::MouseButton button = Qt::LeftButton) { QTest::mouseClick(w, button); }
    // Option buttons and check boxes react to clicks on their indicator and caption only.
    void clickIndicator(QAbstractButton* b) { QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(7, b->height() / 2)); }
    void clickOption(const char* name) { clickIndicator(option(name)); }
    void clickLock() { clickIndicator(lockBox()); }

    QStringList listNames()
    {
        QStringList names;
        for (int i = 0; i < list()->count(); ++i)
            names << list()->item(i)->text();
        return names;
    }
    bool deleteEnabled() { return deleteButton()->isEnabled(); }

    // Colours and captions of every sample of a style, as the widgets show them.
    struct Look
    {
        ColorValue back, fore, border;
        QString caption;
        bool operator==(const Look&) const = default;
    };
    std::map<QString, Look> looks(std::size_t style)
    {
        std::map<QString, Look> all;
        for (const SampleControl& s : SchemeStyles::style(style).samples) {
            SchemeSample* w = sample(QString::fromStdString(s.name));
            if (w)
                all[w->objectName()] = {w->backColor(), w->foreColor(), w->borderColor(), w->text()};
        }
        return all;
    }

    ColorValue current() { return window->swatchColor(); }
    void setCurrentColor(ColorValue c) { window->CurrentColorChanged(c, WriteRecent::Yes); }

    // Runs `open` (which must pop up mnuHtmlPop1) and returns the entries the menu showed.
    QStringList shownPopupEntries(const std::function<void()>& openMenu)
    {
        auto seen = std::make_shared<QStringList>();
        auto opened = std::make_shared<bool>(false);
        QTimer::singleShot(0, [seen, opened] {
            if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
                *opened = true;
                for (QAction* a : menu->actions())
                    if (a->isVisible())
                        *seen << (a->isSeparator() ? QString("-") : a->text());
                menu->hide();
            }
        });
        openMenu();
        QCoreApplication::processEvents();
        EXPECT_TRUE(*opened) << "the pop-up menu did not open";
        return *seen;
    }

    // Runs `trigger`, which must open a modal window, and hands that window to `inspect`.
    void withModal(const std::function<void()>& trigger, const std::function<void(QDialog*)>& inspect)
    {
        auto done = std::make_shared<bool>(false);
        QTimer::singleShot(0, [done, inspect] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            *done = true;
            inspect(dialog);
            if (dialog->isVisible())
                dialog->reject();
        });
        trigger();
        QCoreApplication::processEvents();
        EXPECT_TRUE(*done) << "no modal window opened";
    }

    test::FakePlatform platform;
    std::unique_ptr<FrmShowColor> window;
};

// ---------------------------------------------------------------------------------------------
// Start-up and the panels

TEST_F(SchemeDesignerTest, StartUpShowsTheFirstStyleWithItsFirstSchemeLoaded)
{
    open();
    QStringList captions;
    for (int i = 0; i < tabs()->count(); ++i)
        captions << tabs()->tabText(i);
    EXPECT_EQ(captions, kTabs);
    EXPECT_EQ(tabs()->currentIndex(), 0);
    for (int i = 0; i < kPanels.size(); ++i)
        EXPECT_EQ(find(kPanels[i])->isVisible(), i == 0) << kPanels[i].toStdString();

    EXPECT_EQ(listNames(), kShippedWebLinks);
    ASSERT_EQ(list()->selectedItems().size(), 1);
    EXPECT_EQ(list()->row(list()->selectedItems().first()), 0);
    EXPECT_FALSE(deleteEnabled());
    EXPECT_FALSE(toolAction("DelScheme")->isEnabled());
    EXPECT_TRUE(toolAction("SaveScheme")->isEnabled());
    EXPECT_FALSE(lockBox()->isChecked());
    EXPECT_EQ(lockBox()->text(), "Lock");
    EXPECT_EQ(deleteButton()->text(), "Delete This Scheme");
    EXPECT_EQ(toolAction("SaveScheme")->toolTip(), "Save Current Color Scheme");
    EXPECT_EQ(toolAction("DelScheme")->toolTip(), "Delete Selected Color Scheme");
    for (const QString& name : kAllOptions)
        EXPECT_FALSE(option(name)->isChecked()) << name.toStdString();

    // "Classic": black text on white, links #0000FF, #800080, #FF0000, #008000.
    struct Row
    {
        const char* sample;
        ColorValue fore;
        const char* caption;
    };
    const Row rows[] = {
        {"lbltext0", kBlack, "Welcome!"},
        {"lbltext1", kBlack, "Text Color: #000000"},
        {"lblnl", rgb(0, 0, 255), "Normal Link Color: #0000FF"},
        {"lblvl", rgb(128, 0, 128), "Visited Link Color: #800080"},
        {"lblal", rgb(255, 0, 0), "Active Link Color: #FF0000"},
        {"lblhl", rgb(0, 128, 0), "Hover Link Color: #008000"},
    };
    for (const Row& r : rows) {
        SchemeSample* s = sample(r.sample);
        EXPECT_EQ(s->foreColor(), r.fore) << r.sample;
        EXPECT_EQ(s->text(), r.caption) << r.sample;
        EXPECT_EQ(s->backColor(), kWhite) << r.sample;
        EXPECT_EQ(s->property("ForeColor").value<QColor>(), ToQColor(r.fore)) << r.sample;
    }
    // Loading at start-up is not a colour change: the current colour stays white.
    EXPECT_EQ(current(), kWhite);
}

TEST_F(SchemeDesignerTest, AnEmptyOrMissingWebLinksListStartsWithNothingLoaded)
{
    for (bool missing : {false, true}) {
        SCOPED_TRACE(missing ? "missing list file" : "empty list file");
        if (missing)
            QFile::remove(fileName("weblinks.hcs"));
        else
            writeBytes("weblinks.hcs", "");
        open();
        EXPECT_EQ(list()->count(), 0);
        EXPECT_TRUE(list()->selectedItems().isEmpty());
        EXPECT_FALSE(deleteEnabled());
        EXPECT_EQ(sample("lbltext1")->text(), "Text will look like this in web browser.");
        EXPECT_EQ(sample("lblnl")->text(), "Normal links will look like this");
        EXPECT_EQ(sample("lblhl")->text(), "Hover links will look like this");
        EXPECT_EQ(sample("lblnl")->foreColor(), kBlack);
        window.reset();
    }
}

TEST_F(SchemeDesignerTest, EveryStyleHasItsSamplesAndButtonsWithTheirCaptionsAndNothingIsClipped)
{
    open();
    for (std::size_t s = 0; s < SchemeStyles::all().size(); ++s) {
        const SchemeStyle& style = SchemeStyles::style(s);
        clickTab(QString::fromStdString(style.caption));
        QWidget* panel = find(QString::fromStdString(style.panel));
        EXPECT_EQ(panel->geometry(), QRect(4, 31, 345, 199)) << style.panel;
        QRect page = panel->rect();

        for (const SampleControl& control : style.samples) {
            const QString name = QString::fromStdString(control.name);
            SchemeSample* w = sample(name);
            ASSERT_NE(w, nullptr);
            EXPECT_TRUE(panel->isAncestorOf(w)) << control.name;
            EXPECT_TRUE(w->isVisible()) << control.name;
            const QRect at(w->mapTo(panel, QPoint(0, 0)), w->size());
            EXPECT_TRUE(page.contains(at)) << control.name;
            EXPECT_FALSE(at.isEmpty()) << control.name;
            EXPECT_EQ(w->text(), QString::fromStdString(designer().state().caption(s, control.name))) << control.name;
            // A caption on one line fits its label, also once rewritten with a colour.
            if (!w->wordWrap() && !w->text().isEmpty()) {
                const int room = w->contentsRect().width() - w->indent();
                EXPECT_LE(w->fontMetrics().horizontalAdvance(w->text()), room) << control.name;
            }
        }
        for (const SchemeElement& e : style.elements) {
            QRadioButton* b = option(QString::fromStdString(e.optionName));
            ASSERT_NE(b, nullptr);
            EXPECT_TRUE(panel->isAncestorOf(b)) << e.optionName;
            EXPECT_EQ(b->text(), QString::fromStdString(e.caption)) << e.optionName;
            EXPECT_EQ(b->toolTip(), QString::fromStdString(e.toolTip)) << e.optionName;
            EXPECT_GE(b->width(), b->sizeHint().width()) << e.optionName << " is cut off";
            EXPECT_GE(b->height(), b->minimumSizeHint().height()) << e.optionName << " is squeezed";
            EXPECT_TRUE(page.contains(QRect(b->mapTo(panel, QPoint(0, 0)), b->size()))) << e.optionName;
            if (!e.groupFrame.empty()) {
                auto* frame = find(QString::fromStdString(e.groupFrame));
                EXPECT_TRUE(frame->isAncestorOf(b)) << e.optionName;
                EXPECT_EQ(frame->property("title").toString(), QString::fromStdString(e.groupCaption));
            }
        }
    }
    // The longest rewritten link caption still fits.
    for (const char* link : {"lblnl", "lblvl", "lblal", "lblhl", "lbltext1"}) {
        SchemeSample* w = sample(link);
        EXPECT_LE(w->fontMetrics().horizontalAdvance("Visited Link Color: #WWWWWW"), w->contentsRect().width()) << link;
    }
}

// ---------------------------------------------------------------------------------------------
// HtmlColor

TEST_F(SchemeDesignerTest, WithoutASelectedElementAColourChangeChangesNoSample)
{
    open();
    const auto before = looks(SchemeStyles::kWebLinks);
    setCurrentColor(rgb(12, 200, 7));
    EXPECT_EQ(current(), rgb(12, 200, 7));
    EXPECT_EQ(looks(SchemeStyles::kWebLinks), before);
}

TEST_F(SchemeDesignerTest, TheSelectedElementTakesTheColourAndRewritesItsCaption)
{
    open();
    struct Row
    {
        const char* option;
        const char* sample;
        const char* caption;
    };
    const Row rows[] = {
        {"opttext", "lbltext1", "Text Color: #FF0000"},   {"optnl", "lblnl", "Normal Link Color: #FF0000"},
        {"optvl", "lblvl", "Visited Link Color: #FF0000"}, {"optal", "lblal", "Active Link Color: #FF0000"},
        {"opthl", "lblhl", "Hover Link Color: #FF0000"},
    };
    for (const Row& r : rows) {
        clickIndicator(option(r.option));
        ASSERT_TRUE(option(r.option)->isChecked()) << r.option;
        setCurrentColor(0x0000FF); // pure red
        EXPECT_EQ(sample(r.sample)->foreColor(), 0x0000FF) << r.option;
        EXPECT_EQ(sample(r.sample)->text(), r.caption) << r.option;
    }
    // The heading takes the text colour but keeps its caption.
    EXPECT_EQ(sample("lbltext0")->foreColor(), 0x0000FF);
    EXPECT_EQ(sample("lbltext0")->text(), "Welcome!");
}

TEST_F(SchemeDesignerTest, TheBackgroundRecoloursSevenSamplesAndNoCaption)
{
    open();
    const auto before = looks(SchemeStyles::kWebLinks);
    clickOption("optbg");
    setCurrentColor(rgb(10, 20, 30));
    const auto after = looks(SchemeStyles::kWebLinks);
    for (const char* name : {"lbltext0", "lbltext1", "lblal", "lblvl", "lblnl", "lblhl", "lbldisplay"}) {
        EXPECT_EQ(after.at(name).back, rgb(10, 20, 30)) << name;
        EXPECT_EQ(after.at(name).caption, before.at(name).caption) << name;
        EXPECT_EQ(after.at(name).fore, before.at(name).fore) << name;
    }
}

TEST_F(SchemeDesignerTest, PaletteOnlyModeAndLockKeepTheSamplesButASampleClickStillSetsTheColour)
{
    for (const char* mode : {"palette-only", "Lock"}) {
        SCOPED_TRACE(mode);
        open();
        clickOption("optvl");
        const bool paletteOnly = std::string(mode) == "palette-only";
        if (paletteOnly)
            window->action("mnuSwap")->trigger();
        else
            clickLock();
        const auto before = looks(SchemeStyles::kWebLinks);
        setCurrentColor(rgb(1, 2, 3));
        EXPECT_EQ(looks(SchemeStyles::kWebLinks), before);
        EXPECT_EQ(current(), rgb(1, 2, 3));

        click(sample("lblhl"));
        EXPECT_EQ(current(), rgb(0, 128, 0));
        EXPECT_TRUE(option("opthl")->isChecked());
        EXPECT_EQ(looks(SchemeStyles::kWebLinks), before);
        window.reset();
    }
}

TEST_F(SchemeDesignerTest, UnlockingAppliesTheNextColourToTheElementSelectedBefore)
{
    open();
    clickOption("optnl");
    clickLock();
    setCurrentColor(rgb(9, 9, 9));
    EXPECT_EQ(sample("lblnl")->foreColor(), rgb(0, 0, 255));
    clickLock();
    setCurrentColor(rgb(9, 9, 9));
    EXPECT_EQ(sample("lblnl")->foreColor(), rgb(9, 9, 9));
    EXPECT_EQ(sample("lblnl")->text(), "Normal Link Color: #090909");
}

// ---------------------------------------------------------------------------------------------
// Style switching and Lock

TEST_F(SchemeDesignerTest, SwitchingStylesShowsTheStylesListAndKeepsEveryStylesColoursAndElement)
{
    open();
    clickTab("Shapes");
    EXPECT_TRUE(find("picShapes")->isVisible());
    EXPECT_FALSE(find("picLinkColor")->isVisible());
    EXPECT_EQ(listNames(), QStringList({"Greys", "Sunset", "Ocean", "Earth", "Pastel"}));
    EXPECT_TRUE(list()->selectedItems().isEmpty());
    clickOption("optShape2");
    setCurrentColor(rgb(200, 100, 50));
    EXPECT_EQ(sample("lblshape2")->backColor(), rgb(200, 100, 50));
    const auto shapes = looks(SchemeStyles::kShapes);

    clickTab("Html Tables");
    EXPECT_EQ(listNames(), QStringList({"Plain Grey", "Blue Header", "Mint", "Dark"}));
    EXPECT_TRUE(find("picHtmlTable")->isVisible());
    EXPECT_FALSE(find("picShapes")->isVisible());
    // Shapes keeps its element, but a change while Tables is shown does not reach it.
    setCurrentColor(rgb(1, 1, 1));
    clickOption("optTableBorder");
    setCurrentColor(rgb(0, 0, 200));
    for (const char* frame : {"shpTable1", "shpTable2", "shpTable3"})
        EXPECT_EQ(sample(frame)->borderColor(), rgb(0, 0, 200)) << frame;

    clickTab("Shapes");
    EXPECT_EQ(looks(SchemeStyles::kShapes), shapes);
    EXPECT_TRUE(option("optShape2")->isChecked());
    EXPECT_EQ(current(), rgb(0, 0, 200));

    clickTab("Web Links Color");
    EXPECT_EQ(listNames(), kShippedWebLinks);
    EXPECT_TRUE(list()->selectedItems().isEmpty());
    // Still the scheme loaded at start.
    EXPECT_EQ(sample("lblnl")->text(), "Normal Link Color: #0000FF");
}

TEST_F(SchemeDesignerTest, LockDisablesAllOptionButtonsButASampleClickStillMarksItsElement)
{
    open();
    clickLock();
    for (const QString& name : kAllOptions)
        EXPECT_FALSE(option(name)->isEnabled()) << name.toStdString();
    clickOption("optbg");
    EXPECT_FALSE(option("optbg")->isChecked());

    clickTab("Background/Text");
    click(sample("lblBack2"));
    EXPECT_TRUE(option("optBack2")->isChecked());
    EXPECT_EQ(current(), kWhite);

    clickLock();
    for (const QString& name : kAllOptions)
        EXPECT_TRUE(option(name)->isEnabled()) << name.toStdString();
}

// ---------------------------------------------------------------------------------------------
// Sample clicks and the pop-up menu

TEST_F(SchemeDesignerTest, ASampleClickSelectsItsElementAndMakesItsColourCurrent)
{
    // Schemes with a different colour in every field, so a wrong property shows.
    writeSchemes("layout", {"L"}, {"010101020202030303040404050505060606070707080808"});
    writeSchemes("tables", {"T"}, {"111111121212131313141414151515161616171717"});
    writeSchemes("backtext", {"B"}, {"212121222222232323242424"});
    writeSchemes("shapes", {"S"}, {"313131323232333333"});
    writeSchemes("weblinks", {"W"}, {"414141424242434343444444454545464646"});
    open();

    struct Row
    {
        const char* sample;
        const char* selects;
        ColorValue picked;
    };
    // clang-format off
    const std::map<QString, std::vector<Row>> rows = {
        {"Web Links Color", {
            {"lbltext0", "opttext", 0x414141}, {"lbltext1", "opttext", 0x414141},
            {"lbldisplay", "optbg", 0x424242}, {"lblnl", "optnl", 0x434343}, {"lblvl", "optvl", 0x444444},
            {"lblal", "optal", 0x454545}, {"lblhl", "opthl", 0x464646}}},
        {"Web Page Layout", {
            {"lblHeader", "optHeaderBack", 0x010101}, {"lblHeaderText", "optHeaderText", 0x020202},
            {"lblSideLink", "optSideBack", 0x030303}, {"lblSideLink1", "optSideText", 0x040404},
            {"lblSideLink2", "optSideText", 0x040404}, {"lblPageContent", "optMainBack", 0x050505},
            {"lblContent", "optMainText", 0x060606}, {"lblContentText", "optMainText", 0x060606},
            {"lblFooter", "optFooterBack", 0x070707}, {"lblFootText", "optFooterText", 0x080808}}},
        {"Html Tables", {
            {"lblTable1", "optTable1Back", 0x111111}, {"lblTable1Text", "optTable1Text", 0x121212},
            {"lblTable2", "optTable2Back", 0x131313}, {"lblTable2Text", "optTable2Text", 0x141414},
            {"lblTable3", "optTable3Back", 0x151515}, {"lblTable3Text", "optTable3Text", 0x161616}}},
        {"Background/Text", {
            {"lblBack1", "optBack1", 0x212121}, {"lblBackText1", "optBackText1", 0x222222},
            {"lblBack2", "optBack2", 0x232323}, {"lblBackText2", "optBackText2", 0x242424}}},
        {"Shapes", {
            {"lblShape1", "optShape1", 0x313131}, {"lblshape2", "optShape2", 0x323232},
            {"lblshape3", "optShape3", 0x333333}}},
    };
    // clang-format on
    for (const auto& [tab, samples] : rows) {
        clickTab(tab);
        clickRow(0);
        // Lock keeps the samples as loaded, so every click reads the loaded colours.
        clickLock();
        for (const Row& r : samples) {
            setCurrentColor(kWhite);
            click(sample(r.sample));
            EXPECT_TRUE(option(r.selects)->isChecked()) << r.sample;
            EXPECT_EQ(current(), r.picked) << r.sample;
        }
        clickLock();
    }
}

TEST_F(SchemeDesignerTest, PickingWhileUnlockedReappliesTheColourToTheWholeElement)
{
    writeSchemes("backtext", {"B"}, {"212121222222232323242424"});
    open();
    clickTab("Background/Text");
    clickRow(0);
    // Text [1] is read from lblBack1's ForeColor but picked from lblBackText1's.
    EXPECT_EQ(sample("lblBackText1")->foreColor(), 0x222222);
    click(sample("lblBackText1"));
    EXPECT_EQ(current(), 0x222222);
    EXPECT_EQ(sample("lblBack1")->foreColor(), 0x222222);
}

TEST_F(SchemeDesignerTest, ButtonsOtherThanTheRightPickButTheActiveLinkOnlyOnItsPrimaryClick)
{
    open();
    click(sample("lblnl"), Qt::MiddleButton);
    EXPECT_TRUE(option("optnl")->isChecked());
    EXPECT_EQ(current(), rgb(0, 0, 255));

    click(sample("lblal"), Qt::MiddleButton);
    EXPECT_FALSE(option("optal")->isChecked());
    EXPECT_EQ(current(), rgb(0, 0, 255));
    click(sample("lblal"));
    EXPECT_TRUE(option("optal")->isChecked());
    EXPECT_EQ(current(), rgb(255, 0, 0));
}

TEST_F(SchemeDesignerTest, TheTableFramesTakeNoClicksButTheTableUnderneathDoes)
{
    open();
    clickTab("Html Tables");
    QWidget* panel = find("picHtmlTable");
    for (const char* frame : {"shpTable1", "shpTable2", "shpTable3"}) {
        SchemeSample* shape = sample(frame);
        const QPoint centre = shape->mapTo(panel, shape->rect().center());
        QWidget* hit = panel->childAt(centre);
        ASSERT_NE(hit, nullptr) << frame;
        EXPECT_NE(hit, shape) << frame;
        const QString table = QString(frame).replace("shp", "lbl");
        EXPECT_EQ(hit->objectName(), table) << frame;
        click(hit);
        EXPECT_TRUE(option(QString(frame).replace("shpTable", "optTable") + "Back")->isChecked()) << frame;
        EXPECT_FALSE(option("optTableBorder")->isChecked());
    }
}

TEST_F(SchemeDesignerTest, TheRightButtonOpensThePopupFullForWebLinksAndRestrictedElsewhere)
{
    open();
    const QStringList full = {"Save Current Color scheme...", "View Html and CSS Code", "-", "Copy Html Code",
                              "Copy Inline Css Code", "Copy External Css Code", "-", "Preview"};
    EXPECT_EQ(shownPopupEntries([&] { click(sample("lblal"), Qt::RightButton); }), full);
    EXPECT_FALSE(option("optal")->isChecked());

    const std::map<QString, const char*> otherStyles = {{"Web Page Layout", "lblFooter"},
                                                         {"Html Tables", "lblTable2Text"},
                                                         {"Background/Text", "lblBackText1"},
                                                         {"Shapes", "lblShape1"}};
    for (const auto& [tab, name] : otherStyles) {
        clickTab(tab);
        const ColorValue before = current();
        EXPECT_EQ(shownPopupEntries([&] { click(sample(name), Qt::RightButton); }),
                  QStringList({"Save Current Color scheme..."}))
            << name;
        EXPECT_EQ(current(), before) << name;
    }
    clickTab("Web Links Color");
    EXPECT_EQ(shownPopupEntries([&] { click(sample("lbldisplay"), Qt::RightButton); }), full);
}

// ---------------------------------------------------------------------------------------------
// Loading, saving and deleting saved schemes

TEST_F(SchemeDesignerTest, ClickingAnEntryLoadsItWithoutWritingAnyFileAlsoWhileLocked)
{
    writeSchemes("shapes", {"First", "Second", "Third"},
                 {"999999CCCCCCFFFFFF", "0000FF00FF00FF0000", "123456ABCDEF010203"});
    open();
    clickTab("Shapes");
    clickOption("optShape1");
    clickLock();
    std::map<QString, QByteArray> files;
    for (const char* f : {"shapes.hcs", "shapes.dat", "weblinks.hcs", "weblinks.dat"})
        files[f] = bytes(f);
    const ColorValue colour = current();

    clickRow(2);
    EXPECT_EQ(sample("lblShape1")->backColor(), 0x123456);
    EXPECT_EQ(sample("lblshape2")->backColor(), 0xABCDEF);
    EXPECT_EQ(sample("lblshape3")->backColor(), 0x010203);
    EXPECT_TRUE(deleteEnabled());
    EXPECT_TRUE(toolAction("DelScheme")->isEnabled());
    EXPECT_EQ(designer().selSchemeIndex(), 2);
    EXPECT_EQ(current(), colour);
    EXPECT_TRUE(option("optShape1")->isChecked());

    clickRow(1);
    EXPECT_EQ(sample("lblShape1")->backColor(), 0x0000FF);
    clickRow(0);
    EXPECT_EQ(sample("lblShape1")->backColor(), 0x999999);
    EXPECT_FALSE(deleteEnabled());
    EXPECT_FALSE(toolAction("DelScheme")->isEnabled());

    for (const auto& [name, content] : files)
        EXPECT_EQ(bytes(name), content) << name.toStdString();
}

TEST_F(SchemeDesignerTest, AWebLinksLoadRewritesTheFiveCaptions)
{
    writeSchemes("weblinks", {"A", "B"}, {"000000FFFFFFFF00008000800000FF008000", "E0E0E02E1E1EFAB489F7A6CBA88BF3A1E3A6"});
    open();
    clickRow(1);
    EXPECT_EQ(sample("lbltext1")->text(), "Text Color: #E0E0E0");
    EXPECT_EQ(sample("lblnl")->text(), "Normal Link Color: #89B4FA");
    EXPECT_EQ(sample("lblvl")->text(), "Visited Link Color: #CBA6F7");
    EXPECT_EQ(sample("lblal")->text(), "Active Link Color: #F38BA8");
    EXPECT_EQ(sample("lblhl")->text(), "Hover Link Color: #A6E3A1");
    EXPECT_EQ(sample("lbldisplay")->backColor(), 0x2E1E1E);
    EXPECT_EQ(sample("lbltext0")->text(), "Welcome!");
}

TEST_F(SchemeDesignerTest, SavingAppendsTheNamedSchemeUnselectedAndWritesItsRecord)
{
    writeSchemes("shapes", {"Greys"}, {"999999CCCCCCFFFFFF"});
    open();
    clickTab("Shapes");

    struct Row
    {
        const char* how;
        QString answer;
        QString listed;
    };
    const Row rows[] = {
        {"toolbar", "He said \"hi\"", "He said \"hi\""},
        {"pop-up entry", "   ", "no name"},
        {"toolbar", "  padded ", "  padded "},
        {"pop-up entry", "Greys", "Greys"},
    };
    QStringList expected = {"Greys"};
    QByteArray listFile = bytes("shapes.hcs");
    QByteArray dataFile = bytes("shapes.dat");
    for (const Row& r : rows) {
        platform.inputAnswers.push_back(r.answer);
        if (std::string(r.how) == "toolbar")
            click(toolButton("SaveScheme"));
        else
            window->action("mnuSaveScheme")->trigger();
        EXPECT_EQ(platform.inputsAsked.last(), "Save This Color Scheme|Save this color scheme as:");
        expected << r.listed;
        listFile += "\"" + r.listed.toLocal8Bit() + "\"\r\n";
        dataFile += "999999CCCCCCFFFFFF";
        EXPECT_EQ(listNames(), expected) << r.how;
        EXPECT_TRUE(list()->selectedItems().isEmpty()) << r.how;
        EXPECT_EQ(bytes("shapes.hcs"), listFile) << r.how;
        EXPECT_EQ(bytes("shapes.dat"), dataFile) << r.how;
    }

    // The record holds the colours at the moment of saving, at offset (n - 1) * 18.
    clickOption("optShape3");
    setCurrentColor(0x0A0B0C);
    platform.inputAnswers.push_back("Dark third");
    click(toolButton("SaveScheme"));
    EXPECT_EQ(bytes("shapes.dat").mid(5 * 18), "999999CCCCCC0A0B0C");

    // A name with quotation marks survives a reload of the list.
    clickTab("Html Tables");
    clickTab("Shapes");
    EXPECT_EQ(list()->item(1)->text(), "He said \"hi\"");
    EXPECT_TRUE(platform.errorsShown.isEmpty());
}

TEST_F(SchemeDesignerTest, CancellingTheNameSavesNothing)
{
    open();
    const QByteArray listFile = bytes("weblinks.hcs");
    const QByteArray dataFile = bytes("weblinks.dat");
    click(toolButton("SaveScheme"));   // the empty queue answers "" (cancel)
    EXPECT_EQ(platform.inputsAsked.size(), 1);
    EXPECT_EQ(listNames(), kShippedWebLinks);
    EXPECT_EQ(bytes("weblinks.hcs"), listFile);
    EXPECT_EQ(bytes("weblinks.dat"), dataFile);
}

TEST_F(SchemeDesignerTest, SavingKeepsTheListSelectionAndTheDeleteCommands)
{
    open();
    clickRow(2);
    platform.inputAnswers.push_back("Kept");
    click(toolButton("SaveScheme"));
    ASSERT_EQ(list()->selectedItems().size(), 1);
    EXPECT_EQ(list()->row(list()->selectedItems().first()), 2);
    EXPECT_TRUE(deleteEnabled());
}

TEST_F(SchemeDesignerTest, DeletingTheSecondOfFourRemovesItsLineAndRecord)
{
    writeSchemes("layout", {"One", "Two", "Three", "Four"},
                 {QString(48, '1'), QString(48, '2'), QString(48, '3'), QString(48, '4')});
    open();
    clickTab("Web Page Layout");
    clickRow(1);
    ASSERT_TRUE(deleteEnabled());
    platform.yesNoAnswers.push_back(true);
    click(deleteButton());

    ASSERT_EQ(platform.questionsAsked.size(), 1);
    EXPECT_EQ(platform.questionsAsked.first(), "Delete a color scheme|Are you sure you want to delete color scheme \"Two\"?");
    EXPECT_EQ(listNames(), QStringList({"One", "Three", "Four"}));
    EXPECT_TRUE(list()->selectedItems().isEmpty());
    EXPECT_FALSE(deleteEnabled());
    EXPECT_FALSE(toolAction("DelScheme")->isEnabled());
    EXPECT_EQ(bytes("layout.hcs"), "\"One\"\r\n\"Three\"\r\n\"Four\"\r\n");
    EXPECT_EQ(bytes("layout.dat"), QByteArray(48, '1') + QByteArray(48, '3') + QByteArray(48, '4'));
    EXPECT_FALSE(QFile::exists(fileName("set.hct")));
    EXPECT_FALSE(QFile::exists(fileName("colorset.dam")));
    EXPECT_TRUE(platform.errorsShown.isEmpty());
}

TEST_F(SchemeDesignerTest, TheToolbarDeletesTheSelectedSchemeAndKeepsNamesWithQuotes)
{
    writeSchemes("tables", {"A \"quoted\" one", "B", "C"}, {QString(42, 'A'), QString(42, 'B'), QString(42, 'C')});
    open();
    clickTab("Html Tables");
    clickRow(2);
    platform.yesNoAnswers.push_back(true);
    click(toolButton("DelScheme"));
    EXPECT_EQ(platform.questionsAsked.value(0), "Delete a color scheme|Are you sure you want to delete color scheme \"C\"?");
    EXPECT_EQ(bytes("tables.hcs"), "\"A \"quoted\" one\"\r\n\"B\"\r\n");
    EXPECT_EQ(bytes("tables.dat"), QByteArray(42, 'A') + QByteArray(42, 'B'));
    EXPECT_EQ(listNames(), QStringList({"A \"quoted\" one", "B"}));
}

TEST_F(SchemeDesignerTest, NothingIsDeletedWithoutAYesOrForTheFirstEntryOrOnFocusAlone)
{
    open();
    const QByteArray listFile = bytes("weblinks.hcs");
    const QByteArray dataFile = bytes("weblinks.dat");

    // The first entry cannot be deleted: both commands stay disabled.
    clickRow(0);
    EXPECT_FALSE(deleteEnabled());
    click(toolButton("DelScheme"));
    click(deleteButton());
    EXPECT_TRUE(platform.questionsAsked.isEmpty());

    // Answering No changes nothing.
    clickRow(3);
    platform.yesNoAnswers.push_back(false);
    click(deleteButton());
    EXPECT_EQ(platform.questionsAsked.size(), 1);
    EXPECT_EQ(listNames(), kShippedWebLinks);

    // The button receiving the focus does not delete.
    clickRow(2);
    deleteButton()->setFocus(Qt::TabFocusReason);
    QCoreApplication::processEvents();
    EXPECT_TRUE(deleteButton()->hasFocus());
    EXPECT_EQ(platform.questionsAsked.size(), 1);

    EXPECT_EQ(listNames(), kShippedWebLinks);
    EXPECT_EQ(bytes("weblinks.hcs"), listFile);
    EXPECT_EQ(bytes("weblinks.dat"), dataFile);
}

TEST_F(SchemeDesignerTest, LeavingTheListOrAnotherColourSourceClearsTheSelection)
{
    open();
    clickRow(3);
    ASSERT_TRUE(deleteEnabled());
    clickTab("Web Links Color");   // the tab strip takes the focus
    EXPECT_TRUE(list()->selectedItems().isEmpty());
    EXPECT_FALSE(deleteEnabled());
    EXPECT_FALSE(toolAction("DelScheme")->isEnabled());
    // The remembered position survives the clearing.
    EXPECT_EQ(designer().selSchemeIndex(), 3);

    clickRow(2);
    ASSERT_TRUE(deleteEnabled());
    window->ClearSchemeSelection();
    EXPECT_TRUE(list()->selectedItems().isEmpty());
    EXPECT_FALSE(deleteEnabled());

    // A sample click is the designer's own colour source: the selection stays.
    clickRow(1);
    click(sample("lblvl"));
    EXPECT_EQ(list()->selectedItems().size(), 1);
    EXPECT_TRUE(deleteEnabled());
}

TEST_F(SchemeDesignerTest, FailedWritesAreReportedNamingTheFileAndTheListFollowsTheFiles)
{
    writeSchemes("shapes", {"One", "Two", "Three"}, {QString(18, '1'), QString(18, '2'), QString(18, '3')});
    open();
    clickTab("Shapes");
    const QByteArray listFile = bytes("shapes.hcs");
    const QByteArray dataFile = bytes("shapes.dat");

    platform.inputAnswers.push_back("Lost");
    FaultInjection::failAt(1);
    click(toolButton("SaveScheme"));
    FaultInjection::reset();
    ASSERT_EQ(platform.errorsShown.size(), 1);
    EXPECT_TRUE(platform.errorsShown[0].startsWith("Save This Color Scheme|")) << platform.errorsShown[0].toStdString();
    EXPECT_TRUE(platform.errorsShown[0].contains(fileName("shapes.dat"))) << platform.errorsShown[0].toStdString();
    EXPECT_EQ(listNames(), QStringList({"One", "Two", "Three"}));
    EXPECT_EQ(bytes("shapes.hcs"), listFile);

    clickRow(1);
    platform.yesNoAnswers.push_back(true);
    FaultInjection::failAt(1);
    click(deleteButton());
    FaultInjection::reset();
    ASSERT_EQ(platform.errorsShown.size(), 2);
    EXPECT_TRUE(platform.errorsShown[1].startsWith("Delete a color scheme|")) << platform.errorsShown[1].toStdString();
    EXPECT_TRUE(platform.errorsShown[1].contains(platform.folder())) << platform.errorsShown[1].toStdString();
    EXPECT_EQ(listNames(), QStringList({"One", "Two", "Three"}));
    EXPECT_FALSE(deleteEnabled());
    EXPECT_EQ(bytes("shapes.hcs"), listFile);
    EXPECT_EQ(bytes("shapes.dat"), dataFile);
}

// ---------------------------------------------------------------------------------------------
// HTML and CSS code, preview

TEST_F(SchemeDesignerTest, TheCopyCommandsPutTheExactCodeOfTheWebLinksSamplesOnTheClipboard)
{
    open();
    clickTab("Shapes");   // the code always comes from the Web Links Color samples
    struct Row
    {
        const char* entry;
        QString text;
    };
    const Row rows[] = {{"mnuCopyHtml", kClassicHtml}, {"mnuCopyInline", kClassicInline}, {"mnuCopyExternal", kClassicExternal}};
    for (const Row& r : rows) {
        const int clears = platform.clipboardClears;
        window->action(r.entry)->trigger();
        EXPECT_EQ(platform.clipboardClears, clears + 1) << r.entry;
        EXPECT_EQ(platform.clipboard, r.text) << r.entry;
    }
}

TEST_F(SchemeDesignerTest, TheCodeWindowShowsTheThreeTextsAndIsBuiltAnewEachTime)
{
    open();
    withModal([&] { window->action("mnuViewCode")->trigger(); },
              [&](QDialog* d) {
                  EXPECT_EQ(d->objectName(), "frmcss");
                  EXPECT_EQ(d->windowTitle(), "HTML and CSS");
                  EXPECT_TRUE(platform.topMost.contains(d));
                  auto* css = qobject_cast<FrmCss*>(d);
                  ASSERT_NE(css, nullptr);
                  EXPECT_EQ(css->htmlText(), kClassicHtml);
                  EXPECT_EQ(css->inlineCssText(), kClassicInline);
                  EXPECT_EQ(css->externalCssText(), kClassicExternal);
                  EXPECT_EQ(d->findChild<QPlainTextEdit*>("txtec")->toPlainText().split('\n').size(), 5);
                  QStringList labels;
                  for (const char* l : {"lblhtml", "lblic", "lblec"})
                      labels << d->findChild<QLabel*>(l)->text();
                  EXPECT_EQ(labels, QStringList({"HTML", "Inline CSS", "External CSS"}));
                  auto* exit = d->findChild<QPushButton*>("cmdexit");
                  ASSERT_NE(exit, nullptr);
                  EXPECT_EQ(exit->text(), "Exit");
                  QTest::mouseClick(exit, Qt::LeftButton);
                  EXPECT_FALSE(d->isVisible());
              });

    clickOption("opthl");
    setCurrentColor(rgb(0x12, 0x34, 0x56));
    withModal([&] { window->action("mnuViewCode")->trigger(); },
              [&](QDialog* d) {
                  auto* css = qobject_cast<FrmCss*>(d);
                  ASSERT_NE(css, nullptr);
                  EXPECT_TRUE(css->externalCssText().contains("a:hover {color:#123456;}"));
              });
}

TEST_F(SchemeDesignerTest, ThePreviewShowsTheWebLinksSamplesAndClosesOnTheBackgroundOnly)
{
    writeSchemes("weblinks", {"Dark"}, {"E0E0E02E1E1EFAB489F7A6CBA88BF3A1E3A6"});
    open();
    clickTab("Html Tables");
    struct Field
    {
        const char* name;
        QString text;
        ColorValue fore;
        bool underlined;
    };
    const Field fields[] = {
        {"txtTxt", "Text Color: #E0E0E0", 0xE0E0E0, false},
        {"txtNl", "Normal Link Color: #89B4FA", 0xFAB489, true},
        {"txtvl", "Visited Link Color: #CBA6F7", 0xF7A6CB, true},
        {"txtal", "Active Link Color: #F38BA8", 0xA88BF3, true},
        {"txthl", "Hover Link Color: #A6E3A1", 0xA1E3A6, true},
    };
    withModal([&] { window->action("mnuShowweb")->trigger(); },
              [&](QDialog* d) {
                  EXPECT_EQ(d->objectName(), "frmShowweb");
                  EXPECT_EQ(d->windowTitle(), "Web Color Scheme Preview");
                  EXPECT_TRUE(platform.topMost.contains(d));
                  EXPECT_EQ(FromQColor(d->palette().color(QPalette::Window)), 0x2E1E1E);
                  int lastTop = -1;
                  for (const Field& f : fields) {
                      auto* box = d->findChild<QLineEdit*>(f.name);
                      ASSERT_NE(box, nullptr) << f.name;
                      EXPECT_EQ(box->text(), f.text) << f.name;
                      EXPECT_EQ(FromQColor(box->palette().color(QPalette::Text)), f.fore) << f.name;
                      EXPECT_EQ(FromQColor(box->palette().color(QPalette::Base)), 0x2E1E1E) << f.name;
                      EXPECT_EQ(box->font().underline(), f.underlined) << f.name;
                      EXPECT_GT(box->y(), lastTop) << f.name;
                      lastTop = box->y();
                  }
                  auto* exit = d->findChild<QAction*>("mnuExit");
                  ASSERT_NE(exit, nullptr);
                  EXPECT_EQ(exit->text(), "E&xit");

                  QTest::mouseClick(d->findChild<QLineEdit*>("txtNl"), Qt::LeftButton);
                  EXPECT_TRUE(d->isVisible());
                  QTest::mouseClick(d, Qt::LeftButton, {}, QPoint(4, d->height() - 4));
                  EXPECT_FALSE(d->isVisible());
              });

    withModal([&] { window->action("mnuShowweb")->trigger(); },
              [&](QDialog* d) {
                  d->findChild<QAction*>("mnuExit")->trigger();
                  EXPECT_FALSE(d->isVisible());
              });
}

TEST_F(SchemeDesignerTest, WithNothingLoadedThePreviewAndCodeShowTheInitialSamples)
{
    writeBytes("weblinks.hcs", "");
    open();
    window->action("mnuCopyHtml")->trigger();
    EXPECT_EQ(platform.clipboard,
              R"(<body BGCOLOR="#FFFFFF" TEXT="#000000" LINK="#000000" VLINK="#000000" ALINK="#000000">)");
    withModal([&] { window->action("mnuShowweb")->trigger(); },
              [&](QDialog* d) {
                  EXPECT_EQ(d->findChild<QLineEdit*>("txtTxt")->text(), "Text will look like this in web browser.");
                  EXPECT_EQ(d->findChild<QLineEdit*>("txtvl")->text(), "Visited links will look like this");
                  EXPECT_EQ(FromQColor(d->findChild<QLineEdit*>("txtvl")->palette().color(QPalette::Text)), kBlack);
              });
}

} // namespace
