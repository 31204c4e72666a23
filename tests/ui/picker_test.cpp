// The screen picker on a real main window: starting from the menu and the toolbar, following the
// pointer over a frozen picture of known pixels, saving picked colours to the chosen palette,
// stopping, and a capture that fails.
#include "shell/palettetools.h"
#include "support/windowfixture.h"
#include "ui/palette/palettegrid.h"
#include "ui/palette/paletteview.h"
#include "ui/picker/frmgetcolor.h"
#include "ui/picker/frmpick.h"
#include "ui/picker/pickerloupe.h"
#include "ui/picker/screenpicker.h"
#include "widgets/colorswatch.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QEnterEvent>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QToolBar>
#include <QToolButton>

using namespace prismara;

namespace {

// Every pixel of the frozen pictures has a colour of its own, so a wrong pixel cannot pass.
QRgb patternRgb(int x, int y) { return qRgb(x & 255, y & 255, ((x >> 8) << 4) | (y >> 8)); }
ColorValue patternColor(int x, int y) { return FromQColor(QColor::fromRgb(patternRgb(x, y))); }
// Checker: black and white squares of one pixel, white where x + y is even.
ScreenCapture patternCapture(int width = 1920, int height = 1080, bool checker = false)
{
    ScreenCapture capture;
    capture.image = QImage(width, height, QImage::Format_RGB32);
    capture.geometry = QRect(0, 0, width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            capture.image.setPixel(x, y, !checker ? patternRgb(x, y) : (x + y) % 2 ? 0xFF000000u : 0xFFFFFFFFu);
    return capture;
}
QByteArray record(ColorValue color) { return QByteArray::fromStdString(HtmlHex(color).substr(1)); }
QString autostopKey() { return test::FakePlatform::settingKey("quorvel software", "Prismara 4.6", "autostop"); }

// Runs the deletions the picker left for after its own event handlers.
void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
}

class Picker : public ::testing::Test, public test::WindowFixture
{
public:
    Picker() : WindowFixture(true, false)
    {
        platform.capture = patternCapture();
        platform.clipboard = "copied by the user";
    }
    PaletteView* view() const { return window->palette(); }
    ScreenPicker* picker() const { return window->findChild<PaletteTools*>("paletteTools")->picker(); }
    FrmGetColor* getColor() const { return picker() ? picker()->getColorWindow() : nullptr; }
    FrmPick* pick() const { return picker() ? picker()->pickWindow() : nullptr; }
    template <typename T> T* inPick(const char* name) const { return pick()->findChild<T*>(name); }
    QString txtHex() const { return find<QLineEdit>("txtHex")->text(); }

    void start() const
    {
        action("mnustartpick")->trigger();
        ASSERT_NE(pick(), nullptr);
    }
    void stop() const
    {
        QTest::mouseClick(inPick<QPushButton>("cmdStop"), Qt::LeftButton);
        settle();
    }
    void moveTo(QPointF at) const
    {
        QMouseEvent move(QEvent::MouseMove, at, getColor()->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(getColor(), &move);
    }
    void key(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) const
    {
        QTest::keyClick(getColor(), key, mods);
    }
    void wheel(int eighths, Qt::KeyboardModifiers mods = Qt::NoModifier) const
    {
        const QPointF at(400, 300);
        QWheelEvent event(at, getColor()->mapToGlobal(at), {}, QPoint(0, eighths), Qt::NoButton, mods,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(getColor(), &event);
    }
    void clickAt(QPoint at, Qt::MouseButton button = Qt::LeftButton) const
    {
        QTest::mouseClick(getColor(), button, Qt::NoModifier, at);
        settle();
    }
};

} // namespace

TEST_F(Picker, StartHidesTheMainWindowAndFreezesTheScreenWithoutTouchingTheClipboard)
{
    open();
    click(window->toolbar()->findChild<QToolButton*>("pickcolor"));
    ASSERT_NE(pick(), nullptr);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(platform.sleeps, 1);
    EXPECT_TRUE(getColor()->isVisible());
    EXPECT_EQ(getColor()->geometry(), QRect(0, 0, 1920, 1080));
    EXPECT_FALSE(getColor()->shpshow()->isVisible()) << "the square waits for the first move";
    EXPECT_TRUE(pick()->isVisible() && platform.topMost.contains(pick()));
    EXPECT_EQ(pick()->saveTo()->count(), window->menu("mnuAddto")->actions().size());
    EXPECT_EQ(platform.clipboard, "copied by the user");
    EXPECT_EQ(platform.clipboardClears + platform.clipboardSets, 0);
}

TEST_F(Picker, TheSquareFollowsThePointerWithTheColourUnderIt)
{
    platform.screenSize = QSize(1280, 1024);
    open();
    start();
    const struct
    {
        QPoint pointer, square;
    } cases[] = {{{10, 50}, {25, 55}}, {{1160, 500}, {1175, 385}}, {{1200, 500}, {1095, 385}}};
    for (const auto& c : cases) {
        moveTo(c.pointer);
        const ColorValue under = patternColor(c.pointer.x(), c.pointer.y());
        QWidget* square = getColor()->shpshow();
        EXPECT_TRUE(square->isVisible());
        EXPECT_EQ(square->pos(), c.square) << "the edge rule uses the primary screen's width";
        EXPECT_EQ(FromQColor(square->palette().color(QPalette::Window)), under);
        EXPECT_EQ(inPick<QLineEdit>("txtHex")->text().toStdString(), HtmlHex(under));
        EXPECT_EQ(inPick<QLineEdit>("txtRgb")->text().toStdString(), RgbText(under));
        EXPECT_EQ(inPick<ColorSwatch>("lblcor")->color(), under);
    }
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), pick()->mapToGlobal(QPointF(5, 5)));
    QApplication::sendEvent(pick(), &enter);
    EXPECT_FALSE(getColor()->shpshow()->isVisible()) << "over the tool window the square goes";
    stop();

