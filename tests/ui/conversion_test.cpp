// The colour conversion panel driven through its own controls: tabs, sliders moved by keys and
// drags, link boxes, OK and Cancel, and the refresh from the main window.
#include "core/colour/clrmodels.h"
#include "core/convert/modeltab.h"
#include "support/windowfixture.h"
#include "ui/editors/currentcoloreditors.h"
#include "ui/convert/conversionpanel.h"
#include "widgets/colorswatch.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTabBar>
#include <QToolButton>

using namespace prismara;

namespace {

using Positions = std::array<int, 4>;

class ConversionPanelTest : public ::testing::Test, public test::WindowFixture
{
protected:
    void SetUp() override
    {
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        window->converter(); // built when first opened
        panel = find("picColorConverter");
        tabs = find<QTabBar>("tabModels");
        for (int i = 0; i < 4; ++i) {
            sld[i] = find<QSlider>(QString("sldVal%1").arg(i));
            txt[i] = find<QLineEdit>(QString("txtval%1").arg(i));
        }
        for (int i = 0; i < 3; ++i)
            link[i] = find<QCheckBox>(QString("chklockmove%1").arg(i));
    }

    // A colour chosen outside the panel, the way the wheel, palette and editors hand it over.
    void chooseElsewhere(ColorValue c) const
    {
        window->ClearSchemeSelection();
        setColor(c);
    }
    void openPanel() const { action("mnucon")->trigger(); }
    void clickTab(const QString& caption) const
    {
        for (int i = 0; i < tabs->count(); ++i)
            if (tabs->tabText(i) == caption)
                QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(i).center());
        ASSERT_EQ(tabs->tabText(tabs->currentIndex()), caption);
    }
    // Clicks the slider's handle: the slider takes the focus and keeps its value.
    void focusSlider(int row) const
    {
        QStyleOptionSlider opt;
        opt.initFrom(sld[row]);
        opt.orientation = Qt::Horizontal;
        opt.maximum = sld[row]->maximum();
        opt.sliderPosition = opt.sliderValue = sld[row]->value();
        opt.singleStep = sld[row]->singleStep();
        opt.pageStep = sld[row]->pageStep();
        opt.state |= QStyle::State_Horizontal;
        opt.subControls = QStyle::SC_All;
        const QPoint handle = sld[row]->style()->subControlRect(QStyle::CC_Slider, &opt, QStyle::SC_SliderHandle, sld[row]).center();
        const int before = sld[row]->value();
        QTest::mouseClick(sld[row], Qt::LeftButton, {}, handle);
        ASSERT_TRUE(sld[row]->hasFocus() && sld[row]->value() == before) << row;
    }
    void press(int row, Qt::Key key, int times = 1) const
    {
        for (int i = 0; i < times; ++i)
            QTest::keyClick(sld[row], key);
    }
    // A drag: the slider is held down and follows the pointer position by position.
    void dragTo(int row, int position) const
    {
        sld[row]->setSliderDown(true);
        sld[row]->setSliderPosition(position);
        sld[row]->setSliderDown(false);
    }
    Positions positions() const { return {sld[0]->value(), sld[1]->value(), sld[2]->value(), sld[3]->value()}; }

    QWidget* panel = nullptr;
    QTabBar* tabs = nullptr;
    std::array<QSlider*, 4> sld{};
    std::array<QLineEdit*, 4> txt{};
    std::array<QCheckBox*, 3> link{};
};

} // namespace

TEST_F(ConversionPanelTest, EveryOpeningCommandShowsThePanelOverThePaletteGrid)
{
    const std::function<void()> openers[] = {
        [&] { action("mnucon")->trigger(); },
        [&] { action("mnuconv")->trigger(); },
        [&] { click(find<QToolButton>("colorconversion")); },
        [&] { QTest::mouseDClick(window->editors()->swatch(), Qt::LeftButton); },
    };
    for (const auto& open : openers) {
        panel->hide();
        open();
        ASSERT_TRUE(panel->isVisible());
        QWidget* hit = window->childAt(panel->mapTo(window.get(), QPoint(135, 50)));
        EXPECT_TRUE(hit == panel || panel->isAncestorOf(hit)) << "the panel, not the grid, takes a click there";
    }
}

