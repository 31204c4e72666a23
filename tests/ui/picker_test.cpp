// The screen picker on a real main window: starting from the menu and the toolbar, following the
// pointer over a frozen picture of known pixels, saving picked colours to the chosen palette,
// stopping, and a capture that fails.
#include "widgets/colorswatch.h"
#include "ui/picker/frmgetcolor.h"
#include "ui/picker/frmpick.h"
#include "ui/palette/palettegrid.h"
#include "shell/palettetools.h"
#include "ui/palette/paletteview.h"
#include "ui/picker/screenpicker.h"
#include "support/windowfixture.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QEnterEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QToolBar>
#include <QToolButton>

#include <functional>
#include <optional>

#include <gtest/gtest.h>

using namespace prismara;
using prismara::test::FakePlatform;
using prismara::test::WindowFixture;

namespace {

// Every pixel of the frozen pictures has a colour of its own, so a wrong pixel cannot pass.
QRgb patternRgb(int x, int y) { return qRgb(x & 255, y & 255, ((x >> 8) << 4) | (y >> 8)); }
ColorValue patternColor(int x, int y) { return FromQColor(QColor::fromRgb(patternRgb(x, y))); }

QImage patternImage(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, patternRgb(x, y));
    return image;
}

ScreenCapture patternCapture(int width = 1920, int height = 1080)
{
    ScreenCapture capture;
    capture.image = patternImage(width, height);
    capture.geometry = QRect(0, 0, width, height);
    return capture;
}

QString hex(ColorValue color) { return QString::fromStdString(HtmlHex(color)); }
QByteArray record(ColorValue color) { return hex(color).mid(1).toLatin1(); }

QString autostopKey() { return FakePlatform::settingKey("quorvel software", "Prismara 4.6", "autostop"); }

// Runs the deletions the picker left for after its own event handlers.
void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
}

class Picker : public ::testing::Test
{
public:
    void SetUp() override
    {
        w.platform.capture = patternCapture();
        w.platform.clipboard = "copied by the user";
    }

    PaletteTools* tools() const { return w.window->findChild<PaletteTools*>("paletteTools"); }
    PaletteView* view() const { return w.window->palette(); }
    ScreenPicker* picker() const { return tools()->picker(); }
    FrmGetColor* getColor() const { return picker() ? picker()->getColorWindow() : nullptr; }
    FrmPick* pick() const { return picker() ? picker()->pickWindow() : nullptr; }
    template <typename T> T* inPick(const char* name) const { return pick()->findChild<T*>(name); }

    void start()
    {
        w.window->action("mnustartpick")->trigger();
        ASSERT_NE(picker(), nullptr);
        ASSERT_NE(getColor(), nullptr);
        ASSERT_NE(pick(), nullptr);
    }

    void moveTo(QPointF at) const
    {
        QMouseEvent move(QEvent::MouseMove, at, getColor()->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(getColor(), &move);
    }

    void click(QPoint at, Qt::MouseButton button = Qt::LeftButton) const
    {
        QTest::mouseClick(getColor(), button, Qt::NoModifier, at);
        settle();
    }

    QByteArray palette(const QString& file) const { return w.fileBytes(file); }

    WindowFixture w;
};

} // namespace