    // A 2x screen: 960 x 540 logical pixels shown by 1920 x 1080 device pixels.
    platform.capture->image.setDevicePixelRatio(2.0);
    platform.capture->geometry = QRect(0, 0, 960, 540);
    start();
    EXPECT_EQ(getColor()->geometry(), QRect(0, 0, 960, 540));
    moveTo(QPointF(300.5, 200.5));
    EXPECT_EQ(getColor()->pickedColor(), patternColor(601, 401));
}

TEST_F(Picker, OneClickOfAnyButtonSavesTheColourEndsPickingAndShowsThePalette)
{
    open();
    QByteArray expected = bytes("c1.rgb");
    start();
    QTest::mouseRelease(getColor(), Qt::LeftButton, Qt::NoModifier, QPoint(640, 480));
    settle();
    expected += "000000";
    EXPECT_EQ(bytes("c1.rgb"), expected) << "a click before any move saves black";
    for (const Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton, Qt::LeftButton}) {
        start();
        moveTo(QPoint(400, 300));
        clickAt(QPoint(400, 300), button);
        expected += record(patternColor(400, 300));
        EXPECT_EQ(bytes("c1.rgb"), expected) << button;
        EXPECT_EQ(picker(), nullptr) << button;
    }
    EXPECT_EQ(txtHex().toStdString(), HtmlHex(patternColor(400, 300))) << "the picked colour is current";
    EXPECT_TRUE(bytes("recent.rgb").endsWith(record(patternColor(400, 300))));
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(view()->shownFile(), "c1.rgb");
    EXPECT_EQ(view()->grid()->cellColor(0), patternColor(400, 300)) << "the new colour leads page 1";
    EXPECT_TRUE(platform.errorsShown.isEmpty());
}

TEST_F(Picker, SaveToPreselectsThePaletteOnViewAndStopShowsTheChosenOneByItsFileName)
{
    // Read-only palettes elsewhere than records 2 and 3: entry 2 is record 2, entry 3 record 5.
    write("colorchart.cci", "c1.rgb\r\nWeb Safe Colors\r\n0\r\nrecent.rgb\r\nRecent Colors\r\n0\r\n"
                            "c4.rgb\r\nBasic 16 Colors\r\n0\r\nc2.rgb\r\nCSS Named Colors\r\n2\r\n"
                            "c3.rgb\r\nGrays\r\n2\r\nc5.rgb\r\nRainbow\r\n1\r\n");
    open();
    const std::pair<int, const char*> preselected[] = {{1, "recent.rgb"}, {3, "c1.rgb"}, {5, "c5.rgb"}};
    for (const auto& [selected, file] : preselected) {
        view()->selectPosition(selected);
        start();
        EXPECT_EQ(pick()->pickSaveFile(), file) << selected;
        stop();
    }
    const QByteArray basic = bytes("c4.rgb");
    start();
    pick()->saveTo()->setCurrentIndex(2);
    moveTo(QPoint(77, 88));
    clickAt(QPoint(77, 88));
    EXPECT_EQ(bytes("c4.rgb"), basic + record(patternColor(77, 88)));
    EXPECT_EQ(view()->selectorPosition(), 2);
    start();
    pick()->saveTo()->setCurrentIndex(3);
    stop();
    EXPECT_EQ(view()->selectorPosition(), 5);
    EXPECT_EQ(view()->shownFile(), "c5.rgb");
}

