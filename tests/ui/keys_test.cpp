// The keyboard: the editors as text boxes, pasting colours, the window's shortcuts, the colour
// history and Help, driven by real key events on a window with a scripted platform.
#include "shell/frmshowcolor.h"
#include "support/windowfixture.h"
#include "ui/help/frmhelp.h"

#include <QLabel>
#include <QListWidget>
#include <QSlider>
#include <QTextBrowser>
#include <QToolTip>

using namespace prismara;

namespace {

class Keys : public ::testing::Test, public test::WindowFixture
{
protected:
    void SetUp() override
    {
        setColor(MakeColor(100, 0, 0));
        focus("txtr");
    }
    QLineEdit* focus(const char* name) const
    {
        QLineEdit* box = edit(name);
        box->setFocus(Qt::MouseFocusReason);
        QApplication::processEvents();
        return box;
    }
    // Presses "keys": a space-separated list of QKeySequence texts ("Home Shift+End Ctrl+V"); any
    // other word is typed as it is.
    static void press(QWidget* target, const QString& keys)
    {
        for (const QString& word : keys.split(' ', Qt::SkipEmptyParts)) {
            const QKeySequence seq(word);
            if (word.size() > 1 && seq.count() == 1 && seq[0].key() != Qt::Key_unknown)
                QTest::keyClick(target, seq[0].key(), seq[0].keyboardModifiers());
            else
                QTest::keyClicks(target, word);
        }
    }
};

} // namespace

TEST_F(Keys, EditorsMoveSelectDeleteAndUndoAsTextBoxesAndKeepTheirRules)
{
    struct Row
    {
        const char* box;
        const char* keys;
        const char* text; // the box afterwards
        ColorValue color; // the current colour afterwards
    };
    const Row rows[] = {
        {"txtr", "Home 2", "100", MakeColor(100, 0, 0)}, // full: nothing goes in, the cursor moved
        {"txtr", "End BackSpace Left Delete 9", "19", MakeColor(19, 0, 0)},
        {"txtr", "Home Shift+Right Delete", "0", MakeColor(0, 0, 0)},
        {"txtr", "Ctrl+A 25 Ctrl+Z", "100", MakeColor(100, 0, 0)},
        {"txtr", "Ctrl+A 25 Ctrl+Z Ctrl+Shift+Z", "25", MakeColor(25, 0, 0)},
        {"txtr", "Ctrl+A Delete 3x", "3", MakeColor(3, 0, 0)},
        {"txtHex", "End Shift+Home #0f", "#0F", MakeColor(0x0F, 0, 0)},
        {"txtHex", "Home Right Shift+End ab Ctrl+Z", "#640000", MakeColor(100, 0, 0)},
        {"txtRgb", "Ctrl+A Delete 12", "100,0,0", MakeColor(100, 0, 0)},
    };
    for (const Row& r : rows) {
        setColor(MakeColor(100, 0, 0));
        QLineEdit* box = focus(r.box);
        press(box, r.keys);
        EXPECT_EQ(box->text(), r.text) << r.box << " " << r.keys;
        EXPECT_EQ(HtmlHex(current()), HtmlHex(r.color)) << r.box << " " << r.keys;
        focus("txtg");
    }
}

TEST_F(Keys, PasteTakesAWholeColourAnywhereAndANumberIntoItsChannelBox)
{
    struct Row
    {
        const char* box; // "" = the focus is not in an editor
        const char* clipboard;
        const char* color; // HtmlHex afterwards
        const char* text;  // the box afterwards
        bool refused;
    };
    const Row rows[] = {
        {"txtg", "rgb(51 102 204)", "#3366CC", "102", false},
        {"txtHex", "  #36c ", "#3366CC", "#3366CC", false},
        {"txtRgb", "rebeccapurple", "#663399", "102,51,153", false},
        {"", "3366CC", "#3366CC", "", false},
        {"txtg", "7", "#640700", "7", false},
        {"txtr", "no colour", "#640000", "100", true},
        {"", "#12", "#640000", "", true},
    };
    for (const Row& r : rows) {
        setColor(MakeColor(100, 0, 0));
        QLineEdit* box = nullptr;
        if (*r.box) {
            box = focus(r.box);
            box->selectAll();
        } else {
            find<QWidget>("lstCorset")->setFocus();
        }
        QToolTip::hideText();
        platform.clipboard = r.clipboard;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(HtmlHex(current()), r.color) << r.box << " " << r.clipboard;
        if (box) {
            EXPECT_EQ(box->text(), r.text) << r.box << " " << r.clipboard;
        }
        EXPECT_EQ(QToolTip::isVisible() && QToolTip::text().startsWith("Nothing pasted"), r.refused)
            << r.box << " " << r.clipboard << ": " << QToolTip::text().toStdString();
    }
    EXPECT_TRUE(platform.errorsShown.isEmpty()) << "never a dialog";
}

