// conversion_test.cpp - the colour conversion panel driven through its own controls: tabs,
// sliders moved by keys, clicks and drags, link boxes, OK and Cancel, and the refresh from the
// main window.
#include "widgets/colorswatch.h"
#include "ui/editors/currentcoloreditors.h"
#include "shell/frmshowcolor.h"
#include "core/colour/clrmodels.h"
#include "ui/convert/conversionpanel.h"
#include "support/fakeplatform.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTabBar>
#include <QTest>
#include <QToolButton>
#include <QWheelEvent>

#include <filesystem>
#include <functional>
#include <memory>

#include <gtest/gtest.h>

namespace prismara {
namespace {

struct Rgb
{
    int r, g, b;
};

ColorValue colour(Rgb c) { return MakeColor(c.r, c.g, c.b); }

QString describe(ColorValue c)
{
    return QString("(%1,%2,%3)").arg(GetRed(c)).arg(GetGreen(c)).arg(GetBlue(c));
}

// Where the slider's handle is drawn, so that a click there gives the focus without moving it.
QPoint handleCentre(QSlider* slider)
{
    QStyleOptionSlider opt;
    opt.initFrom(slider);
    opt.orientation = slider->orientation();
    opt.minimum = slider->minimum();
    opt.maximum = slider->maximum();
    opt.sliderPosition = slider->sliderPosition();
    opt.sliderValue = slider->value();
    opt.singleStep = slider->singleStep();
    opt.pageStep = slider->pageStep();
    opt.tickPosition = slider->tickPosition();
    opt.upsideDown = slider->invertedAppearance();
    if (slider->orientation() == Qt::Horizontal)
        opt.state |= QStyle::State_Horizontal;
    opt.subControls = QStyle::SC_All;
    return slider->style()->subControlRect(QStyle::CC_Slider, &opt, QStyle::SC_SliderHandle, slider).center();
}

class ConversionPanelTest : public ::testing::Test
{
public:
    void SetUp() override
    {
        window = std::make_unique<FrmShowColor>(platform);
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        panel = window->findChild<QWidget*>("picColorConverter");
        tabs = window->findChild<QTabBar*>("tabModels");
        ASSERT_NE(panel, nullptr);
        ASSERT_NE(tabs, nullptr);
        for (int i = 0; i < 4; ++i) {
            sld[i] = window->findChild<QSlider*>(QString("sldVal%1").arg(i));
            txt[i] = window->findChild<QLineEdit*>(QString("txtval%1").arg(i));
            letter[i] = window->findChild<QLabel*>(QString("lblCp%1").arg(i));
            ASSERT_NE(sld[i], nullptr) << i;
            ASSERT_NE(txt[i], nullptr) << i;
            ASSERT_NE(letter[i], nullptr) << i;
        }
        for (int i = 0; i < 3; ++i) {
            link[i] = window->findChild<QCheckBox*>(QString("chklockmove%1").arg(i));
            ASSERT_NE(link[i], nullptr) << i;
        }
    }

    // A colour chosen outside the panel, the way the wheel, palette and editors hand it over.
    void chooseElsewhere(ColorValue c)
    {
        window->ClearSchemeSelection();
        window->CurrentColorChanged(c, WriteRecent::Yes);
    }

    void openFromMenu() { window->action("mnucon")->trigger(); }

    void clickTab(const QString& caption)
    {
        for (int i = 0; i < tabs->count(); ++i) {
            if (tabs->tabText(i) == caption) {
                QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(i).center());
                ASSERT_EQ(tabs->currentIndex(), i) << caption.toStdString();
                return;
            }
        }
        FAIL() << "no tab " << caption.toStdString();
    }

    // Clicks the slider's handle: the slider takes the focus and keeps its value.
    void focusSlider(int row)
    {
        const int before = sld[row]->value();
        QTest::mouseClick(sld[row], Qt::LeftButton, {}, handleCentre(sld[row]));
        ASSERT_TRUE(sld[row]->hasFocus()) << row;
        ASSERT_EQ(sld[row]->value(), before) << row;
    }

    void press(int row, Qt::Key key, int times = 1)
    {
        for (int i = 0; i < times; ++i)
            QTest::keyClick(sld[row], key);
    }

    // A drag: the slider is held down and follows the pointer position by position.
    void dragTo(int row, int position)
    {
        sld[row]->setSliderDown(true);
        sld[row]->setSliderPosition(position);
        sld[row]->setSliderDown(false);
    }