TEST_F(Picker, StartHidesTheMainWindowAndFreezesTheScreenWithoutTouchingTheClipboard)
{
    start();
    EXPECT_FALSE(w.window->isVisible());
    EXPECT_EQ(w.platform.sleeps, 1);
    EXPECT_TRUE(getColor()->isVisible());
    EXPECT_TRUE(getColor()->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(getColor()->geometry(), QRect(0, 0, 1920, 1080));
    EXPECT_EQ(getColor()->cursor().hotSpot(), QPoint(11, 20));
    EXPECT_EQ(getColor()->cursor().bitmap().size(), QSize(32, 32));
    EXPECT_FALSE(getColor()->shpshow()->isVisible()) << "the square waits for the first move";
    EXPECT_EQ(getColor()->pickedColor(), kBlack);

    EXPECT_TRUE(pick()->isVisible());
    EXPECT_EQ(pick()->windowTitle(), "Pick&Save Color");
    EXPECT_TRUE(w.platform.topMost.contains(pick()));
    EXPECT_FALSE(w.platform.topMost.contains(getColor()));
    for (const char* name : {"cmbSaveTo", "lblcor", "txtHex", "txtRgb", "Check1", "cmdStop"})
        EXPECT_NE(pick()->findChild<QWidget*>(name), nullptr) << name;
    EXPECT_EQ(inPick<QCheckBox>("Check1")->text(), "Pick colors continuously");
    EXPECT_EQ(inPick<QPushButton>("cmdStop")->text(), "&Stop");

    // Only palettes that can take colours are offered, in index order.
    QStringList offered;
    for (int i = 0; i < pick()->saveTo()->count(); ++i)
        offered << pick()->saveTo()->itemText(i);
    EXPECT_EQ(offered, (QStringList{"Web Safe Colors", "Recent Colors", "Basic 16 Colors", "Rainbow", "Tints and Shades",
                                    "Pastels"}));

    EXPECT_EQ(w.platform.clipboard, "copied by the user");
    EXPECT_EQ(w.platform.clipboardClears, 0);
    EXPECT_EQ(w.platform.clipboardSets, 0);
}

TEST_F(Picker, TheToolbarButtonStartsTheSamePicker)
{
    auto* button = w.window->toolbar()->findChild<QToolButton*>("pickcolor");
    ASSERT_NE(button, nullptr);
    QTest::mouseClick(button, Qt::LeftButton);
    ASSERT_NE(picker(), nullptr);
    EXPECT_TRUE(getColor()->isVisible());
    EXPECT_FALSE(w.window->isVisible());
}

TEST_F(Picker, TheSquareFollowsThePointerWithTheColourUnderIt)
{
    start();
    struct Case
    {
        const char* name;
        QPoint pointer;
        QPoint square;
    } cases[] = {
        {"near the top", {10, 50}, {25, 55}},
        {"near the right edge of a 1920 pixel screen", {1900, 500}, {1795, 385}},
        {"middle", {700, 400}, {715, 285}},
        {"top right corner", {1850, 30}, {1745, 35}},
    };
    for (const Case& c : cases) {
        moveTo(c.pointer);
        const ColorValue under = patternColor(c.pointer.x(), c.pointer.y());
        QWidget* square = getColor()->shpshow();
        EXPECT_TRUE(square->isVisible()) << c.name;
        EXPECT_EQ(square->geometry(), QRect(c.square, QSize(100, 100))) << c.name;
        EXPECT_EQ(FromQColor(square->palette().color(QPalette::Window)), under) << c.name;
        EXPECT_EQ(getColor()->pickedColor(), under) << c.name;
        EXPECT_EQ(inPick<QLineEdit>("txtHex")->text(), hex(under)) << c.name;
        EXPECT_EQ(inPick<QLineEdit>("txtRgb")->text(), QString::fromStdString(RgbText(under))) << c.name;
        EXPECT_EQ(inPick<ColorSwatch>("lblcor")->color(), under) << c.name;
    }

    // Over the tool window the square goes away.
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), pick()->mapToGlobal(QPointF(5, 5)));
    QApplication::sendEvent(pick(), &enter);
    EXPECT_FALSE(getColor()->shpshow()->isVisible());
}

TEST_F(Picker, TheEdgeRuleUsesThePrimaryScreenWidth)
{
    w.platform.screenSize = QSize(1280, 1024);
    start();
    moveTo(QPoint(1200, 500));
    EXPECT_EQ(getColor()->shpshow()->pos(), QPoint(1095, 385));
    moveTo(QPoint(1160, 500));
    EXPECT_EQ(getColor()->shpshow()->pos(), QPoint(1175, 385));
}

TEST_F(Picker, HighDensityPicturesAreReadAtTheirOwnPixels)
{
    // A 2x screen: 960 x 540 logical pixels shown by 1920 x 1080 device pixels.
    ScreenCapture capture = patternCapture(1920, 1080);
    capture.image.setDevicePixelRatio(2.0);
    capture.geometry = QRect(0, 0, 960, 540);
    w.platform.capture = capture;
    start();
    EXPECT_EQ(getColor()->geometry(), QRect(0, 0, 960, 540));
    moveTo(QPointF(300, 200));
    EXPECT_EQ(getColor()->pickedColor(), patternColor(600, 400));
    moveTo(QPointF(300.5, 200.5));
    EXPECT_EQ(getColor()->pickedColor(), patternColor(601, 401));
    // The square is placed in the window's own (logical) pixels.
    EXPECT_EQ(getColor()->shpshow()->pos(), QPoint(315, 85));
}

