// The copy commands of the Edit menu: each puts its notation on the clipboard, the captions follow
// the colour and the half-typed texts, and the Edit menu pops up over the swatch.
#include "core/colour/notations.h"
#include "support/windowfixture.h"
#include "ui/editors/currentcoloreditors.h"
#include "widgets/colorswatch.h"

#include <QLineEdit>

using namespace prismara;

namespace {

QString qs(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

class CopyMenuTest : public ::testing::Test, public test::WindowFixture
{
protected:
    void SetUp() override
    {
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    void rightClickSwatch() const
    {
        QTest::mousePress(window->editors()->swatch(), Qt::RightButton);
        QTest::mouseRelease(window->editors()->swatch(), Qt::RightButton);
    }
    // Chooses an entry the way the user does: the swatch pop-up, the submenu, the entry.
    void chooseFromSwatchPopup(const Notation& n) const
    {
        bool chosen = false;
        QTimer::singleShot(0, [&] {
            auto* edit = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            ASSERT_NE(edit, nullptr);
            QMenu* sub = window->menu(qs(n.submenu));
            QTest::mouseClick(edit, Qt::LeftButton, {}, edit->actionGeometry(sub->menuAction()).center());
            for (int waited = 0; waited < 2000 && !sub->isVisible(); waited += 10)
                QTest::qWait(10); // the submenu opens after the style's short delay
            QTest::mouseClick(sub, Qt::LeftButton, {}, sub->actionGeometry(action(qs(n.menuEntry))).center());
            chosen = true;
            while (QWidget* open = QApplication::activePopupWidget())
                open->close();
        });
        rightClickSwatch();
        EXPECT_TRUE(chosen) << n.menuEntry;
    }
    // The box as the user leaves it after deleting its text and typing `typed`.
    void typeInto(const char* editor, const QString& typed) const
    {
        auto* edit = find<QLineEdit>(editor);
        QTest::mouseClick(edit, Qt::LeftButton);
        edit->clear();
        QTest::keyClicks(edit, typed);
    }
    EditorTexts editors() const
    {
        const EditorSnapshot e = window->editorTexts();
        return {e.rgb.toStdString(), e.hex.toStdString(), e.redHex.toStdString(), e.greenHex.toStdString(), e.blueHex.toStdString(),
                current()};
    }
};

} // namespace

TEST_F(CopyMenuTest, EachCommandCopiesItsNotationOfTheCurrentColourAndNamesItInItsCaption)
{
    window->ClearSchemeSelection();
    setColor(MakeColor(5, 10, 15));
    for (const Notation& n : kNotations) {
        platform.clipboard = "old text";
        const int clears = platform.clipboardClears;
        action(qs(n.menuEntry))->trigger();
        EXPECT_EQ(platform.clipboard.toStdString(), CopiedText(n, editors())) << n.menuEntry;
        EXPECT_EQ(platform.clipboardClears, clears + 1) << n.menuEntry;
        EXPECT_EQ(action(qs(n.menuEntry))->text().toStdString(), MenuCaption(n, editors())) << n.menuEntry;
    }
    EXPECT_EQ(current(), MakeColor(5, 10, 15)) << "copying changes nothing";
    EXPECT_EQ(action("mnuCopyVB")->iconText(), "VB: &H000F0A05&") << "the menu shows a single &";
}

TEST_F(CopyMenuTest, WhileTypingAHexColourTheCommandsCopyTheTextAsItStands)
{
    typeInto("txtHex", "#12");
    ASSERT_EQ(current(), MakeColor(0x12, 255, 255));
    chooseFromSwatchPopup(*FindNotation("mnuCopyhex1"));
    EXPECT_EQ(platform.clipboard, "##12");
    chooseFromSwatchPopup(*FindNotation("mnuCopyhex5"));
    EXPECT_EQ(platform.clipboard, "Hex={#1,2,}");
    chooseFromSwatchPopup(*FindNotation("mnuCopyCplus"));
    EXPECT_EQ(platform.clipboard, "0xFFFF12");
    EXPECT_TRUE(find<QLineEdit>("txtHex")->hasFocus());
    EXPECT_EQ(find<QLineEdit>("txtHex")->text(), "#12");
}

TEST_F(CopyMenuTest, TheSwatchPopUpShowsTheCopyEntriesAndRestoresTheEditMenu)
{
    QMenu* edit = window->menu("mnuEdit");
    const auto visible = [edit] {
        QStringList names;
        for (const QAction* a : edit->actions())
            if (a->isVisible())
                names << a->objectName();
        return names;
    };
    const QStringList menuBarEntries = visible();
    ASSERT_TRUE(menuBarEntries.contains("mnuDelCor") && !menuBarEntries.contains("mnuconv"));
    // Typed over cyan without changing the colour: the captions are stale until the pop-up.
    setColor(MakeColor(0, 255, 255));
    typeInto("txtHex", "#0");
    QStringList inPopup;
    QString hexCaption;
    QTimer::singleShot(0, [&] {
        inPopup = visible();
        hexCaption = action("mnuCopyhex3")->text();
        edit->close();
    });
    rightClickSwatch();
    EXPECT_EQ(inPopup, (QStringList{"mnuCopydec", "mnuCopyhex", "mnuCopySpecial", "mnuCopyCss", "editsep2", "mnuAddto",
                                    "editsep4", "mnuViewColor", "mnuconv"}));
    EXPECT_EQ(hexCaption, "#0") << "the captions are rewritten before the pop-up";
    EXPECT_EQ(visible(), menuBarEntries);
    for (const QAction* a : edit->actions())
        EXPECT_TRUE(!a->isSeparator() || a->text().isEmpty()) << "a separator with text is a heading in some styles";

    QTimer::singleShot(0, [&] {
        QTest::mouseClick(edit, Qt::LeftButton, {}, edit->actionGeometry(action("mnuconv")).center());
    });
    rightClickSwatch();
    EXPECT_TRUE(find("picColorConverter")->isVisible()) << "Color Conversion from the pop-up";
}