TEST_F(ConversionPanelTest, EachTabShowsItsRowsWithTheModelValuesAndChangesNothing)
{
    chooseElsewhere(MakeColor(255, 128, 0));
    openPanel();
    EXPECT_EQ(tabs->tabText(tabs->currentIndex()), "RGB") << "the first opening";
    cClrModels model;
    model.setRgbR(255);
    model.setRgbG(128);
    for (const char* caption : {"HSL", "CMYK", "YCbCr", "CMY", "RGB"}) {
        const int suspended = platform.suspendCount;
        clickTab(caption);
        const ModelTab& tab = ModelTabs()[static_cast<std::size_t>(tabs->currentIndex())];
        for (std::size_t r = 0; r < tab.rows; ++r) {
            EXPECT_EQ(sld[r]->maximum(), tab.maxima[r]) << caption << r;
            EXPECT_EQ(sld[r]->value(), tab.value[r](model)) << caption << r;
            EXPECT_EQ(txt[r]->text(), QString::number(tab.value[r](model))) << caption << r;
        }
        EXPECT_EQ(sld[3]->isVisible() && txt[3]->isVisible(), tab.rows == 4) << caption;
        EXPECT_EQ(link[0]->isVisible(), std::string(caption) == "RGB") << caption;
        EXPECT_EQ(current(), MakeColor(255, 128, 0)) << caption << ": looking at another model changes nothing";
        EXPECT_GT(platform.suspendCount, suspended) << caption << ": rearranged with the repainting held back";
        EXPECT_EQ(platform.suspendDepth, 0);
    }
    txt[0]->setFocus();
    QTest::keyClicks(txt[0], "99");
    EXPECT_EQ(txt[0]->text(), "255") << "the value boxes only display";
}

TEST_F(ConversionPanelTest, MovingASliderWritesTheWholeModelBackAndOkKeepsIt)
{
    chooseElsewhere(MakeColor(12, 34, 56));
    openPanel();
    clickTab("HSL");
    EXPECT_EQ(positions(), (Positions{270, 65, 13, 0}));
    focusSlider(1);
    EXPECT_EQ(current(), MakeColor(12, 34, 56)) << "opening and focusing change nothing";
    press(1, Qt::Key_Left);
    press(1, Qt::Key_Right);
    EXPECT_EQ(current(), MakeColor(12, 33, 55)) << "the HSL triple written back";
    click(find("cmdApply"));
    EXPECT_FALSE(panel->isVisible());
    EXPECT_EQ(current(), MakeColor(12, 33, 55));

    // The tab on view when closed is on view at the next opening; CMYK writes all four rows.
    openPanel();
    clickTab("CMYK");
    focusSlider(3);
    press(3, Qt::Key_End);
    EXPECT_EQ(current(), kBlack);
    click(find("cmdApply"));
    chooseElsewhere(MakeColor(51, 102, 153));
    openPanel();
    EXPECT_EQ(positions(), (Positions{67, 33, 0, 40}));
}

