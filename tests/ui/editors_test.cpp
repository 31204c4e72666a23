// The current colour's editors, driven by real key events, and the hub's bookkeeping.
#include "widgets/colorswatch.h"
#include "ui/editors/currentcoloreditors.h"
#include "support/windowfixture.h"

#include <QAction>

#include <gtest/gtest.h>

using namespace prismara;
using prismara::test::WindowFixture;

namespace {
// Gives `edit` the focus and empties it with Backspace, as a user would.
void focusAndClear(QLineEdit* edit)
{
    edit->setFocus();
    QApplication::processEvents();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
}

class Editors : public ::testing::Test
{
protected:
    void SetUp() override
    {
        w.window->CurrentColorChanged(MakeColor(100, 0, 0), WriteRecent::No);
        w.writeFile("recent.rgb", "");
    }
    ColorValue color() const { return w.window->swatchColor(); }
    WindowFixture w;
};
} // namespace

TEST_F(Editors, TypingADecimalPastTheLimitClampsAndRecordsEachStep)
{
    QLineEdit* txtr = w.edit("txtr");
    focusAndClear(txtr);
    EXPECT_EQ(color(), MakeColor(100, 0, 0)) << "an emptied box changes nothing";
    QTest::keyClick(txtr, '3');
    EXPECT_EQ(color(), MakeColor(3, 0, 0));
    QTest::keyClick(txtr, '0');
    EXPECT_EQ(color(), MakeColor(30, 0, 0));
    QTest::keyClick(txtr, '0');
    EXPECT_EQ(txtr->text(), "255");
    EXPECT_EQ(color(), MakeColor(255, 0, 0));
    EXPECT_EQ(w.fileBytes("recent.rgb"), "0300001E0000FF0000");
}

TEST_F(Editors, KeysOutsideTheAcceptedSetNeverArrive)
{
    QLineEdit* txtr = w.edit("txtr");
    focusAndClear(txtr);
    QTest::keyClicks(txtr, "1x#a-");
    EXPECT_EQ(txtr->text(), "1");
    QLineEdit* txtgh = w.edit("txtgh");
    focusAndClear(txtgh);
    QTest::keyClicks(txtgh, "zg#b");
    EXPECT_EQ(txtgh->text(), "B") << "lower-case hex letters arrive in upper case";
    QTest::keyClick(txtgh, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(txtgh->text(), "B");
    QLineEdit* txtRgb = w.edit("txtRgb");
    const QString before = txtRgb->text();
    txtRgb->setFocus();
    QTest::keyClicks(txtRgb, "12");
    EXPECT_EQ(txtRgb->text(), before);
}

TEST_F(Editors, PastingABadTextTurnsTheBoxIntoZero)
{
    QLineEdit* txtr = w.edit("txtr");
    txtr->setText("1a");
    EXPECT_EQ(txtr->text(), "0");
    EXPECT_EQ(GetRed(color()), 0);
    QLineEdit* txtbh = w.edit("txtbh");
    txtbh->setText("G1");
    EXPECT_EQ(txtbh->text(), "00") << "turned into 0, then shown as the channel";
    EXPECT_EQ(GetBlue(color()), 0);
}

TEST_F(Editors, TypingHtmlHexFollowsEachDigit)
{
    QLineEdit* txtHex = w.edit("txtHex");
    focusAndClear(txtHex);
    QTest::keyClicks(txtHex, "#0");
    EXPECT_EQ(GetRed(color()), 0);
    EXPECT_EQ(w.edit("txtrh")->text(), "00");
    EXPECT_EQ(txtHex->text(), "#0") << "the box being typed in is left alone";
    QTest::keyClicks(txtHex, "0f");
    EXPECT_EQ(w.edit("txtgh")->text(), "0F");
    QTest::keyClicks(txtHex, "f00");
    EXPECT_EQ(txtHex->text(), "#00FF00");
    EXPECT_EQ(color(), MakeColor(0, 255, 0));
}

TEST_F(Editors, HexWithoutHashIsReformattedWhenLeft)
{
    QLineEdit* txtHex = w.edit("txtHex");
    focusAndClear(txtHex);
    QTest::keyClicks(txtHex, "FF8000");
    EXPECT_EQ(color(), MakeColor(255, 128, 0));
    EXPECT_EQ(txtHex->text(), "FF8000");
    w.edit("txtr")->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(txtHex->text(), "#FF8000");
}

TEST_F(Editors, AHexChannelBoxShowsOneDigitWhileFocusedAndTwoWhenLeft)
{
    QLineEdit* txtrh = w.edit("txtrh");
    focusAndClear(txtrh);
    QTest::keyClick(txtrh, 'f');
    EXPECT_EQ(txtrh->text(), "F");
    EXPECT_EQ(GetRed(color()), 15);
    w.edit("txtg")->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(txtrh->text(), "0F");
}

TEST_F(Editors, ABadCharacterInHtmlHexEmptiesTheBox)
{
    QLineEdit* txtHex = w.edit("txtHex");
    txtHex->setFocus();
    QApplication::processEvents();
    txtHex->setText("#12XY");
    EXPECT_EQ(txtHex->text(), "");
    EXPECT_EQ(w.edit("txtrh")->text(), "12");
}

TEST_F(Editors, SameColourTwiceIsRecordedOnceAndBlackAndWhiteNever)
{
    w.window->CurrentColorChanged(MakeColor(1, 2, 3), WriteRecent::Yes);
    w.window->CurrentColorChanged(MakeColor(1, 2, 3), WriteRecent::Yes);
    w.window->CurrentColorChanged(kBlack, WriteRecent::Yes);
    w.window->CurrentColorChanged(kWhite, WriteRecent::Yes);
    w.window->CurrentColorChanged(MakeColor(4, 5, 6), WriteRecent::No);
    EXPECT_EQ(w.fileBytes("recent.rgb"), "010203");
    EXPECT_EQ(w.window->shownColor(), MakeColor(4, 5, 6));
}

TEST_F(Editors, SnapToWebSafeSnapsAndDisablesItself)
{
    QAction* websafe = w.window->action("mnuWebsafe");
    w.window->CurrentColorChanged(MakeColor(200, 100, 30), WriteRecent::Yes);
    EXPECT_TRUE(websafe->isEnabled());
    EXPECT_TRUE(w.window->toolbarButton(2)->isEnabled());
    websafe->trigger();
    EXPECT_EQ(color(), MakeColor(204, 102, 51));
    EXPECT_FALSE(websafe->isEnabled());
    EXPECT_FALSE(w.window->toolbarButton(2)->isEnabled());
}

TEST_F(Editors, ColourDialogSetsTheColourAndCancelKeepsIt)
{
    w.platform.colorAnswers = {MakeColor(9, 8, 7), std::nullopt};
    w.window->action("mnuShowWinColor")->trigger();
    EXPECT_EQ(color(), MakeColor(9, 8, 7));
    w.window->action("mnuShowWinColor")->trigger();
    EXPECT_EQ(color(), MakeColor(9, 8, 7));
}

TEST_F(Editors, SwatchClickReformatsTheEditors)
{
    QLineEdit* txtrh = w.edit("txtrh");
    focusAndClear(txtrh);
    QTest::keyClick(txtrh, '7');
    QTest::mouseClick(w.find<ColorSwatch>("lblcolor"), Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_EQ(txtrh->text(), "7") << "the box keeps the focus, so it stays unpadded";
    EXPECT_EQ(w.edit("txtHex")->text(), "#070000");
}
