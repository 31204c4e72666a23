// editor_menus_test.cpp - the copy captions always show what the commands copy, however the
// editors' texts came about, and a menu opened from the keyboard does not end the typing.
#include "shell/frmshowcolor.h"
#include "support/windowfixture.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace prismara {
namespace {

const char* const kEntries[] = {"mnuCopydec1", "mnuCopydec2",   "mnuCopyhex1", "mnuCopyhex2",
                                "mnuCopyhex3", "mnuCopyhex4",   "mnuCopyhex5", "mnuCopyCplus",
                                "mnuCopyVB",   "mnuCopyDelphi", "mnuCopyJava"};

class EditorMenus : public ::testing::Test
{
protected:
    void SetUp() override
    {
        w.window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(w.window.get()));
    }

    // Every caption, less its label and with "&&" shown as "&", ends with what its command copies.
    void expectCaptionsMatchCopies(const std::string& row)
    {
        for (const char* entry : kEntries) {
            QAction* a = w.window->action(entry);
            a->trigger();
            EXPECT_TRUE(a->text().replace("&&", "&").endsWith(w.platform.clipboard))
                << row << ": " << entry << " shows \"" << a->text().toStdString() << "\" but copies \""
                << w.platform.clipboard.toStdString() << "\"";
        }
    }

    test::WindowFixture w;
};

TEST_F(EditorMenus, CaptionsShowWhatIsCopiedAfterEveryKeyAndFocusChange)
{
    struct Row
    {
        const char* name;
        ColorValue start;
        const char* editor;
        const char* typed; // replaces the box's text
    };
    const Row rows[] = {
        {"#FF8000 typed over #FF0000", MakeColor(255, 0, 0), "txtHex", "#ff8000"},
        {"a partial hex text", kWhite, "txtHex", "#12"},
        {"a green channel in hex", MakeColor(255, 0, 0), "txtgh", "8"},
        {"a decimal channel", kWhite, "txtr", "7"},
    };
    for (const Row& r : rows) {
        w.window->CurrentColorChanged(r.start, WriteRecent::Yes);
        QLineEdit* edit = w.edit(r.editor);
        QTest::mouseClick(edit, Qt::LeftButton);
        edit->selectAll();
        QTest::keyClicks(edit, r.typed);
        expectCaptionsMatchCopies(std::string(r.name) + ", typed");
        // Leaving the box completes its text; the captions follow again.
        w.edit("txtr")->setFocus(Qt::TabFocusReason);
        w.edit("txtHex")->setFocus(Qt::TabFocusReason);
        expectCaptionsMatchCopies(std::string(r.name) + ", after leaving the box");
    }
}

TEST(EditorMenusFromKeys, AMenuOpenedFromTheKeyboardLeavesAHalfTypedColourAsItIs)
{
    struct Row
    {
        const char* name;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
    };
    const Row rows[] = {{"Alt+E", Qt::Key_E, Qt::AltModifier}, {"F10", Qt::Key_F10, Qt::NoModifier}};
    for (const Row& r : rows) {
        test::WindowFixture w;
        w.window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(w.window.get()));
        QLineEdit* hex = w.edit("txtHex");
        QTest::mouseClick(hex, Qt::LeftButton);
        hex->selectAll();
        QTest::keyClicks(hex, "#12");
        QString shownInMenu;
        QTimer::singleShot(0, [&] {
            QWidget* popup = QApplication::activePopupWidget();
            EXPECT_NE(popup, nullptr) << r.name << " opens a menu";
            shownInMenu = hex->text();
            // The copy command chosen from the open menu copies the text as typed.
            w.window->action("mnuCopyhex3")->trigger();
            while ((popup = QApplication::activePopupWidget()))
                popup->close();
        });
        QTest::keyClick(QApplication::focusWidget(), r.key, r.modifiers);
        QTest::qWait(20);
        EXPECT_EQ(shownInMenu, "#12") << r.name << ": the box is not completed";
        EXPECT_EQ(w.platform.clipboard, "#12") << r.name;
    }
}

} // namespace
} // namespace prismara