TEST_F(Picker, OneClickSavesTheColourAndEndsPicking)
{
    const QByteArray before = palette("c1.rgb");
    start();
    EXPECT_EQ(pick()->pickSaveFile(), "c1.rgb");
    moveTo(QPoint(400, 300));
    const ColorValue picked = patternColor(400, 300);
    click(QPoint(400, 300));

    EXPECT_EQ(palette("c1.rgb"), before + record(picked)) << "exactly one record appended";
    EXPECT_EQ(w.edit("txtHex")->text(), hex(picked)) << "the picked colour is the current colour";
    EXPECT_TRUE(w.fileBytes("recent.rgb").endsWith(record(picked)));

    EXPECT_EQ(tools()->picker(), nullptr);
    for (QWidget* top : QApplication::topLevelWidgets()) {
        EXPECT_NE(top->objectName(), "frmGetColor");
        EXPECT_NE(top->objectName(), "frmpick");
    }
    EXPECT_TRUE(w.window->isVisible());
    EXPECT_EQ(view()->selectorPosition(), 0);
    EXPECT_EQ(view()->shownFile(), "c1.rgb");
    EXPECT_EQ(view()->curPage(), 1);
    EXPECT_EQ(view()->grid()->cellColor(0), picked) << "the new colour leads page 1";
    EXPECT_EQ(w.platform.clipboardClears, 0);
    EXPECT_TRUE(w.platform.errorsShown.isEmpty());
}

TEST_F(Picker, EveryMouseButtonPicks)
{
    for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
        const qsizetype before = palette("c1.rgb").size();
        start();
        moveTo(QPoint(123, 45));
        click(QPoint(123, 45), button);
        EXPECT_EQ(palette("c1.rgb").size(), before + 6) << button;
        EXPECT_EQ(tools()->picker(), nullptr) << button;
    }
}

TEST_F(Picker, AClickBeforeAnyMoveSavesBlack)
{
    const QByteArray before = palette("c1.rgb");
    start();
    QTest::mouseRelease(getColor(), Qt::LeftButton, Qt::NoModifier, QPoint(640, 480));
    settle();
    EXPECT_EQ(palette("c1.rgb"), before + "000000");
    EXPECT_EQ(w.edit("txtHex")->text(), "#000000");
}

TEST_F(Picker, SaveToPreselectsThePaletteOnViewWhenItCanTakeColours)
{
    w.platform.inputAnswers.push_back("My Picks");
    w.window->action("mnuNew")->trigger();
    const int userPosition = view()->selectorPosition();
    const QString userFile = view()->shownFile();
    ASSERT_GT(userPosition, 3);

    struct Case
    {
        const char* name;
        int selected;
        QString entry;
        QString file;
    } cases[] = {
        {"built-in palette", 0, "Web Safe Colors", "c1.rgb"},
        {"recent colours", 1, "Recent Colors", "recent.rgb"},
        {"read-only palette", 2, "Web Safe Colors", "c1.rgb"},
        {"second read-only palette", 3, "Web Safe Colors", "c1.rgb"},
        {"built-in after the read-only ones", 4, "Basic 16 Colors", "c4.rgb"},
        {"user palette", userPosition, "My Picks", userFile},
    };
    for (const Case& c : cases) {
        view()->selectPosition(c.selected);
        start();
        EXPECT_EQ(picker()->pickStartChart(), c.selected) << c.name;
        EXPECT_EQ(pick()->saveTo()->currentText(), c.entry) << c.name;
        EXPECT_EQ(pick()->pickSaveFile(), c.file) << c.name;
        QTest::mouseClick(inPick<QPushButton>("cmdStop"), Qt::LeftButton);
        settle();
    }
}

TEST_F(Picker, StopShowsTheChosenPaletteFoundByItsFileName)
{
    // Read-only palettes placed elsewhere than records 2 and 3: entry 2 is record 2 here.
    w.window.reset();
    w.writeFile("colorchart.cci", "c1.rgb\r\nWeb Safe Colors\r\n0\r\nrecent.rgb\r\nRecent Colors\r\n0\r\n"
                                  "c4.rgb\r\nBasic 16 Colors\r\n0\r\nc2.rgb\r\nCSS Named Colors\r\n2\r\n"
                                  "c3.rgb\r\nGrays\r\n2\r\nc5.rgb\r\nRainbow\r\n1\r\n");
    w.open();
    const QByteArray basic = palette("c4.rgb");
    start();
    pick()->saveTo()->setCurrentIndex(2);
    EXPECT_EQ(pick()->pickSaveFile(), "c4.rgb");
    moveTo(QPoint(77, 88));
    click(QPoint(77, 88));
    EXPECT_EQ(palette("c4.rgb"), basic + record(patternColor(77, 88)));
    EXPECT_EQ(view()->selectorPosition(), 2);
    EXPECT_EQ(view()->shownFile(), "c4.rgb");
    EXPECT_EQ(view()->grid()->cellColor(0), patternColor(77, 88));

    // The last entry is record 5, not entry + 2.
    start();
    pick()->saveTo()->setCurrentIndex(3);
    QTest::mouseClick(inPick<QPushButton>("cmdStop"), Qt::LeftButton);
    settle();
    EXPECT_EQ(view()->selectorPosition(), 5);
    EXPECT_EQ(view()->shownFile(), "c5.rgb");
}