TEST_F(Picker, ContinuousPickingSavesEveryClickUntilStopAndIsRemembered)
{
    for (const auto& [stored, ticked] : {std::pair{"0", false}, {"-3", true}, {"x", false}}) {
        platform.settings.insert(autostopKey(), stored);
        open();
        const int writes = platform.settingWrites;
        start();
        EXPECT_EQ(inPick<QCheckBox>("Check1")->isChecked(), ticked) << stored;
        EXPECT_EQ(platform.settingWrites, writes) << stored << ": opening writes nothing";
        stop();
    }
    platform.settings.remove(autostopKey());
    QByteArray expected = bytes("c1.rgb");
    start();
    inPick<QCheckBox>("Check1")->click();
    EXPECT_EQ(platform.settings.value(autostopKey()), "1");
    for (const QPoint p : {QPoint(100, 100), QPoint(200, 150), QPoint(200, 150)}) {
        moveTo(p);
        clickAt(p);
        expected += record(patternColor(p.x(), p.y()));
        ASSERT_NE(picker(), nullptr) << "picking goes on";
    }
    EXPECT_EQ(bytes("c1.rgb"), expected) << "the same colour may be saved twice";
    EXPECT_FALSE(window->isVisible());
    stop();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(view()->grid()->cellColor(2), patternColor(100, 100));
    start();
    EXPECT_TRUE(inPick<QCheckBox>("Check1")->isChecked()) << "remembered at the next start";
}

TEST_F(Picker, EscStopAndTheCloseButtonEndPickingWithoutSaving)
{
    open();
    const QByteArray before = bytes("c1.rgb");
    const QString colour = txtHex();
    const std::function<void()> enders[] = {
        [&] { QTest::keyClick(getColor(), Qt::Key_Escape); },
        [&] { QTest::keyClick(pick(), Qt::Key_Escape); },
        [&] { pick()->close(); },
    };
    for (std::size_t i = 0; i < std::size(enders); ++i) {
        view()->selectPosition(1);
        start();
        moveTo(QPoint(300, 300));
        QPointer<QWidget> picture = getColor(), tool = pick();
        enders[i]();
        settle();
        EXPECT_TRUE(picker() == nullptr && picture.isNull() && tool.isNull()) << i;
        EXPECT_TRUE(window->isVisible()) << i;
        EXPECT_EQ(view()->selectorPosition(), 1) << i << ": the chosen palette is shown";
        EXPECT_EQ(bytes("c1.rgb"), before) << i;
        EXPECT_EQ(txtHex(), colour) << i;
    }
}

TEST_F(Picker, AFailedCaptureOrAPaletteThatCannotBeWrittenIsReportedOnce)
{
    ScreenCapture failed;
    failed.error = "The screen could not be captured because the desktop refused or cancelled the screenshot.";
    platform.capture = failed;
    open();
    action("mnustartpick")->trigger();
    settle();
    EXPECT_TRUE(window->isVisible());
    ASSERT_EQ(platform.errorsShown.size(), 1);
    EXPECT_TRUE(platform.errorsShown.takeFirst().endsWith("|" + failed.error));
    EXPECT_EQ(picker(), nullptr);

    // The next attempt starts afresh; a folder in the palette file's place makes the append fail.
    platform.capture = patternCapture();
    QFile::remove(path("c1.rgb"));
    ASSERT_TRUE(QDir(platform.folder()).mkdir("c1.rgb"));
    start();
    moveTo(QPoint(10, 10));
    clickAt(QPoint(10, 10));
    ASSERT_EQ(platform.errorsShown.size(), 1);
    EXPECT_TRUE(platform.errorsShown.front().contains("c1.rgb")) << platform.errorsShown.front().toStdString();
    EXPECT_EQ(txtHex().toStdString(), HtmlHex(patternColor(10, 10))) << "the colour is still taken";
}

