// Tests of the web colour scheme designer in the real main window: the panels and their samples,
// HtmlColor, sample clicks and the pop-up menu, style switching and Lock, the saved-scheme list
// (load, save, delete, failures), the HTML/CSS code and the preview window.
#include "core/files/fileio.h"
#include "core/scheme/schemefiles.h"
#include "core/scheme/schemestyles.h"
#include "support/windowfixture.h"
#include "ui/scheme/frmcss.h"
#include "ui/scheme/schemedesigner.h"
#include "ui/scheme/schemesample.h"
#include "widgets/colorswatch.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QToolButton>

using namespace prismara;

namespace {

const QString kClassicHtml = R"(<body BGCOLOR="#FFFFFF" TEXT="#000000" LINK="#0000FF" VLINK="#800080" ALINK="#FF0000">)";

class SchemeDesignerTest : public ::testing::Test, public test::WindowFixture
{
protected:
    SchemeDesignerTest() : WindowFixture(true, false) {}
    void TearDown() override { FaultInjection::reset(); }

    SchemeSample* sample(const QString& name) const { return find<SchemeSample>(name); }
    QRadioButton* option(const QString& name) const { return find<QRadioButton>(name); }
    QListWidget* list() const { return find<QListWidget>("lstCorset"); }
    QPushButton* deleteButton() const { return find<QPushButton>("cmdDelItem"); }
    bool deleteEnabled() const { return deleteButton()->isEnabled() && find<QAction>("DelScheme")->isEnabled(); }
    void clickOption(const char* name) const { clickIndicator(option(name)); }
    void clickLock() const { clickIndicator(find<QCheckBox>("chkPause")); }
    void clickTab(std::size_t style) const
    {
        auto* tabs = find<QTabBar>("tabColor");
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(static_cast<int>(style)).center());
        ASSERT_EQ(tabs->currentIndex(), static_cast<int>(style));
    }
    void clickRow(int row) const
    {
        ASSERT_LT(row, list()->count());
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, list()->visualItemRect(list()->item(row)).center());
    }
    QStringList listNames() const
    {
        QStringList names;
        for (int i = 0; i < list()->count(); ++i)
            names << list()->item(i)->text();
        return names;
    }
    // Replaces a style's saved schemes: quoted names and their records.
    void writeSchemes(std::size_t style, const QStringList& names, const QStringList& records) const
    {
        QByteArray lines;
        for (const QString& n : names)
            lines += "\"" + n.toLocal8Bit() + "\"\r\n";
        write(QString::fromStdString(SchemeStyles::style(style).listFileName()), lines);
        write(QString::fromStdString(SchemeStyles::style(style).dataFileName()), records.join("").toLatin1());
    }
};

} // namespace

TEST_F(SchemeDesignerTest, StartUpShowsTheFirstStyleWithItsFirstSchemeLoadedAndEveryPanelUnclipped)
{
    open();
    const auto shipped = SchemeFiles(platform.folder().toStdString(), SchemeStyles::kWebLinks).names();
    ASSERT_EQ(listNames().size(), static_cast<qsizetype>(shipped.size()));
    EXPECT_EQ(listNames().first().toStdString(), shipped.front());
    EXPECT_EQ(list()->currentRow(), 0);
    EXPECT_FALSE(deleteEnabled()) << "the first scheme cannot be deleted";
    EXPECT_EQ(sample("lblnl")->text(), "Normal Link Color: #0000FF");
    EXPECT_EQ(sample("lblvl")->foreColor(), MakeColor(128, 0, 128));
    EXPECT_EQ(current(), kWhite) << "loading at start-up is no colour change";

    for (std::size_t s = 0; s < SchemeStyles::all().size(); ++s) {
        const SchemeStyle& style = SchemeStyles::style(s);
        clickTab(s);
        QWidget* panel = find(QString::fromStdString(style.panel));
        for (std::size_t other = 0; other < SchemeStyles::all().size(); ++other) {
            const auto* p = window->findChild<QWidget*>(QString::fromStdString(SchemeStyles::style(other).panel));
            EXPECT_EQ(p && p->isVisible(), other == s) << "panels not shown yet need not be built";
        }
        for (const SampleControl& control : style.samples) {
            SchemeSample* w = sample(QString::fromStdString(control.name));
            EXPECT_TRUE(w->isVisible() && panel->rect().contains(QRect(w->mapTo(panel, QPoint()), w->size())) && !w->rect().isEmpty())
                << control.name;
            EXPECT_EQ(w->text().toStdString(), window->scheme()->state().caption(s, control.name)) << control.name;
            if (!w->wordWrap() && !w->text().isEmpty()) {
                EXPECT_LE(w->fontMetrics().horizontalAdvance(w->text()), w->contentsRect().width() - w->indent()) << control.name;
            }
        }
        for (const SchemeElement& e : style.elements) {
            QRadioButton* b = option(QString::fromStdString(e.optionName));
            EXPECT_EQ(b->text().toStdString(), e.caption);
            EXPECT_TRUE(b->width() >= b->sizeHint().width() && panel->rect().contains(QRect(b->mapTo(panel, QPoint()), b->size())))
                << e.optionName << " is cut off";
        }
    }
    // The longest rewritten link caption still fits.
    EXPECT_LE(sample("lblvl")->fontMetrics().horizontalAdvance("Visited Link Color: #WWWWWW"), sample("lblvl")->contentsRect().width());

    // Without a saved scheme nothing is loaded.
    QFile::remove(path("weblinks.hcs"));
    open();
    EXPECT_EQ(list()->count(), 0);
    EXPECT_EQ(sample("lblnl")->text(), "Normal links will look like this");
}

