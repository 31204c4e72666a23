// copymenu_test.cpp - the eleven copy commands of the Edit menu: what each puts on the clipboard,
// their captions as the colour changes, and the Edit menu popping up over the swatch.
#include "widgets/colorswatch.h"
#include "ui/editors/currentcoloreditors.h"
#include "shell/frmshowcolor.h"
#include "support/fakeplatform.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include <filesystem>
#include <functional>
#include <memory>

#include <gtest/gtest.h>

namespace prismara {
namespace {

const char* const kEntries[] = {"mnuCopydec1", "mnuCopydec2", "mnuCopyhex1", "mnuCopyhex2",
                                "mnuCopyhex3", "mnuCopyhex4", "mnuCopyhex5", "mnuCopyCplus",
                                "mnuCopyVB",   "mnuCopyDelphi", "mnuCopyJava"};

// The submenu of the Edit menu that holds each entry.
const char* submenuOf(const QString& entry)
{
    if (entry.startsWith("mnuCopydec"))
        return "mnuCopydec";
    if (entry.startsWith("mnuCopyhex"))
        return "mnuCopyhex";
    return "mnuCopySpecial";
}

QStringList visibleNames(const QMenu* menu)
{
    QStringList names;
    for (const QAction* a : menu->actions())
        if (a->isVisible())
            names << a->objectName();
    return names;
}

class CopyMenuTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window = std::make_unique<FrmShowColor>(platform);
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        hex = window->findChild<QLineEdit*>("txtHex");
        ASSERT_NE(hex, nullptr);
    }

    void chooseElsewhere(ColorValue c)
    {
        window->ClearSchemeSelection();
        window->CurrentColorChanged(c, WriteRecent::Yes);
    }

    // Runs `inPopup` with the pop-up menu once it is on screen, then closes whatever is still open.
    static void whenPopupOpens(std::function<void(QMenu*)> inPopup)
    {
        QTimer::singleShot(0, [inPopup] {
            auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            inPopup(popup);
            while (QWidget* open = QApplication::activePopupWidget())
                open->close();
        });
    }

    void rightClickSwatch()
    {
        ColorSwatch* swatch = window->editors()->swatch();
        QTest::mousePress(swatch, Qt::RightButton);
        QTest::mouseRelease(swatch, Qt::RightButton);
    }

    // Chooses an entry the way the user does: the swatch pop-up, the submenu, the entry.
    void chooseFromSwatchPopup(const QString& entry)
    {
        bool chosen = false;
        whenPopupOpens([&](QMenu* edit) {
            ASSERT_NE(edit, nullptr);
            QMenu* sub = window->menu(submenuOf(entry));
            QTest::mouseClick(edit, Qt::LeftButton, {}, edit->actionGeometry(sub->menuAction()).center());
            // The submenu opens after the style's short delay.
            for (int waited = 0; waited < 2000 && !sub->isVisible(); waited += 10)
                QTest::qWait(10);
            ASSERT_TRUE(sub->isVisible()) << entry.toStdString();
            QAction* a = window->action(entry);
            QTest::mouseClick(sub, Qt::LeftButton, {}, sub->actionGeometry(a).center());
            chosen = true;
        });
        rightClickSwatch();
        EXPECT_TRUE(chosen) << entry.toStdString();
    }

    // The box as the user leaves it after deleting its text and typing `typed`.
    void typeInto(const char* editor, const QString& typed)
    {
        auto* edit = window->findChild<QLineEdit*>(editor);
        QTest::mouseClick(edit, Qt::LeftButton);
        ASSERT_TRUE(edit->hasFocus()) << editor;
        edit->clear();
        QTest::keyClicks(edit, typed);
    }

    test::FakePlatform platform;
    std::unique_ptr<FrmShowColor> window;
    QLineEdit* hex = nullptr;
};