TEST_F(Picker, TheLoupeFollowsThePointerZoomsWithTheWheelAndLetsClicksThrough)
{
    open();
    start();
    PickerLoupe* loupe = getColor()->loupe();
    EXPECT_FALSE(loupe->isVisible()) << "the loupe waits for the first move";
    EXPECT_TRUE(loupe->testAttribute(Qt::WA_TransparentForMouseEvents));
    for (const QPoint p : {QPoint(700, 500), QPoint(1910, 1075), QPoint(3, 3)}) {
        moveTo(p);
        EXPECT_TRUE(loupe->isVisible());
        EXPECT_EQ(loupe->centre(), p);
        EXPECT_EQ(loupe->hexText().toStdString(), HtmlHex(patternColor(p.x(), p.y())));
        EXPECT_FALSE(loupe->geometry().intersects(getColor()->shpshow()->geometry())) << p.x() << "," << p.y();
    }
    const std::pair<int, int> zooms[] = {{120, 12}, {60, 12}, {60, 14}, {-120 * 20, 4}, {120 * 20, 24}};
    for (const auto& [eighths, zoom] : zooms) {
        const int side = loupe->width();
        wheel(eighths);
        EXPECT_EQ(loupe->zoom(), zoom) << eighths;
        EXPECT_TRUE(loupe->width() != side || eighths == 60 || zoom == 4 || zoom == 24)
            << "resized with the zoom";
    }
    EXPECT_EQ(loupe->width(), kLoupeSpan * 24) << "device pixels per picture pixel";
    wheel(-120);
    stop();
    start();
    EXPECT_EQ(getColor()->loupe()->zoom(), 22) << "the next picker starts at the zoom this one was left at";
}

TEST_F(Picker, ArrowKeysMoveOneDevicePixelAndEnterOrSpaceTakesTheColour)
{
    platform.capture->image.setDevicePixelRatio(2.0);
    platform.capture->geometry = QRect(0, 0, 960, 540);
    open();
    QByteArray expected = bytes("c1.rgb");
    start();
    inPick<QCheckBox>("Check1")->setChecked(true);
    moveTo(QPointF(300.5, 200.5));
    const struct
    {
        Qt::Key key;
        Qt::KeyboardModifiers mods;
        QPoint pixel;
    } steps[] = {{Qt::Key_Right, Qt::NoModifier, {602, 401}},
                 {Qt::Key_Down, Qt::NoModifier, {602, 402}},
                 {Qt::Key_Left, Qt::ShiftModifier, {592, 402}},
                 {Qt::Key_Up, Qt::ShiftModifier, {592, 392}}};
    for (const auto& s : steps) {
        key(s.key, s.mods);
        EXPECT_EQ(getColor()->sampledPixel(), s.pixel) << s.key;
        EXPECT_EQ(getColor()->pickedColor(), patternColor(s.pixel.x(), s.pixel.y())) << s.key;
        EXPECT_EQ(platform.pointerMoves.last(), QPointF(s.pixel) / 2 + QPointF(0.25, 0.25))
            << "the pointer follows";
        EXPECT_EQ(getColor()->loupe()->centre(), s.pixel);
    }
    key(Qt::Key_Return);
    key(Qt::Key_Space);
    expected += record(patternColor(592, 392)) + record(patternColor(592, 392));
    EXPECT_EQ(bytes("c1.rgb"), expected);
    for (int i = 0; i < 80; ++i)
        key(Qt::Key_Up, Qt::ShiftModifier);
    EXPECT_EQ(getColor()->sampledPixel(), QPoint(592, 0)) << "kept on the picture";
}