TEST_F(Picker, EntryTwoOfTheShippedIndexSelectsRecordFour)
{
    start();
    pick()->saveTo()->setCurrentIndex(2);
    moveTo(QPoint(5, 6));
    click(QPoint(5, 6));
    EXPECT_EQ(view()->selectorPosition(), 4);
    EXPECT_EQ(view()->shownFile(), "c4.rgb");
}

TEST_F(Picker, ContinuousPickingSavesEveryClickUntilStop)
{
    w.platform.settings.insert(autostopKey(), "1");
    const QByteArray before = palette("c1.rgb");
    start();
    EXPECT_TRUE(inPick<QCheckBox>("Check1")->isChecked());
    const QPoint points[] = {{100, 100}, {200, 150}, {200, 150}};
    QByteArray expected = before;
    for (QPoint p : points) {
        moveTo(p);
        click(p);
        expected += record(patternColor(p.x(), p.y()));
        ASSERT_NE(picker(), nullptr) << "picking goes on";
        EXPECT_TRUE(getColor()->isVisible());
    }
    EXPECT_EQ(palette("c1.rgb"), expected) << "the same colour may be saved twice";
    EXPECT_EQ(w.edit("txtHex")->text(), hex(patternColor(200, 150)));
    EXPECT_FALSE(w.window->isVisible());

    QTest::mouseClick(inPick<QPushButton>("cmdStop"), Qt::LeftButton);
    settle();
    EXPECT_EQ(tools()->picker(), nullptr);
    EXPECT_TRUE(w.window->isVisible());
    EXPECT_EQ(view()->grid()->cellColor(0), patternColor(200, 150));
    EXPECT_EQ(view()->grid()->cellColor(2), patternColor(100, 100));
}

TEST_F(Picker, TheContinuousBoxIsRememberedInAutostop)
{
    struct Case
    {
        const char* name;
        std::optional<QString> stored;
        bool ticked;
    } cases[] = {
        {"absent", std::nullopt, false}, {"0", "0", false},     {"1", "1", true},
        {"-3", "-3", true},              {"not a number", "x", false},
    };
    for (const Case& c : cases) {
        w.platform.settings.remove(autostopKey());
        if (c.stored)
            w.platform.settings.insert(autostopKey(), *c.stored);
        const int writes = w.platform.settingWrites;
        start();
        EXPECT_EQ(inPick<QCheckBox>("Check1")->isChecked(), c.ticked) << c.name;
        EXPECT_EQ(w.platform.settingWrites, writes) << c.name << ": opening writes nothing";
        QTest::mouseClick(inPick<QPushButton>("cmdStop"), Qt::LeftButton);
        settle();
    }

    start();
    auto* box = inPick<QCheckBox>("Check1");
    box->click();
    EXPECT_EQ(w.platform.settings.value(autostopKey()), box->isChecked() ? "1" : "0");
    box->click();
    EXPECT_EQ(w.platform.settings.value(autostopKey()), box->isChecked() ? "1" : "0");
    const bool ticked = box->isChecked();
    QTest::mouseClick(inPick<QPushButton>("cmdStop"), Qt::LeftButton);
    settle();
    start();
    EXPECT_EQ(inPick<QCheckBox>("Check1")->isChecked(), ticked) << "remembered at the next start";
}