TEST_F(SchemeDesignerTest, TheSelectedElementTakesEachNewColourUnlessLockedOrPaletteOnly)
{
    open();
    const QString initial = sample("lblhl")->text();
    setColor(MakeColor(12, 200, 7));
    EXPECT_EQ(sample("lblhl")->text(), initial) << "no element selected";

    clickOption("optvl");
    setColor(0x0000FF);
    EXPECT_EQ(sample("lblvl")->foreColor(), 0x0000FF);
    EXPECT_EQ(sample("lblvl")->text(), "Visited Link Color: #FF0000");
    clickOption("optbg");
    setColor(MakeColor(10, 20, 30));
    for (const char* name : {"lbltext0", "lbltext1", "lblal", "lblvl", "lblnl", "lblhl", "lbldisplay"})
        EXPECT_EQ(sample(name)->backColor(), MakeColor(10, 20, 30)) << name;

    for (const char* mode : {"palette-only", "Lock"}) {
        clickOption("optnl");
        if (std::string(mode) == "Lock")
            clickLock();
        else
            action("mnuSwap")->trigger();
        setColor(MakeColor(1, 2, 3));
        EXPECT_EQ(sample("lblnl")->foreColor(), 0xFF0000) << mode << " keeps the samples";
        click(sample("lblhl"));
        EXPECT_EQ(current(), MakeColor(0, 128, 0)) << mode << ": a sample click still sets the colour";
        EXPECT_TRUE(option("opthl")->isChecked()) << mode;
        if (std::string(mode) == "Lock") {
            EXPECT_FALSE(option("optbg")->isEnabled()) << "Lock disables the option buttons";
            clickTab(SchemeStyles::kShapes);
            EXPECT_FALSE(option(QString::fromStdString(SchemeStyles::style(SchemeStyles::kShapes).elements[0].optionName))
                             ->isEnabled())
                << "and those of a panel first shown while locked";
            clickTab(SchemeStyles::kWebLinks);
            clickLock();
        } else {
            action("mnuSwap")->trigger();
        }
    }
    setColor(MakeColor(9, 9, 9));
    EXPECT_EQ(sample("lblhl")->text(), "Hover Link Color: #090909") << "the element selected while locked";
}

TEST_F(SchemeDesignerTest, ASampleClickSelectsItsElementAndMakesItsColourCurrent)
{
    writeSchemes(SchemeStyles::kLayout, {"L"}, {"010101020202030303040404050505060606070707080808"});
    writeSchemes(SchemeStyles::kTables, {"T"}, {"111111121212131313141414151515161616171717"});
    open();
    const struct
    {
        std::size_t style;
        const char* sample;
        const char* selects;
        ColorValue picked;
        Qt::MouseButton button;
    } rows[] = {
        {SchemeStyles::kWebLinks, "lblnl", "optnl", 0xFF0000, Qt::MiddleButton},
        {SchemeStyles::kWebLinks, "lblal", "optnl", 0xFF0000, Qt::MiddleButton}, // the active link: left click only
        {SchemeStyles::kWebLinks, "lblal", "optal", 0x0000FF, Qt::LeftButton},
        {SchemeStyles::kLayout, "lblSideLink2", "optSideText", 0x040404, Qt::LeftButton},
        {SchemeStyles::kLayout, "lblPageContent", "optMainBack", 0x050505, Qt::LeftButton},
        {SchemeStyles::kTables, "lblTable2Text", "optTable2Text", 0x141414, Qt::LeftButton},
    };
    for (const auto& r : rows) {
        clickTab(r.style);
        if (r.style != SchemeStyles::kWebLinks)
            clickRow(0);
        click(sample(r.sample), r.button);
        EXPECT_TRUE(option(r.selects)->isChecked()) << r.sample;
        EXPECT_EQ(current(), r.picked) << r.sample;
    }
    // The table frames take no clicks: the table underneath does.
    QWidget* panel = find("picHtmlTable");
    click(panel->childAt(sample("shpTable2")->mapTo(panel, sample("shpTable2")->rect().center())));
    EXPECT_TRUE(option("optTable2Back")->isChecked());
}

