// The current colour's editors, driven by real key events, and the hub's bookkeeping.
#include "support/windowfixture.h"
#include "ui/editors/currentcoloreditors.h"
#include "widgets/colorswatch.h"

#include <QLineEdit>
#include <QListWidget>

using namespace prismara;

namespace {

class Editors : public ::testing::Test, public test::WindowFixture
{
protected:
    void SetUp() override
    {
        window->CurrentColorChanged(MakeColor(100, 0, 0), WriteRecent::No);
        write("recent.rgb", "");
    }
    // Gives `box` the focus and empties it with Backspace, as a user would.
    static void focusAndClear(QLineEdit* box)
    {
        box->setFocus();
        QApplication::processEvents();
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Backspace);
    }
    void leaveTo(const char* name) const
    {
        edit(name)->setFocus();
        QApplication::processEvents();
    }
};

} // namespace

TEST_F(Editors, TypedDecimalsFollowEachKeyClampAndRecordEachStep)
{
    QLineEdit* txtr = edit("txtr");
    focusAndClear(txtr);
    EXPECT_EQ(current(), MakeColor(100, 0, 0)) << "an emptied box changes nothing";
    QTest::keyClicks(txtr, "3x#a-00");
    EXPECT_EQ(txtr->text(), "255") << "300 is clamped, other keys never arrive";
    EXPECT_EQ(current(), MakeColor(255, 0, 0));
    EXPECT_EQ(bytes("recent.rgb"), "0300001E0000FF0000");
    txtr->setText("1a"); // pasted
    EXPECT_EQ(txtr->text(), "0");
    EXPECT_EQ(current(), MakeColor(0, 0, 0));
    const QString rgb = edit("txtRgb")->text();
    edit("txtRgb")->setFocus();
    QTest::keyClicks(edit("txtRgb"), "12");
    EXPECT_EQ(edit("txtRgb")->text(), rgb) << "the decimal triple only shows";
}

TEST_F(Editors, AHexChannelBoxShowsOneDigitWhileFocusedAndTwoWhenLeft)
{
    QLineEdit* txtbh = edit("txtbh");
    focusAndClear(txtbh);
    QTest::keyClicks(txtbh, "zg#a");
    EXPECT_EQ(txtbh->text(), "A") << "lower-case hex letters arrive in upper case";
    EXPECT_EQ(current(), MakeColor(100, 0, 10));
    QTest::keyClick(txtbh, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(txtbh->text(), "A");
    leaveTo("txtg");
    EXPECT_EQ(txtbh->text(), "0A");
    txtbh->setText("G1");
    EXPECT_EQ(txtbh->text(), "00") << "turned into 0, then shown as the channel";
}

TEST_F(Editors, TypingHtmlHexFollowsEachDigitAndIsReformattedWhenLeft)
{
    QLineEdit* txtHex = edit("txtHex");
    focusAndClear(txtHex);
    QTest::keyClicks(txtHex, "#0");
    EXPECT_EQ(edit("txtrh")->text(), "00");
    EXPECT_EQ(txtHex->text(), "#0") << "the box being typed in is left alone";
    QTest::keyClicks(txtHex, "0f");
    EXPECT_EQ(edit("txtgh")->text(), "0F");
    focusAndClear(txtHex);
    QTest::keyClicks(txtHex, "FF805");
    EXPECT_EQ(current(), MakeColor(255, 128, 5)) << "a fifth digit reaches the blue box";
    QTest::keyClicks(txtHex, "0");
    EXPECT_EQ(current(), MakeColor(255, 128, 0x50));
    EXPECT_EQ(txtHex->text(), "FF8050");
    leaveTo("txtr");
    EXPECT_EQ(txtHex->text(), "#FF8050") << "reformatted when left";
    txtHex->setFocus();
    QApplication::processEvents();
    txtHex->setText("#12XY");
    EXPECT_EQ(txtHex->text(), "") << "a character that is no hex digit empties the box";
    EXPECT_EQ(edit("txtrh")->text(), "12");
}

TEST_F(Editors, SameColourTwiceIsRecordedOnceAndBlackAndWhiteNever)
{
    for (const ColorValue c : {MakeColor(1, 2, 3), MakeColor(1, 2, 3), kBlack, kWhite})
        setColor(c);
    window->CurrentColorChanged(MakeColor(4, 5, 6), WriteRecent::No);
    EXPECT_EQ(bytes("recent.rgb"), "010203");
    EXPECT_EQ(window->shownColor(), MakeColor(4, 5, 6));
}

TEST_F(Editors, SnapToWebSafeAndTheColourDialog)
{
    QAction* websafe = action("mnuWebsafe");
    setColor(MakeColor(200, 100, 30));
    EXPECT_TRUE(websafe->isEnabled() && window->toolbarButton(2)->isEnabled());
    websafe->trigger();
    EXPECT_EQ(current(), MakeColor(204, 102, 51));
    EXPECT_FALSE(websafe->isEnabled() || window->toolbarButton(2)->isEnabled());
    platform.colorAnswers = {MakeColor(9, 8, 7), std::nullopt};
    action("mnuShowWinColor")->trigger();
    EXPECT_EQ(current(), MakeColor(9, 8, 7));
    action("mnuShowWinColor")->trigger();
    EXPECT_EQ(current(), MakeColor(9, 8, 7)) << "Cancel keeps the colour";
}

TEST_F(Editors, ASwatchClickLeavesTheSavedSchemeAndReformatsTheEditors)
{
    auto* schemes = find<QListWidget>("lstCorset");
    ColorSwatch* swatch = find<ColorSwatch>("lblcolor");
    schemes->setCurrentRow(1);
    QTest::mousePress(swatch, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(swatch, Qt::LeftButton, {}, QPoint(-20, 5));
    EXPECT_FALSE(schemes->selectedItems().isEmpty()) << "released outside: no click";

    QLineEdit* txtrh = edit("txtrh");
    focusAndClear(txtrh);
    QTest::keyClick(txtrh, '7');
    click(swatch);
    QApplication::processEvents();
    EXPECT_TRUE(schemes->selectedItems().isEmpty());
    EXPECT_EQ(txtrh->text(), "7") << "the box keeps the focus, so it stays unpadded";
    EXPECT_EQ(edit("txtHex")->text(), "#070000");
}