TEST_F(CopyMenuTest, EachCommandCopiesItsNotationOfTheCurrentColour)
{
    struct Case
    {
        ColorValue color;
        const char* name;
        std::array<const char*, 11> texts;
    };
    const Case cases[] = {
        {kWhite, "white",
         {"RGB(255,255,255)", "255,255,255", "#FFFFFF", "\"#FFFFFF\"", "FFFFFF", "\"FFFFFF\"", "Hex={FF,FF,FF}",
          "0xFFFFFF", "&H00FFFFFF&", "$00FFFFFF", "0xFFFFFF"}},
        {MakeColor(255, 0, 0), "pure red",
         {"RGB(255,0,0)", "255,0,0", "#FF0000", "\"#FF0000\"", "FF0000", "\"FF0000\"", "Hex={FF,00,00}", "0x0000FF",
          "&H000000FF&", "$000000FF", "0xFF0000"}},
        {MakeColor(5, 10, 15), "(5,10,15)",
         {"RGB(5,10,15)", "5,10,15", "#050A0F", "\"#050A0F\"", "050A0F", "\"050A0F\"", "Hex={05,0A,0F}", "0x0F0A05",
          "&H000F0A05&", "$000F0A05", "0x050A0F"}},
    };
    for (const Case& c : cases) {
        chooseElsewhere(c.color);
        for (std::size_t i = 0; i < std::size(kEntries); ++i) {
            SCOPED_TRACE(std::string(c.name) + " " + kEntries[i]);
            platform.clipboard = "old text";
            const int clears = platform.clipboardClears;
            const int sets = platform.clipboardSets;
            window->action(kEntries[i])->trigger();
            EXPECT_EQ(platform.clipboard, c.texts[i]);
            EXPECT_EQ(platform.clipboardClears, clears + 1);
            EXPECT_EQ(platform.clipboardSets, sets + 1);
            EXPECT_EQ(window->swatchColor(), c.color) << "copying changes nothing";
        }
    }
}

TEST_F(CopyMenuTest, CaptionsFollowTheColourAsItIsTyped)
{
    typeInto("txtg", "1");
    EXPECT_EQ(window->action("mnuCopyJava")->text(), "  Java: 0xFF01FF");
    EXPECT_EQ(window->action("mnuCopydec1")->text(), "RGB(255,1,255)");
    QTest::keyClicks(window->findChild<QLineEdit*>("txtg"), "28");
    typeInto("txtb", "0");
    ASSERT_EQ(window->swatchColor(), MakeColor(255, 128, 0));

    struct Caption
    {
        const char* entry;
        const char* text;
    };
    const Caption captions[] = {
        {"mnuCopydec1", "RGB(255,128,0)"},   {"mnuCopydec2", "255,128,0"},
        {"mnuCopyhex1", "#FF8000"},          {"mnuCopyhex2", "\"#FF8000\""},
        {"mnuCopyhex3", "FF8000"},           {"mnuCopyhex4", "\"FF8000\""},
        {"mnuCopyhex5", "Hex={FF,80,00}"},   {"mnuCopyCplus", "   C++: 0x0080FF"},
        {"mnuCopyVB", "    VB: &&H000080FF&&"}, {"mnuCopyDelphi", "Delphi: $000080FF"},
        {"mnuCopyJava", "  Java: 0xFF8000"},
    };
    for (const Caption& c : captions)
        EXPECT_EQ(window->action(c.entry)->text(), c.text) << c.entry;
    // The menu shows a single "&" where the caption doubles it.
    EXPECT_EQ(window->action("mnuCopyVB")->iconText(), "VB: &H000080FF&");
    // The labels belong to the captions only.
    window->action("mnuCopyVB")->trigger();
    EXPECT_EQ(platform.clipboard, "&H000080FF&");
}

TEST_F(CopyMenuTest, CaptionsFollowTheConversionPanel)
{
    chooseElsewhere(MakeColor(0, 0, 0));
    window->action("mnucon")->trigger();
    auto* red = window->findChild<QWidget*>("sldVal0");
    ASSERT_NE(red, nullptr);
    red->setFocus();
    QTest::keyClick(red, Qt::Key_End);
    EXPECT_EQ(window->action("mnuCopyDelphi")->text(), "Delphi: $000000FF");
    EXPECT_EQ(window->action("mnuCopyhex5")->text(), "Hex={FF,00,00}");
}