TEST_F(SchemeDesignerTest, TheRightButtonOpensThePopupFullForWebLinksAndRestrictedElsewhere)
{
    open();
    const QStringList full = {"Save Current Color scheme...", "View Html and CSS Code", "-", "Copy Html Code",
                              "Copy Inline Css Code", "Copy External Css Code", "-", "Preview"};
    EXPECT_EQ(popupEntries([&] { click(sample("lblal"), Qt::RightButton); }), full);
    EXPECT_FALSE(option("optal")->isChecked());
    clickTab(SchemeStyles::kShapes);
    EXPECT_EQ(popupEntries([&] { click(sample("lblShape1"), Qt::RightButton); }), QStringList({"Save Current Color scheme..."}));
    EXPECT_EQ(current(), kWhite);
    clickTab(SchemeStyles::kWebLinks);
    EXPECT_EQ(popupEntries([&] { click(sample("lbldisplay"), Qt::RightButton); }), full);
}

TEST_F(SchemeDesignerTest, ClickingAnEntryLoadsItWithoutWritingAndWithoutChangingTheColour)
{
    writeSchemes(SchemeStyles::kShapes, {"First", "Second", "Third"}, {"999999CCCCCCFFFFFF", "0000FF00FF00FF0000", "123456ABCDEF010203"});
    open();
    clickTab(SchemeStyles::kShapes);
    clickOption("optShape1");
    clickLock();
    const QByteArray listFile = bytes("shapes.hcs"), dataFile = bytes("shapes.dat");
    clickRow(2);
    EXPECT_EQ(sample("lblshape3")->backColor(), 0x010203);
    EXPECT_TRUE(deleteEnabled());
    EXPECT_EQ(current(), kWhite);
    clickRow(1);
    EXPECT_EQ(sample("lblShape1")->backColor(), 0x0000FF);
    clickRow(0);
    EXPECT_FALSE(deleteEnabled());
    EXPECT_EQ(bytes("shapes.hcs"), listFile);
    EXPECT_EQ(bytes("shapes.dat"), dataFile);

    // Leaving the list, and any other colour source, clears the selection; a sample click does not.
    clickRow(2);
    clickTab(SchemeStyles::kShapes);
    EXPECT_TRUE(list()->selectedItems().isEmpty());
    EXPECT_FALSE(deleteEnabled());
    EXPECT_EQ(window->scheme()->selSchemeIndex(), 2) << "the remembered position survives";
    clickRow(1);
    click(sample("lblShape1"));
    EXPECT_TRUE(deleteEnabled());
    window->ClearSchemeSelection();
    EXPECT_FALSE(deleteEnabled());
}

TEST_F(SchemeDesignerTest, SavingAppendsTheNamedSchemeWithTheColoursOfTheMoment)
{
    writeSchemes(SchemeStyles::kShapes, {"Greys"}, {"999999CCCCCCFFFFFF"});
    open();
    clickTab(SchemeStyles::kShapes);
    find<QAction>("DelScheme")->trigger(); // nothing selected: nothing happens
    click(find<QToolButton>("SaveScheme")); // the empty answer is Cancel
    EXPECT_EQ(platform.inputsAsked, QStringList({"Save This Color Scheme|Save this color scheme as:"}));
    EXPECT_EQ(listNames(), QStringList({"Greys"}));

    clickOption("optShape3");
    setColor(0x0A0B0C);
    platform.inputAnswers = {"   ", "He said \"hi\""};
    click(find<QToolButton>("SaveScheme"));
    action("mnuSaveScheme")->trigger();
    EXPECT_EQ(listNames(), QStringList({"Greys", "no name", "He said \"hi\""}));
    EXPECT_TRUE(list()->selectedItems().isEmpty());
    EXPECT_EQ(bytes("shapes.hcs"), "\"Greys\"\r\n\"no name\"\r\n\"He said \"hi\"\"\r\n");
    EXPECT_EQ(bytes("shapes.dat"), "999999CCCCCCFFFFFF999999CCCCCC0A0B0C999999CCCCCC0A0B0C");
    EXPECT_TRUE(platform.errorsShown.isEmpty());
}