    void tick(int row) { QTest::mouseClick(link[row], Qt::LeftButton); }

    ColorValue current() const { return window->swatchColor(); }

    std::uintmax_t recentSize()
    {
        return std::filesystem::file_size((platform.programFolder() + "/recent.rgb").toStdString());
    }

    std::array<int, 4> positions() const { return {sld[0]->value(), sld[1]->value(), sld[2]->value(), sld[3]->value()}; }

    test::FakePlatform platform;
    std::unique_ptr<FrmShowColor> window;
    QWidget* panel = nullptr;
    QTabBar* tabs = nullptr;
    std::array<QSlider*, 4> sld{};
    std::array<QLineEdit*, 4> txt{};
    std::array<QLabel*, 4> letter{};
    std::array<QCheckBox*, 3> link{};
};

TEST_F(ConversionPanelTest, EveryOpeningCommandShowsThePanelOverThePaletteGrid)
{
    struct Opener
    {
        const char* name;
        std::function<void(ConversionPanelTest&)> open;
    };
    const Opener openers[] = {
        {"menu Color &Conversion", [](ConversionPanelTest& t) { t.window->action("mnucon")->trigger(); }},
        {"Edit pop-up Color Conversion", [](ConversionPanelTest& t) { t.window->action("mnuconv")->trigger(); }},
        {"toolbar button", [](ConversionPanelTest& t) {
             auto* button = t.window->findChild<QToolButton*>("colorconversion");
             ASSERT_NE(button, nullptr);
             QTest::mouseClick(button, Qt::LeftButton);
         }},
        {"swatch double-click", [](ConversionPanelTest& t) {
             QTest::mouseDClick(t.window->editors()->swatch(), Qt::LeftButton);
         }},
    };
    for (const Opener& o : openers) {
        SCOPED_TRACE(o.name);
        panel->hide();
        o.open(*this);
        ASSERT_TRUE(panel->isVisible());
        EXPECT_EQ(panel->geometry(), QRect(229, 26, 271, 170));
        // The panel, not the grid, answers a click in the middle of the grid area.
        const QPoint inGrid = panel->mapTo(window.get(), QPoint(135, 50));
        QWidget* hit = window->childAt(inGrid);
        EXPECT_TRUE(hit == panel || panel->isAncestorOf(hit)) << (hit ? hit->objectName().toStdString() : "none");
        EXPECT_TRUE(panel->autoFillBackground());
    }
}

TEST_F(ConversionPanelTest, FirstOpeningShowsRgbWithLinkBoxesAndThreeRows)
{
    chooseElsewhere(colour({12, 34, 56}));
    openFromMenu();
    EXPECT_EQ(tabs->tabText(tabs->currentIndex()), "RGB");
    const QStringList captions{"RGB", "HSL", "CMY", "CMYK", "YCbCr", "Lab", "LCh", "OKLCH"};
    ASSERT_EQ(tabs->count(), captions.size());
    for (int i = 0; i < tabs->count(); ++i)
        EXPECT_EQ(tabs->tabText(i), captions[i]);
    EXPECT_EQ(positions(), (std::array<int, 4>{12, 34, 56, 0}));
    EXPECT_EQ(txt[0]->text(), "12");
    EXPECT_EQ(txt[1]->text(), "34");
    EXPECT_EQ(txt[2]->text(), "56");
    for (QCheckBox* c : link)
        EXPECT_TRUE(c->isVisible());
    EXPECT_FALSE(sld[3]->isVisible());
    EXPECT_EQ(current(), colour({12, 34, 56}));
}

// Each tab's rows: letters, slider maxima, the fourth row on CMYK only, link boxes on RGB only,
// and the values of (255, 128, 0) in that model.
TEST_F(ConversionPanelTest, EachTabShowsItsRowsAndTheModelValues)
{
    struct Case
    {
        const char* tab;
        std::array<const char*, 4> letters;
        std::array<int, 4> maxima;
        std::array<int, 4> values;
    };
    const Case cases[] = {
        {"HSL", {"H", "S", "L", ""}, {360, 100, 100, 0}, {90, 100, 50, 0}},
        {"CMY", {"C", "M", "Y", ""}, {255, 255, 255, 0}, {0, 127, 255, 0}},
        {"CMYK", {"C", "M", "Y", "K"}, {100, 100, 100, 100}, {0, 50, 100, 0}},
        {"YCbCr", {"Y", "Cb", "Cr", ""}, {255, 255, 255, 0}, {151, 43, 202, 0}},
        {"RGB", {"R", "G", "B", ""}, {255, 255, 255, 0}, {255, 128, 0, 0}},
    };
    chooseElsewhere(colour({255, 128, 0}));
    openFromMenu();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tab);
        const int suspendedBefore = platform.suspendCount;
        clickTab(c.tab);
        const bool cmyk = QString(c.tab) == "CMYK";
        const int rows = cmyk ? 4 : 3;
        for (int r = 0; r < rows; ++r) {
            EXPECT_EQ(letter[r]->text(), c.letters[r]) << "row " << r;
            EXPECT_EQ(sld[r]->minimum(), 0) << "row " << r;
            EXPECT_EQ(sld[r]->maximum(), c.maxima[r]) << "row " << r;
            EXPECT_EQ(sld[r]->value(), c.values[r]) << "row " << r;
            EXPECT_EQ(txt[r]->text(), QString::number(c.values[r])) << "row " << r;
        }
        EXPECT_EQ(letter[3]->isVisible(), cmyk);
        EXPECT_EQ(sld[3]->isVisible(), cmyk);
        EXPECT_EQ(txt[3]->isVisible(), cmyk);
        for (QCheckBox* box : link)
            EXPECT_EQ(box->isVisible(), QString(c.tab) == "RGB");
        // Looking at another model changes nothing.
        EXPECT_EQ(current(), colour({255, 128, 0}));
        // The rows are rearranged with the window's repainting held back.
        EXPECT_GT(platform.suspendCount, suspendedBefore);
        EXPECT_EQ(platform.suspendDepth, 0);
        EXPECT_TRUE(window->updatesEnabled());
    }
}