TEST_F(CopyMenuTest, WhileTypingAHexColourTheCommandsCopyTheTextAsItStands)
{
    // "#12" typed into txtHex from white: red is 0x12, the box keeps the three characters.
    typeInto("txtHex", "#12");
    ASSERT_EQ(hex->text(), "#12");
    ASSERT_EQ(window->swatchColor(), MakeColor(0x12, 255, 255));
    struct Case
    {
        const char* entry;
        const char* text;
    };
    // Only the last six characters of the box count, the whole text when it is shorter.
    const Case cases[] = {
        {"mnuCopyhex1", "##12"},         {"mnuCopyhex2", "\"##12\""},  {"mnuCopyhex3", "#12"},
        {"mnuCopyhex4", "\"#12\""},      {"mnuCopyhex5", "Hex={#1,2,}"}, {"mnuCopydec1", "RGB(18,255,255)"},
        {"mnuCopyCplus", "0xFFFF12"},    {"mnuCopyJava", "0x12FFFF"},
    };
    for (const Case& c : cases) {
        window->action(c.entry)->trigger();
        EXPECT_EQ(platform.clipboard, c.text) << c.entry;
        EXPECT_EQ(hex->text(), "#12") << c.entry;
    }
}

TEST_F(CopyMenuTest, ThroughTheSwatchPopUpATypedHexTextIsCopiedAsItStands)
{
    typeInto("txtHex", "#12");
    ASSERT_EQ(hex->text(), "#12");
    chooseFromSwatchPopup("mnuCopyhex3");
    EXPECT_EQ(platform.clipboard, "#12");
    EXPECT_EQ(window->action("mnuCopyhex3")->text(), "#12");
    chooseFromSwatchPopup("mnuCopyhex5");
    EXPECT_EQ(platform.clipboard, "Hex={#1,2,}");
    EXPECT_TRUE(hex->hasFocus());
    EXPECT_EQ(hex->text(), "#12");
}

TEST_F(CopyMenuTest, CommandsChosenFromTheSwatchPopUpCopyTheCurrentColour)
{
    chooseElsewhere(MakeColor(255, 128, 0));
    chooseFromSwatchPopup("mnuCopyVB");
    EXPECT_EQ(platform.clipboard, "&H000080FF&");
    chooseFromSwatchPopup("mnuCopydec2");
    EXPECT_EQ(platform.clipboard, "255,128,0");
}

TEST_F(CopyMenuTest, SwatchPopUpShowsTheCopyEntriesAndRestoresTheEditMenu)
{
    QMenu* edit = window->menu("mnuEdit");
    const QStringList menuBarEntries{"mnuCopydec", "mnuCopyhex", "mnuCopySpecial", "mnuCopyCss", "editsep3", "mnuDelCor",
                                     "mnuDelChart", "editsep1",   "mnuCleanDup",    "mnuCleanAll"};
    ASSERT_EQ(visibleNames(edit), menuBarEntries);

    // Typed over white without changing the colour: the captions are stale until the pop-up.
    chooseElsewhere(MakeColor(0, 255, 255));
    typeInto("txtHex", "#0");
    ASSERT_EQ(window->swatchColor(), MakeColor(0, 255, 255));

    QStringList inPopup;
    QString hexCaption;
    bool shown = false;
    whenPopupOpens([&](QMenu* popup) {
        ASSERT_EQ(popup, edit);
        shown = true;
        inPopup = visibleNames(popup);
        hexCaption = window->action("mnuCopyhex3")->text();
    });
    rightClickSwatch();
    ASSERT_TRUE(shown);
    EXPECT_EQ(inPopup, (QStringList{"mnuCopydec", "mnuCopyhex", "mnuCopySpecial", "mnuCopyCss", "editsep2", "mnuAddto",
                                    "editsep4", "mnuViewColor", "mnuconv"}));
    EXPECT_EQ(hexCaption, "#0") << "the captions are rewritten before the pop-up";
    // Separators are plain lines: a separator with text is drawn as a heading by some styles.
    for (const QAction* a : edit->actions()) {
        if (a->isSeparator()) {
            EXPECT_TRUE(a->text().isEmpty()) << a->objectName().toStdString();
        }
    }
    EXPECT_EQ(visibleNames(edit), menuBarEntries);
    EXPECT_FALSE(edit->isVisible());
}

TEST_F(CopyMenuTest, ColorConversionFromTheSwatchPopUpOpensThePanel)
{
    whenPopupOpens([this](QMenu* edit) {
        ASSERT_NE(edit, nullptr);
        QAction* conv = window->action("mnuconv");
        QTest::mouseClick(edit, Qt::LeftButton, {}, edit->actionGeometry(conv).center());
    });
    rightClickSwatch();
    EXPECT_TRUE(window->findChild<QWidget*>("picColorConverter")->isVisible());
    EXPECT_FALSE(window->action("mnuconv")->isVisible());
}

} // namespace
} // namespace prismara