TEST_F(Picker, EscStopStopAndTheCloseButtonEndPickingWithoutSaving)
{
    const QByteArray before = palette("c1.rgb");
    const QString colour = w.edit("txtHex")->text();
    const std::function<void(Picker&)> enders[] = {
        [](Picker& t) { QTest::keyClick(t.getColor(), Qt::Key_Escape); },
        [](Picker& t) { QTest::keyClick(t.pick(), Qt::Key_Escape); },
        [](Picker& t) { QTest::mouseClick(t.inPick<QPushButton>("cmdStop"), Qt::LeftButton); },
        [](Picker& t) { t.pick()->close(); },
    };
    const char* names[] = {"Esc on the picture", "Esc on the tool window", "&Stop", "close button"};
    for (std::size_t i = 0; i < std::size(enders); ++i) {
        view()->selectPosition(1);
        start();
        moveTo(QPoint(300, 300));
        QPointer<QWidget> picture = getColor();
        QPointer<QWidget> tool = pick();
        enders[i](*this);
        settle();
        EXPECT_EQ(tools()->picker(), nullptr) << names[i];
        EXPECT_TRUE(picture.isNull()) << names[i];
        EXPECT_TRUE(tool.isNull()) << names[i];
        EXPECT_TRUE(w.window->isVisible()) << names[i];
        EXPECT_EQ(view()->selectorPosition(), 1) << names[i] << ": the chosen palette is shown";
        EXPECT_EQ(palette("c1.rgb"), before) << names[i];
        EXPECT_EQ(w.edit("txtHex")->text(), colour) << names[i];
    }
}

TEST_F(Picker, AFailedCaptureBringsTheWindowBackWithOneMessage)
{
    ScreenCapture failed;
    failed.error = "The screen could not be captured because the desktop refused or cancelled the screenshot.";
    w.platform.capture = failed;
    w.window->action("mnustartpick")->trigger();
    settle();
    EXPECT_TRUE(w.window->isVisible());
    ASSERT_EQ(w.platform.errorsShown.size(), 1);
    EXPECT_TRUE(w.platform.errorsShown.front().endsWith("|" + failed.error)) << w.platform.errorsShown.front().toStdString();
    EXPECT_EQ(tools()->picker(), nullptr);
    for (QWidget* top : QApplication::topLevelWidgets())
        EXPECT_FALSE(top->isVisible() && top->objectName() == "frmGetColor");
    EXPECT_EQ(w.platform.clipboard, "copied by the user");

    // The next attempt starts afresh.
    w.platform.capture = patternCapture();
    start();
    EXPECT_TRUE(getColor()->isVisible());
}

TEST_F(Picker, APaletteThatCannotBeWrittenIsReportedOnce)
{
    // A folder in the palette file's place makes the append fail.
    QFile::remove(w.path("c1.rgb"));
    ASSERT_TRUE(QDir(w.platform.folder()).mkdir("c1.rgb"));
    start();
    moveTo(QPoint(10, 10));
    click(QPoint(10, 10));
    ASSERT_EQ(w.platform.errorsShown.size(), 1);
    EXPECT_TRUE(w.platform.errorsShown.front().contains("c1.rgb")) << w.platform.errorsShown.front().toStdString();
    EXPECT_EQ(w.edit("txtHex")->text(), hex(patternColor(10, 10))) << "the colour is still taken";
    EXPECT_TRUE(w.window->isVisible());
}

TEST(PickerOnScreen, PicksFromAnotherWindowOnTheScreen)
{
    // No injected picture: the fake platform grabs the offscreen screen, which shows the
    // visible windows.
    WindowFixture w;
    QWidget other;
    other.setWindowFlag(Qt::FramelessWindowHint);
    other.setAutoFillBackground(true);
    QPalette pal = other.palette();
    pal.setColor(QPalette::Window, QColor(0x33, 0x66, 0xCC));
    other.setPalette(pal);
    other.setGeometry(40, 40, 200, 200);
    other.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&other));

    const QByteArray before = w.fileBytes("c1.rgb");
    w.window->action("mnustartpick")->trigger();
    auto* tools = w.window->findChild<PaletteTools*>("paletteTools");
    ASSERT_NE(tools->picker(), nullptr) << (w.platform.errorsShown.isEmpty() ? "" : w.platform.errorsShown.front().toStdString());
    FrmGetColor* picture = tools->picker()->getColorWindow();
    QMouseEvent move(QEvent::MouseMove, QPointF(140, 140), picture->mapToGlobal(QPointF(140, 140)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(picture, &move);
    QTest::mouseClick(picture, Qt::LeftButton, Qt::NoModifier, QPoint(140, 140));
    settle();
    EXPECT_EQ(w.fileBytes("c1.rgb"), before + "3366CC");
    EXPECT_EQ(w.edit("txtHex")->text(), "#3366CC");
}