TEST_F(Picker, SampledSquaresAndDraggedRectanglesAverageInLinearLight)
{
    platform.capture = patternCapture(1920, 1080, true);
    open();
    start();
    EXPECT_EQ(inPick<QComboBox>("cmbSampleSize")->currentIndex(), 0) << "one pixel unless chosen";
    moveTo(QPoint(100, 100)); // white, black around it
    const struct
    {
        Qt::Key key;
        int size;
        ColorValue taken;
    } sizes[] = {{Qt::Key_2, 3, MakeColor(197, 197, 197)},
                 {Qt::Key_3, 5, MakeColor(191, 191, 191)},
                 {Qt::Key_4, 9, MakeColor(189, 189, 189)},
                 {Qt::Key_1, 1, kWhite}};
    for (const auto& s : sizes) {
        key(s.key);
        EXPECT_EQ(getColor()->pickedColor(), s.taken) << s.size;
        EXPECT_EQ(pick()->sampleSize(), s.size) << "the tool window's control follows the key";
        EXPECT_EQ(getColor()->loupe()->hexText().toStdString(), HtmlHex(s.taken));
    }
    inPick<QComboBox>("cmbSampleSize")->setCurrentIndex(1);
    EXPECT_EQ(getColor()->sampleSize(), 3);
    EXPECT_EQ(platform.settings.value(
                  test::FakePlatform::settingKey("quorvel software", "Prismara 4.6", "picksamplesize")),
              "3");
    // A rectangle of 4 x 2 pixels, half of them white, dragged from its corner.
    QTest::mousePress(getColor(), Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    QMouseEvent drag(QEvent::MouseMove, QPointF(13, 11), getColor()->mapToGlobal(QPointF(13, 11)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(getColor(), &drag);
    EXPECT_EQ(getColor()->sampledArea(), (PixelRect{10, 10, 4, 2}));
    const QByteArray before = bytes("c1.rgb");
    QTest::mouseRelease(getColor(), Qt::LeftButton, Qt::NoModifier, QPoint(13, 11));
    settle();
    EXPECT_EQ(bytes("c1.rgb"), before + "BCBCBC");
    start();
    EXPECT_EQ(pick()->sampleSize(), 3) << "remembered";
}

TEST_F(Picker, PicksFromAnImageFileOrTheClipboardInTheSameWindow)
{
    open();
    const QString file = platform.folder() + "/big.png";
    ASSERT_TRUE(patternCapture(3000, 400).image.save(file));
    QFile(platform.folder() + "/junk.png").open(QIODevice::WriteOnly);
    platform.openAnswers = {{}, {platform.folder() + "/junk.png"}, {file}};
    action("mnuPickImage")->trigger();
    EXPECT_EQ(picker(), nullptr) << "cancelled";
    action("mnuPickImage")->trigger();
    ASSERT_EQ(platform.errorsShown.size(), 1);
    EXPECT_TRUE(platform.errorsShown.takeFirst().contains("junk.png"));
    EXPECT_TRUE(window->isVisible());
    action("mnuPickImage")->trigger();
    ASSERT_NE(getColor(), nullptr);
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(getColor()->findChild<QScrollBar*>()->isVisible()) << "wider than the screen: scrolled";
    moveTo(QPoint(50, 60));
    EXPECT_EQ(getColor()->pickedColor(), patternColor(50, 60));
    wheel(120, Qt::ControlModifier);
    EXPECT_EQ(getColor()->viewZoom(), 2);
    // 2 device pixels a picture pixel; the 400 pixels high picture now fills the screen's height.
    for (const QPointF at : {QPointF(400.5, 300.5), QPointF(401.5, 301.5)})
        EXPECT_EQ(getColor()->pixelAt(at), patternColor(400, 150)) << "zoomed about the pointer";
    for (int i = 0; i < 300; ++i)
        key(Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(getColor()->sampledPixel(), QPoint(2999, 60));
    EXPECT_EQ(getColor()->pixelAt(platform.pointerMoves.last()), patternColor(2999, 60))
        << "scrolled into view";
    key(Qt::Key_Return);
    settle();
    EXPECT_TRUE(bytes("c1.rgb").endsWith(record(patternColor(2999, 60))));

    platform.clipboardPicture = QImage();
    action("mnuPickClipboard")->trigger();
    ASSERT_EQ(platform.errorsShown.size(), 1);
    platform.clipboardPicture = patternCapture(20, 20, true).image;
    action("mnuPickClipboard")->trigger();
    ASSERT_NE(getColor(), nullptr);
    moveTo(QPoint(5, 5));
    key(Qt::Key_2);
    clickAt(QPoint(5, 5));
    EXPECT_EQ(txtHex(), "#C5C5C5");
}