TEST_F(ConversionPanelTest, ValueBoxesOnlyDisplay)
{
    chooseElsewhere(colour({10, 20, 30}));
    openFromMenu();
    txt[0]->setFocus();
    QTest::keyClicks(txt[0], "99");
    EXPECT_TRUE(txt[0]->isReadOnly());
    EXPECT_EQ(txt[0]->text(), "10");
    EXPECT_EQ(sld[0]->value(), 10);
    EXPECT_EQ(current(), colour({10, 20, 30}));
}

TEST_F(ConversionPanelTest, HslTabShowsTheColourAndMovingASliderWritesTheWholeTripleBack)
{
    struct Case
    {
        Rgb start;
        std::array<int, 3> hsl;
        Rgb afterMove; // S moved away and back: the HSL triple written back
    };
    const Case cases[] = {
        {{255, 0, 0}, {60, 100, 50}, {255, 0, 0}},
        {{12, 34, 56}, {270, 65, 13}, {12, 33, 55}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(describe(colour(c.start)).toStdString());
        chooseElsewhere(colour(c.start));
        openFromMenu();
        clickTab("HSL");
        EXPECT_EQ(sld[0]->value(), c.hsl[0]);
        EXPECT_EQ(sld[1]->value(), c.hsl[1]);
        EXPECT_EQ(sld[2]->value(), c.hsl[2]);
        EXPECT_EQ(current(), colour(c.start)) << "opening must not change the colour";
        EXPECT_EQ(window->shownColor(), colour(c.start));

        focusSlider(1);
        EXPECT_EQ(current(), colour(c.start)) << "focusing a slider must not change the colour";
        press(1, Qt::Key_Left);
        press(1, Qt::Key_Right);
        EXPECT_EQ(sld[1]->value(), c.hsl[1]);
        EXPECT_EQ(current(), colour(c.afterMove)) << describe(current()).toStdString();
        // OK keeps what the sliders made.
        QTest::mouseClick(window->findChild<QWidget*>("cmdApply"), Qt::LeftButton);
        EXPECT_FALSE(panel->isVisible());
        EXPECT_EQ(current(), colour(c.afterMove));
    }
}

TEST_F(ConversionPanelTest, TheTabOnViewWhenClosedIsOnViewAtTheNextOpening)
{
    openFromMenu();
    clickTab("CMYK");
    QTest::mouseClick(window->findChild<QWidget*>("cmdClose"), Qt::LeftButton);
    chooseElsewhere(colour({51, 102, 153}));
    openFromMenu();
    EXPECT_EQ(tabs->tabText(tabs->currentIndex()), "CMYK");
    EXPECT_TRUE(sld[3]->isVisible());
    EXPECT_EQ(positions(), (std::array<int, 4>{67, 33, 0, 40}));
}

TEST_F(ConversionPanelTest, DraggingHueFromRedToGreenFollowsEveryStepAndRecordsNothing)
{
    chooseElsewhere(colour({255, 0, 0}));
    openFromMenu();
    clickTab("HSL");
    ASSERT_EQ(sld[0]->value(), 60);
    const std::uintmax_t recordedBefore = recentSize();

    sld[0]->setSliderDown(true);
    for (int h = 61; h <= 180; ++h) {
        sld[0]->setSliderPosition(h);
        const RGBValue expected = HSLToRGB(h, 100, 50);
        const ColorValue want = MakeColor(expected.R, expected.G, expected.B);
        ASSERT_EQ(current(), want) << "H " << h << " gave " << describe(current()).toStdString();
        ASSERT_EQ(window->shownColor(), want) << "H " << h;
        ASSERT_EQ(txt[0]->text(), QString::number(h));
        ASSERT_EQ(window->editorTexts().hex, QString::fromStdString(HtmlHex(want))) << "H " << h;
        // The other sliders keep the user's positions.
        ASSERT_EQ(sld[1]->value(), 100);
        ASSERT_EQ(sld[2]->value(), 50);
    }
    sld[0]->setSliderDown(false);

    EXPECT_EQ(current(), colour({0, 255, 0}));
    EXPECT_EQ(recentSize(), recordedBefore) << "slider colours must not reach recent.rgb";
    EXPECT_TRUE(panel->isVisible());
    // The same file does record a colour chosen elsewhere.
    chooseElsewhere(colour({1, 2, 3}));
    EXPECT_GT(recentSize(), recordedBefore);
}

TEST_F(ConversionPanelTest, MouseDragOfHueToTheEndGivesMagenta)
{
    chooseElsewhere(colour({255, 0, 0}));
    openFromMenu();
    clickTab("HSL");
    QSlider* h = sld[0];
    const QPoint from = handleCentre(h);
    QTest::mousePress(h, Qt::LeftButton, {}, from);
    for (int x = from.x(); x <= h->width() + 10; x += 7)
        QTest::mouseMove(h, QPoint(x, from.y()));
    QTest::mouseRelease(h, Qt::LeftButton, {}, QPoint(h->width() + 10, from.y()));
    EXPECT_EQ(h->value(), 360);
    EXPECT_EQ(txt[0]->text(), "360");
    EXPECT_EQ(current(), colour({255, 0, 255}));
}

TEST_F(ConversionPanelTest, FourthRowShowsOnlyOnCmyk)
{
    openFromMenu();
    const char* order[] = {"CMYK", "RGB", "CMYK", "HSL", "CMYK", "CMY", "CMYK", "YCbCr"};
    for (const char* tab : order) {
        clickTab(tab);
        const bool cmyk = QString(tab) == "CMYK";
        EXPECT_EQ(sld[3]->isVisible(), cmyk) << tab;
        EXPECT_EQ(letter[3]->isVisible(), cmyk) << tab;
        EXPECT_EQ(txt[3]->isVisible(), cmyk) << tab;
    }
}

TEST_F(ConversionPanelTest, CmykSlidersWriteAllFourComponents)
{
    chooseElsewhere(colour({255, 255, 255}));
    openFromMenu();
    clickTab("CMYK");
    focusSlider(3);
    press(3, Qt::Key_Right, 50); // K 0 -> 50
    EXPECT_EQ(txt[3]->text(), "50");
    EXPECT_EQ(current(), colour({128, 128, 128})); // (1 - 0.5) * 255 = 127.5 rounds to 128
    focusSlider(1);
    press(1, Qt::Key_End); // M 100
    EXPECT_EQ(current(), colour({128, 0, 128}));
}

TEST_F(ConversionPanelTest, LinkedChannelsMoveByTheSameAmountAsTheActiveSlider)
{
    chooseElsewhere(colour({100, 50, 200}));
    openFromMenu();
    tick(0);
    tick(1);
    ASSERT_TRUE(link[0]->isChecked());
    ASSERT_TRUE(link[1]->isChecked());
    focusSlider(0);

    press(0, Qt::Key_Right, 20); // R 100 -> 120 one step at a time
    EXPECT_EQ(positions(), (std::array<int, 4>{120, 70, 200, 0}));
    EXPECT_EQ(txt[1]->text(), "70");
    EXPECT_EQ(current(), colour({120, 70, 200}));

    dragTo(0, 100); // and back in one drag
    EXPECT_EQ(positions(), (std::array<int, 4>{100, 50, 200, 0}));
    EXPECT_EQ(current(), colour({100, 50, 200}));

    // Once G has the focus it is the active slider and drags R along.
    focusSlider(1);
    press(1, Qt::Key_Right, 5);
    EXPECT_EQ(positions(), (std::array<int, 4>{105, 55, 200, 0}));
}

TEST_F(ConversionPanelTest, OnlyTheActiveSliderDragsLinkedChannels)
{
    chooseElsewhere(colour({100, 50, 200}));
    openFromMenu();
    tick(0);
    tick(1);
    focusSlider(2); // B, unlinked, has the focus
    // A wheel turn over G changes G alone: G is not the active slider.
    const QPoint at = sld[1]->rect().center();
    QWheelEvent turn(at, sld[1]->mapToGlobal(at), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                     Qt::NoScrollPhase, false);
    QApplication::sendEvent(sld[1], &turn);
    ASSERT_NE(sld[1]->value(), 50);
    EXPECT_EQ(sld[0]->value(), 100);
    EXPECT_EQ(current(), colour({100, sld[1]->value(), 200}));
    // Moving the active but unlinked B moves nothing else.
    press(2, Qt::Key_Left, 3);
    EXPECT_EQ(sld[0]->value(), 100);
    EXPECT_EQ(sld[2]->value(), 197);
}

TEST_F(ConversionPanelTest, LinkedMovesStopAtTheEndsOfTheRange)
{
    struct Case
    {
        const char* name;
        Rgb start;
        int newRed;
        Rgb expected;
    };
    const Case cases[] = {
        {"G 250 pushed up by 20", {100, 250, 7}, 120, {120, 255, 7}},
        {"G 10 pushed down by 20", {100, 10, 7}, 80, {80, 0, 7}},
        {"G 255 and B 254 pushed up by 1", {10, 255, 254}, 11, {11, 255, 255}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        chooseElsewhere(colour(c.start));
        openFromMenu();
        tick(0);
        tick(1);
        if (c.start.b == 254)
            tick(2);
        focusSlider(0);
        dragTo(0, c.newRed);
        EXPECT_EQ(positions(), (std::array<int, 4>{c.expected.r, c.expected.g, c.expected.b, 0}));
        EXPECT_EQ(current(), colour(c.expected)) << describe(current()).toStdString();
        for (int r = 0; r < 3; ++r)
            EXPECT_EQ(txt[r]->text(), QString::number(positions()[static_cast<std::size_t>(r)]));
        QTest::mouseClick(window->findChild<QWidget*>("cmdApply"), Qt::LeftButton);
    }
}

TEST_F(ConversionPanelTest, LinksAreClearedByOpeningOkCancelAndOtherTabs)
{
    struct Case
    {
        const char* name;
        std::function<void(ConversionPanelTest&)> act;
    };
    const Case cases[] = {
        {"OK", [](ConversionPanelTest& t) { QTest::mouseClick(t.window->findChild<QWidget*>("cmdApply"), Qt::LeftButton); }},
        {"Cancel", [](ConversionPanelTest& t) { QTest::mouseClick(t.window->findChild<QWidget*>("cmdClose"), Qt::LeftButton); }},
        {"colour chosen elsewhere", [](ConversionPanelTest& t) { t.chooseElsewhere(colour({1, 2, 3})); }},
        {"opening again", [](ConversionPanelTest& t) { t.openFromMenu(); }},
        {"a slider moved on HSL", [](ConversionPanelTest& t) {
             t.clickTab("HSL");
             t.focusSlider(2);
             t.press(2, Qt::Key_Left);
             t.clickTab("RGB");
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        openFromMenu();
        if (tabs->currentIndex() != 0)
            clickTab("RGB");
        for (int r = 0; r < 3; ++r)
            tick(r);
        c.act(*this);
        for (QCheckBox* box : link)
            EXPECT_FALSE(box->isChecked());
    }
}

TEST_F(ConversionPanelTest, CancelRestoresTheColourOfTheOpening)
{
    chooseElsewhere(colour({10, 20, 30}));
    const std::uintmax_t recordedBefore = recentSize();
    openFromMenu();
    focusSlider(0);
    press(0, Qt::Key_Right, 7);
    clickTab("HSL");
    focusSlider(0);
    press(0, Qt::Key_PageUp);
    clickTab("YCbCr");
    focusSlider(1);
    press(1, Qt::Key_End);
    ASSERT_NE(current(), colour({10, 20, 30}));

    QTest::mouseClick(window->findChild<QWidget*>("cmdClose"), Qt::LeftButton);
    EXPECT_FALSE(panel->isVisible());
    EXPECT_EQ(current(), colour({10, 20, 30})) << describe(current()).toStdString();
    EXPECT_EQ(window->shownColor(), colour({10, 20, 30}));
    EXPECT_EQ(window->editorTexts().hex, "#0A141E");
    EXPECT_EQ(recentSize(), recordedBefore);
}

TEST_F(ConversionPanelTest, CancelAfterAWheelClickRestoresTheWheelColour)
{
    chooseElsewhere(colour({10, 20, 30}));
    openFromMenu();
    clickTab("CMY");
    focusSlider(0);
    press(0, Qt::Key_Left, 4);
    ASSERT_EQ(current(), colour({14, 20, 30}));

    // A wheel cell click while the panel is open: the panel follows the new colour.
    chooseElsewhere(colour({200, 100, 50}));
    EXPECT_TRUE(panel->isVisible());
    EXPECT_EQ(tabs->tabText(tabs->currentIndex()), "CMY");
    EXPECT_EQ(positions(), (std::array<int, 4>{55, 155, 205, 0}));
    EXPECT_EQ(txt[2]->text(), "205");

    focusSlider(2);
    press(2, Qt::Key_PageDown);
    ASSERT_NE(current(), colour({200, 100, 50}));
    QTest::mouseClick(window->findChild<QWidget*>("cmdClose"), Qt::LeftButton);
    EXPECT_EQ(current(), colour({200, 100, 50})) << describe(current()).toStdString();
}

TEST_F(ConversionPanelTest, YCbCrOutsideTheRgbCubeGivesClampedChannelsAndKeepsTheSliders)
{
    struct Step
    {
        int row;
        Qt::Key key;
        std::array<int, 3> sliders;
        Rgb expected;
    };
    // From white (Y 255, Cb 128, Cr 128).
    const Step steps[] = {
        {1, Qt::Key_End, {255, 255, 128}, {255, 211, 255}},  // B = 255 + 1.772 * 127 clamps
        {2, Qt::Key_End, {255, 255, 255}, {255, 121, 255}},  // R clamps too, G = 120.598
        {0, Qt::Key_Home, {0, 255, 255}, {178, 0, 225}},     // G below 0 clamps to 0
    };
    chooseElsewhere(kWhite);
    openFromMenu();
    clickTab("YCbCr");
    ASSERT_EQ(positions(), (std::array<int, 4>{255, 128, 128, 0}));
    for (const Step& s : steps) {
        SCOPED_TRACE(s.row);
        focusSlider(s.row);
        press(s.row, s.key);
        EXPECT_EQ(sld[0]->value(), s.sliders[0]);
        EXPECT_EQ(sld[1]->value(), s.sliders[1]);
        EXPECT_EQ(sld[2]->value(), s.sliders[2]);
        EXPECT_EQ(current(), colour(s.expected)) << describe(current()).toStdString();
    }
}

TEST_F(ConversionPanelTest, OtherSlidersOfAModelKeepTheUsersValues)
{
    chooseElsewhere(colour({255, 0, 0}));
    openFromMenu();
    clickTab("HSL");
    focusSlider(2);
    press(2, Qt::Key_End); // L 100: white, but H and S stay
    EXPECT_EQ(current(), kWhite);
    EXPECT_EQ(sld[0]->value(), 60);
    EXPECT_EQ(sld[1]->value(), 100);
    dragTo(2, 50); // back to red, which a reload from white would have lost
    EXPECT_EQ(current(), colour({255, 0, 0}));
}

TEST_F(ConversionPanelTest, TheCurrentColourFollowsTheSlidersInEveryView)
{
    chooseElsewhere(colour({0, 0, 0}));
    openFromMenu();
    focusSlider(0);
    press(0, Qt::Key_PageUp); // default page step 10
    const ColorValue want = colour({10, 0, 0});
    EXPECT_EQ(current(), want);
    const EditorSnapshot e = window->editorTexts();
    EXPECT_EQ(e.rgb, "10,0,0");
    EXPECT_EQ(e.hex, "#0A0000");
    EXPECT_EQ(e.red, "10");
    EXPECT_EQ(e.redHex, "0A");
    EXPECT_EQ(window->action("mnuCopyhex1")->text(), "#0A0000");
    EXPECT_EQ(window->action("mnuCopyCplus")->text(), "   C++: 0x00000A");
}

} // namespace
} // namespace prismara