TEST_F(Keys, CopyAndCutGoThroughThePlatform)
{
    setColor(MakeColor(0x33, 0x66, 0xCC));
    QLineEdit* hex = focus("txtHex");
    press(hex, "End Shift+Left Shift+Left Ctrl+C");
    EXPECT_EQ(platform.clipboard, "CC") << "the selection";
    press(hex, "End Ctrl+C");
    EXPECT_EQ(platform.clipboard, "#3366CC") << "no selection: the colour";
    QLineEdit* green = focus("txtg");
    press(green, "Ctrl+A Ctrl+X");
    EXPECT_EQ(platform.clipboard, "102");
    EXPECT_EQ(green->text(), "");
    find<QWidget>("lstCorset")->setFocus();
    action("mnuCopy")->trigger();
    EXPECT_EQ(platform.clipboard, "#3366CC");

    // The box's own menu: its Paste uses the platform's clipboard too.
    platform.clipboard = "#010203";
    QTimer::singleShot(0, [] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        for (QAction* a : menu->actions())
            if (a->objectName() == "edit-paste")
                a->trigger();
        menu->close();
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2), hex->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(hex, &event);
    EXPECT_EQ(current(), MakeColor(1, 2, 3));
}

TEST_F(Keys, UndoAndRedoStepThroughTheColoursAndASliderDragIsOneStep)
{
    find<QWidget>("lstCorset")->setFocus();
    QWidget* focusOutside = QApplication::focusWidget();
    setColor(MakeColor(1, 1, 1));
    setColor(MakeColor(2, 2, 2));
    action("mnucon")->trigger();
    auto* slider = find<QSlider>("sldVal0");
    for (int v : {10, 20, 30})
        slider->setValue(v);
    const ColorValue dragged = current();
    find<QWidget>("lstCorset")->setFocus();
    const struct
    {
        const char* keys;
        ColorValue color;
    } steps[] = {
        {"Ctrl+Z", MakeColor(2, 2, 2)}, {"Ctrl+Z", MakeColor(1, 1, 1)}, {"Ctrl+Shift+Z", MakeColor(2, 2, 2)},
        {"Ctrl+Shift+Z", dragged},      {"Ctrl+Shift+Z", dragged},
    };
    for (const auto& s : steps) {
        press(focusOutside, s.keys);
        EXPECT_EQ(HtmlHex(current()), HtmlHex(s.color)) << s.keys;
    }
    EXPECT_FALSE(action("mnuRedo")->isEnabled());
    EXPECT_TRUE(action("mnuUndo")->isEnabled());
}

TEST_F(Keys, ShortcutsRunTheirCommandsAndShowInTheMenus)
{
    platform.inputAnswers = {""};
    const struct
    {
        const char* keys;
        const char* entry;
        std::function<bool()> done;
    } rows[] = {
        {"Ctrl+K", "mnucon", [&] { return find<QWidget>("picColorConverter")->isVisible(); }},
        {"Ctrl+N", "mnuNew", [&] { return platform.inputsAsked.size() == 1; }},
        {"F1", "mnucontents", [&] { return window->helpWindow() && window->helpWindow()->isVisible(); }},
    };
    for (const auto& r : rows) {
        window->activateWindow();
        press(QApplication::focusWidget(), r.keys);
        EXPECT_TRUE(r.done()) << r.keys;
        EXPECT_EQ(action(r.entry)->shortcut().toString(), r.keys) << r.entry;
    }
}

TEST_F(Keys, HelpOpensTheGuideInItsOwnWindowUnlessTheDesktopHasACompiledHelpViewer)
{
    action("mnucontents")->trigger();
    FrmHelp* help = window->helpWindow();
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->windowTitle(), "Prismara Help");
    EXPECT_TRUE(platform.opened.isEmpty());
    auto* page = help->findChild<QTextBrowser*>("txtPage");
    auto* topics = help->findChild<QListWidget*>("lstTopics");
    EXPECT_GE(topics->count(), 10) << "the contents";
    topics->setCurrentRow(3);
    emit topics->itemActivated(topics->currentItem());
    EXPECT_TRUE(page->source().fileName() == "palettes.html") << page->source().toString().toStdString();
    emit page->anchorClicked(QUrl("picker.html"));
    EXPECT_EQ(page->source().fileName(), "picker.html") << "links between pages";
    EXPECT_EQ(topics->currentItem()->text(), "Screen colour picker");
    page->backward();
    EXPECT_EQ(page->source().fileName(), "palettes.html");
    emit page->anchorClicked(QUrl("https://example.org/"));
    EXPECT_EQ(platform.opened, QStringList{"https://example.org/"}) << "other addresses go to the desktop";
    auto* findBox = help->findChild<QLineEdit*>("txtFind");
    QTest::keyClicks(findBox, "palette");
    EXPECT_EQ(page->textCursor().selectedText().toLower(), "palette");
    QTest::keyClicks(findBox, "qqq");
    EXPECT_EQ(help->findChild<QLabel*>("lblFind")->text(), "Not found");

    write("help.chm", "ITSF");
    platform.openable = {"chm"};
    platform.opened.clear();
    action("mnucontents")->trigger();
    EXPECT_EQ(platform.opened, QStringList{path("help.chm")}) << "a CHM viewer gets help.chm";
}