TEST_F(SchemeDesignerTest, DeletingAsksAndRemovesTheLineAndRecordOfTheSelectedScheme)
{
    writeSchemes(SchemeStyles::kLayout, {"One", "Two", "Three"}, {QString(48, '1'), QString(48, '2'), QString(48, '3')});
    open();
    clickTab(SchemeStyles::kLayout);
    clickRow(1);
    platform.yesNoAnswers = {false};
    click(deleteButton());
    EXPECT_EQ(listNames(), QStringList({"One", "Two", "Three"})) << "No deletes nothing";
    clickRow(1);
    platform.yesNoAnswers = {true};
    click(find<QToolButton>("DelScheme"));
    EXPECT_EQ(platform.questionsAsked.last(), "Delete a color scheme|Are you sure you want to delete color scheme \"Two\"?");
    EXPECT_EQ(listNames(), QStringList({"One", "Three"}));
    EXPECT_FALSE(deleteEnabled());
    EXPECT_EQ(bytes("layout.hcs"), "\"One\"\r\n\"Three\"\r\n");
    EXPECT_EQ(bytes("layout.dat"), QByteArray(48, '1') + QByteArray(48, '3'));
}

TEST_F(SchemeDesignerTest, FailedWritesAreReportedNamingTheFileAndTheListFollowsTheFiles)
{
    writeSchemes(SchemeStyles::kShapes, {"One", "Two"}, {QString(18, '1'), QString(18, '2')});
    open();
    clickTab(SchemeStyles::kShapes);
    platform.inputAnswers = {"Lost"};
    FaultInjection::failAt(1);
    action("mnuSaveScheme")->trigger();
    clickRow(1);
    platform.yesNoAnswers = {true};
    FaultInjection::failAt(1);
    click(deleteButton());
    FaultInjection::reset();
    ASSERT_EQ(platform.errorsShown.size(), 2);
    EXPECT_TRUE(platform.errorsShown[0].startsWith("Save This Color Scheme|") && platform.errorsShown[0].contains(path("shapes.dat")))
        << platform.errorsShown[0].toStdString();
    EXPECT_TRUE(platform.errorsShown[1].startsWith("Delete a color scheme|") && platform.errorsShown[1].contains(platform.folder()))
        << platform.errorsShown[1].toStdString();
    EXPECT_EQ(listNames(), QStringList({"One", "Two"}));
    EXPECT_EQ(bytes("shapes.hcs"), "\"One\"\r\n\"Two\"\r\n");
}

TEST_F(SchemeDesignerTest, TheCodeCommandsAndThePreviewShowTheWebLinksSamples)
{
    writeSchemes(SchemeStyles::kWebLinks, {"Classic", "Dark"},
                 {"000000FFFFFFFF00008000800000FF008000", "E0E0E02E1E1EFAB489F7A6CBA88BF3A1E3A6"});
    open();
    clickTab(SchemeStyles::kShapes); // the code always comes from the Web Links Color samples
    const int clears = platform.clipboardClears;
    action("mnuCopyHtml")->trigger();
    EXPECT_EQ(platform.clipboard, kClassicHtml);
    action("mnuCopyExternal")->trigger();
    EXPECT_TRUE(platform.clipboard.startsWith("a:link {color:#0000FF;}\r\n")) << platform.clipboard.toStdString();
    action("mnuCopyInline")->trigger();
    EXPECT_TRUE(platform.clipboard.startsWith("<style type=\"text/css\">\r\n<!--\r\na:link")) << platform.clipboard.toStdString();
    EXPECT_EQ(platform.clipboardClears, clears + 3);
    withModal([&] { action("mnuViewCode")->trigger(); },
              [&](QDialog* d) {
                  auto* css = qobject_cast<FrmCss*>(d);
                  ASSERT_NE(css, nullptr);
                  EXPECT_TRUE(platform.topMost.contains(d));
                  EXPECT_EQ(css->htmlText(), kClassicHtml);
                  EXPECT_EQ(css->externalCssText().split("\r\n").size(), 5);
                  EXPECT_EQ(css->inlineCssText(), "<style type=\"text/css\">\r\n<!--\r\n" + css->externalCssText() + "\r\n-->\r\n</style>");
                  click(d->findChild<QPushButton*>("cmdexit"));
                  EXPECT_FALSE(d->isVisible());
              });

    clickTab(SchemeStyles::kWebLinks);
    clickRow(1);
    withModal([&] { action("mnuShowweb")->trigger(); },
              [&](QDialog* d) {
                  EXPECT_TRUE(platform.topMost.contains(d));
                  EXPECT_EQ(FromQColor(d->palette().color(QPalette::Window)), 0x2E1E1E);
                  auto* link = d->findChild<QLineEdit*>("txtNl");
                  ASSERT_NE(link, nullptr);
                  EXPECT_EQ(link->text(), "Normal Link Color: #89B4FA");
                  EXPECT_EQ(FromQColor(link->palette().color(QPalette::Text)), 0xFAB489);
                  EXPECT_TRUE(link->font().underline());
                  click(link);
                  EXPECT_TRUE(d->isVisible()) << "a click on a line does not close the preview";
                  QTest::mouseClick(d, Qt::LeftButton, {}, QPoint(4, d->height() - 4));
                  EXPECT_FALSE(d->isVisible()) << "a click on the background does";
              });
}