TEST_F(ConversionPanelTest, DraggingHueFollowsEveryStepInEveryViewAndRecordsNothing)
{
    chooseElsewhere(MakeColor(255, 0, 0));
    openPanel();
    clickTab("HSL");
    const QByteArray recent = bytes("recent.rgb");
    sld[0]->setSliderDown(true);
    for (int h = 61; h <= 180; ++h) {
        sld[0]->setSliderPosition(h);
        const RGBValue rgb = HSLToRGB(h, 100, 50);
        const ColorValue want = MakeColor(rgb.R, rgb.G, rgb.B);
        ASSERT_EQ(current(), want) << "H " << h;
        ASSERT_EQ(window->editorTexts().hex.toStdString(), HtmlHex(want)) << "H " << h;
        ASSERT_EQ(txt[0]->text(), QString::number(h));
        ASSERT_EQ(sld[1]->value() * 1000 + sld[2]->value(), 100050) << "the other sliders keep the user's positions";
    }
    sld[0]->setSliderDown(false);
    EXPECT_EQ(action("mnuCopyhex1")->text(), "#00FF00") << "the copy captions follow";
    EXPECT_EQ(bytes("recent.rgb"), recent) << "slider colours are not recorded";
    chooseElsewhere(MakeColor(1, 2, 3));
    EXPECT_NE(bytes("recent.rgb"), recent) << "a colour chosen elsewhere is";
}

TEST_F(ConversionPanelTest, LinkedChannelsMoveWithTheActiveSliderAndStopAtTheEnds)
{
    chooseElsewhere(MakeColor(100, 50, 200));
    openPanel();
    click(link[0]);
    click(link[1]);
    focusSlider(0);
    press(0, Qt::Key_Right, 20);
    EXPECT_EQ(positions(), (Positions{120, 70, 200, 0})) << "B is not linked";
    EXPECT_EQ(current(), MakeColor(120, 70, 200));
    dragTo(0, 100);
    EXPECT_EQ(positions(), (Positions{100, 50, 200, 0}));
    focusSlider(1); // G, once active, drags R along
    press(1, Qt::Key_Right, 5);
    EXPECT_EQ(positions(), (Positions{105, 55, 200, 0}));
    // A linked channel stops at the end of its range.
    chooseElsewhere(MakeColor(100, 250, 7));
    openPanel();
    click(link[0]);
    click(link[1]);
    focusSlider(0);
    dragTo(0, 120);
    EXPECT_EQ(current(), MakeColor(120, 255, 7));
    EXPECT_EQ(txt[1]->text(), "255");
}

TEST_F(ConversionPanelTest, LinksAreClearedByOpeningOkCancelAndOtherTabs)
{
    const std::function<void()> acts[] = {
        [&] { click(find("cmdApply")); },
        [&] {
            clickTab("HSL");
            focusSlider(2);
            press(2, Qt::Key_Left);
            clickTab("RGB");
        },
    };
    for (std::size_t i = 0; i < std::size(acts); ++i) {
        openPanel();
        clickTab("RGB");
        for (QCheckBox* box : link)
            click(box);
        acts[i]();
        for (QCheckBox* box : link)
            EXPECT_FALSE(box->isChecked()) << "case " << i;
    }
}

TEST_F(ConversionPanelTest, CancelRestoresTheColourOfTheOpeningOrOfTheLastColourFromElsewhere)
{
    chooseElsewhere(MakeColor(10, 20, 30));
    const QByteArray recent = bytes("recent.rgb");
    openPanel();
    focusSlider(0);
    press(0, Qt::Key_Right, 7);
    clickTab("YCbCr");
    focusSlider(1);
    press(1, Qt::Key_End);
    ASSERT_NE(current(), MakeColor(10, 20, 30));
    click(find("cmdClose"));
    EXPECT_FALSE(panel->isVisible());
    EXPECT_EQ(current(), MakeColor(10, 20, 30));
    EXPECT_EQ(window->editorTexts().hex, "#0A141E");
    EXPECT_EQ(bytes("recent.rgb"), recent);

    openPanel();
    clickTab("CMY");
    chooseElsewhere(MakeColor(200, 100, 50)); // a wheel click while the panel is open: it follows
    EXPECT_EQ(positions(), (Positions{55, 155, 205, 0}));
    focusSlider(2);
    press(2, Qt::Key_PageDown);
    click(find("cmdClose"));
    EXPECT_EQ(current(), MakeColor(200, 100, 50));
}
