// Tests of the colour wheel frame in the real main window: the wheel and square cells, the wheel
// type and display commands, Lock, the harmony marks, clicks and tool tips, stored settings.
#include "core/colour/colornames.h"
#include "shell/frmshowcolor.h"
#include "core/colour/colorvalue.h"
#include "support/fakeplatform.h"
#include "ui/wheel/colorcellring.h"
#include "ui/wheel/colorwheelframe.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QHelpEvent>
#include <QImage>
#include <QLineEdit>
#include <QMouseEvent>
#include <QListWidget>
#include <QStringList>
#include <QTest>
#include <QToolButton>
#include <QToolTip>

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <memory>
#include <set>
#include <string>

using namespace prismara;

namespace {

using Cells = std::array<ColorValue, 12>;

constexpr ColorValue rgb(int r, int g, int b) { return MakeColor(r, g, b); }

const ColorValue kRed = rgb(255, 0, 0);
const ColorValue kBlue = rgb(0, 0, 255);

const Cells kRedRgbWheel = {rgb(255, 0, 0),   rgb(255, 128, 0), rgb(255, 255, 0), rgb(128, 255, 0),
                            rgb(0, 255, 0),   rgb(0, 255, 128), rgb(0, 255, 255), rgb(0, 128, 255),
                            rgb(0, 0, 255),   rgb(128, 0, 255), rgb(255, 0, 255), rgb(255, 0, 128)};
const Cells kRedRybWheel = {rgb(255, 0, 0),  rgb(255, 64, 0),  rgb(255, 128, 0), rgb(255, 191, 0),
                            rgb(255, 255, 0), rgb(94, 255, 0), rgb(0, 255, 64),  rgb(0, 255, 221),
                            rgb(0, 128, 255), rgb(34, 0, 255), rgb(191, 0, 255), rgb(255, 0, 161)};
const Cells kBlueRybWheel = {rgb(0, 0, 255),   rgb(161, 0, 255), rgb(255, 0, 191), rgb(255, 0, 34),
                             rgb(255, 51, 0),  rgb(255, 115, 0), rgb(255, 178, 0), rgb(255, 242, 0),
                             rgb(128, 255, 0), rgb(0, 255, 34),  rgb(0, 255, 191), rgb(0, 162, 255)};

// The cells each harmony marks, in the order of the harmony list.
struct HarmonyRow {
    const char* caption;
    std::set<int> marked;
};
const HarmonyRow kHarmonies[] = {
    {"Analogous", {0, 1, 11}},
    {"Complements", {0, 6}},
    {"Split-Complements", {0, 5, 7}},
    {"Triad", {0, 4, 8}},
    {"Tetrad", {2, 4, 8, 10}},
};

std::string hex(ColorValue c) { return HtmlHex(c); }

QString settingKey(const char* key) { return test::FakePlatform::settingKey("quorvel software", "Prismara 4.6", key); }

class WheelFrame : public ::testing::Test
{
protected:
    FrmShowColor& open()
    {
        window_ = std::make_unique<FrmShowColor>(platform);
        window_->show();
        return *window_;
    }

    FrmShowColor& window() { return *window_; }
    template <typename T> T* find(const char* name)
    {
        T* widget = window_->findChild<T*>(name);
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    ColorWheelFrame* frame() { return find<ColorWheelFrame>("fraColorWheel"); }
    ColorCellRing* wheel() { return find<ColorCellRing>("shpColorWheel"); }
    ColorCellRing* square() { return find<ColorCellRing>("lblColorSquare"); }
    QAction* action(const char* name) { return window_->action(name); }
    QComboBox* harmonyList() { return find<QComboBox>("cmbColorwheel"); }

    Cells cells(const ColorCellRing* ring) const
    {
        Cells c{};
        for (int i = 0; i < 12; ++i)
            c[static_cast<std::size_t>(i)] = ring->cellColor(i);
        return c;
    }
    std::set<int> marked(const ColorCellRing* ring) const
    {
        std::set<int> shown;
        for (int i = 0; i < 12; ++i)
            if (ring->markerVisible(i))
                shown.insert(i);
        return shown;
    }

    // The user picks a harmony with the keyboard: first entry, then down.
    void chooseHarmony(int index)
    {
        QComboBox* list = harmonyList();
        QTest::keyClick(list, Qt::Key_Home);
        for (int i = 0; i < index; ++i)
            QTest::keyClick(list, Qt::Key_Down);
        ASSERT_EQ(list->currentIndex(), index);
    }

    void clickCell(ColorCellRing* ring, int index, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseClick(ring, button, {}, ring->cellRect(index).center().toPoint());
    }

    void clickDisplayButton() { QTest::mouseClick(find<QToolButton>("colorsquare"), Qt::LeftButton); }

    test::FakePlatform platform;

private:
    std::unique_ptr<FrmShowColor> window_;
};

TEST_F(WheelFrame, ControlsSitAtTheirDesignedPlaces)
{
    open();
    ColorWheelFrame* fra = frame();
    EXPECT_EQ(fra->size(), QSize(122, 168));
    EXPECT_EQ(find<QCheckBox>("chkLock")->text(), "Lock");
    EXPECT_EQ(find<QCheckBox>("chkLock")->geometry().topLeft(), QPoint(36, 15));
    EXPECT_EQ(find<QCheckBox>("chkLock")->width(), 63);
    EXPECT_EQ(harmonyList()->geometry().topLeft(), QPoint(3, 139));
    EXPECT_EQ(harmonyList()->width(), 115);
    ASSERT_EQ(harmonyList()->count(), 5);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(harmonyList()->itemText(i), kHarmonies[i].caption);

    // In frame pixels: designed twips / 15.
    auto inFrame = [](ColorCellRing* ring, QRectF r) { return r.translated(ring->pos()); };
    struct Place {
        int cell;
        double left, top;
    };
    const Place wheelPlaces[] = {
        {0, 49.0, 38.0}, {1, 67.6667, 43.0017}, {3, 86.3333, 75.3333}, {6, 49.0, 112.6667}, {9, 11.6667, 75.3333}};
    for (const Place& p : wheelPlaces) {
        const QRectF r = inFrame(wheel(), wheel()->cellRect(p.cell));
        EXPECT_NEAR(r.left(), p.left, 1e-3) << "wheel cell " << p.cell;
        EXPECT_NEAR(r.top(), p.top, 1e-3) << "wheel cell " << p.cell;
        EXPECT_NEAR(r.width(), 17.0, 1e-9) << "wheel cell " << p.cell;
        EXPECT_NEAR(r.height(), 17.0, 1e-9) << "wheel cell " << p.cell;
    }
    // The markers lie on a circle of 24 pixels round the wheel's middle, marker 0 at (55, 56).
    const QPointF markerCentre(57.5, 58.5 + 24.0);
    for (int i = 0; i < 12; ++i) {
        const QRectF m = inFrame(wheel(), wheel()->markerRect(i));
        EXPECT_NEAR(m.width(), 5.0, 1e-9) << "wheel marker " << i;
        const QPointF d = m.center() - markerCentre;
        EXPECT_NEAR(std::hypot(d.x(), d.y()), 24.0, 1e-3) << "wheel marker " << i;
        // Each marker lies between its cell and the middle of the wheel.
        const QPointF toCell = inFrame(wheel(), wheel()->cellRect(i)).center() - m.center();
        EXPECT_GT(toCell.x() * d.x() + toCell.y() * d.y(), 0.0) << "wheel marker " << i;
    }
    EXPECT_NEAR(inFrame(wheel(), wheel()->markerRect(0)).left(), 55.0, 1e-9);
    EXPECT_NEAR(inFrame(wheel(), wheel()->markerRect(0)).top(), 56.0, 1e-9);

    // The square: clockwise round a four-by-four grid of 24-pixel pitch from (14, 37).
    const QPoint squareCells[12] = {{0, 0}, {1, 0}, {2, 0}, {3, 0}, {3, 1}, {3, 2},
                                    {3, 3}, {2, 3}, {1, 3}, {0, 3}, {0, 2}, {0, 1}};
    for (int i = 0; i < 12; ++i) {
        const QRectF r = inFrame(square(), square()->cellRect(i));
        EXPECT_EQ(r, QRectF(14 + 24 * squareCells[i].x(), 37 + 24 * squareCells[i].y(), 21, 21)) << "square cell " << i;
        const QRectF m = inFrame(square(), square()->markerRect(i));
        EXPECT_EQ(m.size(), QSizeF(5, 5)) << "square marker " << i;
        EXPECT_EQ(m.center(), r.center()) << "square marker " << i;
    }

    // Nothing of the cells reaches the Lock box or the harmony list.
    for (ColorCellRing* ring : {wheel(), square()}) {
        EXPECT_FALSE(ring->geometry().intersects(find<QCheckBox>("chkLock")->geometry())) << ring->objectName().toStdString();
        EXPECT_FALSE(ring->geometry().intersects(harmonyList()->geometry())) << ring->objectName().toStdString();
        EXPECT_TRUE(fra->rect().contains(ring->geometry())) << ring->objectName().toStdString();
    }
}

TEST_F(WheelFrame, FirstRunShowsTheRgbWheelWithAnalogousMarks)
{
    open();
    EXPECT_EQ(frame()->title(), "RGB Color Wheel");
    EXPECT_TRUE(action("mnuRGBWheel")->isChecked());
    EXPECT_FALSE(action("mnuRYBWheel")->isChecked());
    EXPECT_FALSE(action("mnuColorSquare")->isChecked());
    EXPECT_FALSE(find<QToolButton>("colorsquare")->isChecked());
    EXPECT_TRUE(wheel()->isShown());
    EXPECT_FALSE(square()->isShown());
    EXPECT_EQ(harmonyList()->currentText(), "Analogous");
    EXPECT_EQ(marked(wheel()), (std::set<int>{0, 1, 11}));
    EXPECT_TRUE(marked(square()).empty());
    EXPECT_FALSE(frame()->locked());
    EXPECT_FALSE(platform.settings.contains(settingKey("colorsquare")));
    EXPECT_FALSE(platform.settings.contains(settingKey("colorwheeltype")));
}

TEST_F(WheelFrame, ExampleWheelsFollowTheCurrentColour)
{
    struct Row {
        const char* name;
        const char* typeCommand;
        ColorValue color;
        Cells expected;
    };
    const Row rows[] = {
        {"red on the RGB wheel", "mnuRGBWheel", kRed, kRedRgbWheel},
        {"red on the RYB wheel", "mnuRYBWheel", kRed, kRedRybWheel},
        {"blue on the RYB wheel", "mnuRYBWheel", kBlue, kBlueRybWheel},
    };
    open();
    for (const Row& row : rows) {
        action(row.typeCommand)->trigger();
        window().CurrentColorChanged(row.color, WriteRecent::Yes);
        for (int i = 0; i < 12; ++i) {
            const auto at = static_cast<std::size_t>(i);
            EXPECT_EQ(hex(wheel()->cellColor(i)), hex(row.expected[at])) << row.name << ", wheel cell " << i;
            EXPECT_EQ(hex(square()->cellColor(i)), hex(row.expected[at])) << row.name << ", square cell " << i;
        }
    }
}

TEST_F(WheelFrame, GreysFillTwelveEqualCells)
{
    // Greys on and between the whole-percent lightness steps alike.
    const ColorValue greys[] = {kBlack, kWhite, rgb(128, 128, 128), rgb(1, 1, 1), rgb(37, 37, 37), rgb(254, 254, 254)};
    open();
    for (const char* type : {"mnuRGBWheel", "mnuRYBWheel"}) {
        action(type)->trigger();
        for (const ColorValue grey : greys) {
            window().CurrentColorChanged(grey, WriteRecent::Yes);
            for (int i = 0; i < 12; ++i) {
                EXPECT_EQ(hex(wheel()->cellColor(i)), hex(grey)) << type << ' ' << hex(grey) << ", wheel cell " << i;
                EXPECT_EQ(hex(square()->cellColor(i)), hex(grey)) << type << ' ' << hex(grey) << ", square cell " << i;
            }
        }
    }
}

TEST_F(WheelFrame, EveryHarmonyMarksItsCellsOnTheShownFormOnly)
{
    open();
    for (const bool onSquare : {false, true}) {
        if (onSquare)
            clickDisplayButton();
        ColorCellRing* shown = onSquare ? square() : wheel();
        ColorCellRing* other = onSquare ? wheel() : square();
        // From every harmony to every other, so each change must hide what the last one showed.
        for (int from = 0; from < 5; ++from) {
            for (int to = 0; to < 5; ++to) {
                chooseHarmony(from);
                chooseHarmony(to);
                const std::string name = std::string(onSquare ? "square, " : "wheel, ") + kHarmonies[from].caption +
                                         " then " + kHarmonies[to].caption;
                EXPECT_EQ(marked(shown), kHarmonies[to].marked) << name;
                EXPECT_TRUE(marked(other).empty()) << name;
                EXPECT_FALSE(shown->markerVisible(3)) << name;
                EXPECT_FALSE(shown->markerVisible(9)) << name;
            }
        }
    }
}

TEST_F(WheelFrame, SwitchingTheDisplayReappliesTheMarks)
{
    open();
    chooseHarmony(3); // Triad
    QToolButton* button = find<QToolButton>("colorsquare");

    // GIVEN the wheel with Triad WHEN the toolbar button is clicked THEN the square takes over.
    clickDisplayButton();
    EXPECT_TRUE(square()->isShown());
    EXPECT_FALSE(wheel()->isShown());
    EXPECT_TRUE(action("mnuColorSquare")->isChecked());
    EXPECT_TRUE(button->isChecked());
    EXPECT_EQ(platform.settings.value(settingKey("colorsquare")), "1");
    EXPECT_EQ(marked(square()), (std::set<int>{0, 4, 8}));
    EXPECT_TRUE(marked(wheel()).empty());

    // A harmony chosen on the square goes back to the wheel with it, through the menu entry.
    chooseHarmony(4); // Tetrad
    action("mnuColorSquare")->trigger();
    EXPECT_TRUE(wheel()->isShown());
    EXPECT_FALSE(square()->isShown());
    EXPECT_FALSE(action("mnuColorSquare")->isChecked());
    EXPECT_FALSE(button->isChecked());
    EXPECT_EQ(platform.settings.value(settingKey("colorsquare")), "0");
    EXPECT_EQ(marked(wheel()), (std::set<int>{2, 4, 8, 10}));
    EXPECT_TRUE(marked(square()).empty());

    // The marks do not depend on the colours.
    window().CurrentColorChanged(kRed, WriteRecent::Yes);
    action("mnuRYBWheel")->trigger();
    EXPECT_EQ(marked(wheel()), (std::set<int>{2, 4, 8, 10}));
}

TEST_F(WheelFrame, LockKeepsTheCellsWhileTheColourChanges)
{
    open();
    window().CurrentColorChanged(kRed, WriteRecent::Yes);
    QCheckBox* lock = find<QCheckBox>("chkLock");

    QTest::mouseClick(lock, Qt::LeftButton);
    ASSERT_TRUE(frame()->locked());
    window().CurrentColorChanged(kBlue, WriteRecent::Yes);
    EXPECT_EQ(cells(wheel()), kRedRgbWheel);
    EXPECT_EQ(cells(square()), kRedRgbWheel);
    EXPECT_EQ(window().swatchColor(), kBlue);

    // A click on a locked wheel takes the colour but leaves the wheel as it is.
    clickCell(wheel(), 2);
    EXPECT_EQ(hex(window().swatchColor()), "#FFFF00");
    EXPECT_EQ(cells(wheel()), kRedRgbWheel);

    QTest::mouseClick(lock, Qt::LeftButton);
    ASSERT_FALSE(frame()->locked());
    action("mnuRYBWheel")->trigger();
    window().CurrentColorChanged(kBlue, WriteRecent::Yes);
    EXPECT_EQ(cells(wheel()), kBlueRybWheel);
}

TEST_F(WheelFrame, WheelTypeCommands)
{
    open();
    window().CurrentColorChanged(kRed, WriteRecent::Yes);
    QAction* rgbCommand = action("mnuRGBWheel");
    QAction* rybCommand = action("mnuRYBWheel");

    int writes = platform.settingWrites;
    rybCommand->trigger();
    EXPECT_TRUE(rybCommand->isChecked());
    EXPECT_FALSE(rgbCommand->isChecked());
    EXPECT_EQ(frame()->title(), "RYB Color Wheel");
    EXPECT_EQ(frame()->wheelType(), 1);
    EXPECT_EQ(platform.settings.value(settingKey("colorwheeltype")), "1");
    EXPECT_EQ(platform.settingWrites, writes + 1);
    EXPECT_EQ(cells(wheel()), kRedRybWheel);

    // Choosing the checked type again changes nothing and writes nothing.
    writes = platform.settingWrites;
    rybCommand->trigger();
    EXPECT_TRUE(rybCommand->isChecked());
    EXPECT_FALSE(rgbCommand->isChecked());
    EXPECT_EQ(frame()->title(), "RYB Color Wheel");
    EXPECT_EQ(platform.settingWrites, writes);

    rgbCommand->trigger();
    EXPECT_TRUE(rgbCommand->isChecked());
    EXPECT_FALSE(rybCommand->isChecked());
    EXPECT_EQ(frame()->title(), "RGB Color Wheel");
    EXPECT_EQ(frame()->wheelType(), 0);
    EXPECT_EQ(platform.settings.value(settingKey("colorwheeltype")), "0");
    EXPECT_EQ(platform.settingWrites, writes + 1);
    EXPECT_EQ(cells(wheel()), kRedRgbWheel);

    writes = platform.settingWrites;
    rgbCommand->trigger();
    EXPECT_TRUE(rgbCommand->isChecked());
    EXPECT_FALSE(rybCommand->isChecked());
    EXPECT_EQ(platform.settingWrites, writes);
}

TEST_F(WheelFrame, ChangingTheTypeOfALockedWheelRebuildsItFromCellZero)
{
    open();
    window().CurrentColorChanged(kRed, WriteRecent::Yes);
    QTest::mouseClick(find<QCheckBox>("chkLock"), Qt::LeftButton);
    window().CurrentColorChanged(kBlue, WriteRecent::Yes);

    action("mnuRYBWheel")->trigger();
    EXPECT_EQ(cells(wheel()), kRedRybWheel);
    EXPECT_EQ(cells(square()), kRedRybWheel);
    EXPECT_EQ(window().swatchColor(), kBlue);
}

TEST_F(WheelFrame, ClickingACellMakesItTheCurrentColour)
{
    struct Row {
        bool onSquare;
        int cell;
    };
    const Row rows[] = {{false, 4}, {false, 9}, {true, 6}, {true, 11}};
    for (const Row& row : rows) {
        test::FakePlatform fresh;
        FrmShowColor win(fresh);
        win.show();
        auto* ring = win.findChild<ColorCellRing*>(row.onSquare ? "lblColorSquare" : "shpColorWheel");
        if (row.onSquare)
            QTest::mouseClick(win.findChild<QToolButton*>("colorsquare"), Qt::LeftButton);
        win.CurrentColorChanged(kRed, WriteRecent::Yes);
        const ColorValue expected = kRedRgbWheel[static_cast<std::size_t>(row.cell)];
        const std::string name = std::string(row.onSquare ? "square" : "wheel") + " cell " + std::to_string(row.cell);

        clickCell(ring, row.cell);
        EXPECT_EQ(hex(win.swatchColor()), hex(expected)) << name;
        EXPECT_EQ(win.findChild<QLineEdit*>("txtHex")->text().toStdString(), hex(expected)) << name;
        // Unlocked: the clicked colour becomes cell 0 of a new wheel.
        EXPECT_EQ(hex(ring->cellColor(0)), hex(expected)) << name;
    }
}

TEST_F(WheelFrame, OnlyALeftClickOnACellTakesItsColour)
{
    open();
    window().CurrentColorChanged(kRed, WriteRecent::Yes);
    // Right button, the gap in the middle of the wheel, a press on one cell released on another.
    clickCell(wheel(), 4, Qt::RightButton);
    QTest::mouseClick(wheel(), Qt::LeftButton, {}, (wheel()->cellRect(0).center() + wheel()->cellRect(6).center()).toPoint() / 2);
    QTest::mousePress(wheel(), Qt::LeftButton, {}, wheel()->cellRect(1).center().toPoint());
    QTest::mouseRelease(wheel(), Qt::LeftButton, {}, wheel()->cellRect(2).center().toPoint());
    // Just outside a circle, inside its bounding square.
    const QRectF box = wheel()->cellRect(0);
    QTest::mouseClick(wheel(), Qt::LeftButton, {}, QPoint(int(box.left()) + 1, int(box.top()) + 1));
    EXPECT_EQ(window().swatchColor(), kRed);
    EXPECT_EQ(cells(wheel()), kRedRgbWheel);
}

TEST_F(WheelFrame, AClickedColourIsRecordedAsRecent)
{
    open();
    window().CurrentColorChanged(kRed, WriteRecent::Yes);
    const QString recent = platform.programFolder() + "/recent.rgb";
    QFile before(recent);
    ASSERT_TRUE(before.open(QIODevice::ReadOnly));
    const QByteArray old = before.readAll();
    before.close();

    clickCell(wheel(), 6);
    QFile after(recent);
    ASSERT_TRUE(after.open(QIODevice::ReadOnly));
    EXPECT_EQ(after.readAll(), old + "00FFFF");
}

// The main window with a log of the two hub calls a colour source makes.
class RecordingWindow : public FrmShowColor
{
public:
    using FrmShowColor::FrmShowColor;
    void CurrentColorChanged(ColorValue color, WriteRecent writeRecent) override
    {
        calls << QString("changed %1 %2").arg(QString::fromStdString(HtmlHex(color)))
                     .arg(static_cast<int>(writeRecent));
        FrmShowColor::CurrentColorChanged(color, writeRecent);
    }
    void ClearSchemeSelection() override
    {
        calls << "clear";
        FrmShowColor::ClearSchemeSelection();
    }
    QStringList calls;
};

TEST_F(WheelFrame, ACellClickLeavesTheSavedSchemeThenSetsTheColour)
{
    RecordingWindow win(platform);
    win.show();
    win.CurrentColorChanged(kRed, WriteRecent::Yes);
    for (const bool onSquare : {false, true}) {
        if (onSquare)
            QTest::mouseClick(win.findChild<QToolButton*>("colorsquare"), Qt::LeftButton);
        auto* ring = win.findChild<ColorCellRing*>(onSquare ? "lblColorSquare" : "shpColorWheel");
        const QString expected = QString("changed %1 1").arg(QString::fromStdString(HtmlHex(ring->cellColor(5))));
        win.calls.clear();
        clickCell(ring, 5);
        EXPECT_EQ(win.calls, (QStringList{"clear", expected})) << (onSquare ? "square" : "wheel");
    }
}

TEST_F(WheelFrame, AClickOnACellDropsTheSavedSchemeSelection)
{
    open();
    auto* list = find<QListWidget>("lstCorset");
    ASSERT_NE(list, nullptr);
    ASSERT_GT(list->count(), 0);
    list->setCurrentRow(0);
    ASSERT_FALSE(list->selectedItems().isEmpty());

    clickCell(wheel(), 3);
    EXPECT_TRUE(list->selectedItems().isEmpty());
    EXPECT_FALSE(find<QWidget>("cmdDelItem")->isEnabled());
}

TEST_F(WheelFrame, ToolTipNamesTheCellUnderThePointer)
{
    open();
    window().CurrentColorChanged(rgb(18, 52, 86), WriteRecent::Yes);
    for (const bool onSquare : {true, false}) {
        clickDisplayButton();
        ColorCellRing* ring = onSquare ? square() : wheel();
        ASSERT_TRUE(ring->isShown());
        for (int i = 0; i < 12; ++i) {
            const QPoint at = ring->cellRect(i).center().toPoint();
            QMouseEvent move(QEvent::MouseMove, at, ring->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(ring, &move);
            const std::string tip = hex(ring->cellColor(i)) + "\n" + ColorNameText(ring->cellColor(i));
            EXPECT_EQ(ring->toolTip().toStdString(), tip) << ring->objectName().toStdString() << " cell " << i;

            QHelpEvent help(QEvent::ToolTip, at, ring->mapToGlobal(at));
            QApplication::sendEvent(ring, &help);
            EXPECT_EQ(QToolTip::text().toStdString(), tip) << ring->objectName().toStdString() << " cell " << i;
        }
    }
    EXPECT_EQ(hex(wheel()->cellColor(0)), "#123456");
    QToolTip::hideText();
}

TEST_F(WheelFrame, StoredSettingsAreAppliedAtStart)
{
    struct Row {
        const char* colorsquare; // nullptr = absent
        const char* colorwheeltype;
        bool square;
        bool ryb;
    };
    const Row rows[] = {
        {nullptr, nullptr, false, false}, {"1", "0", true, false}, {"0", "1", false, true},
        {"1", "1", true, true},           {"abc", "x1", false, false}, {"1x", "", false, false},
        {" 1 ", "3", true, false},
    };
    for (const Row& row : rows) {
        test::FakePlatform fresh;
        if (row.colorsquare)
            fresh.settings.insert(settingKey("colorsquare"), row.colorsquare);
        if (row.colorwheeltype)
            fresh.settings.insert(settingKey("colorwheeltype"), row.colorwheeltype);
        FrmShowColor win(fresh);
        win.show();
        const std::string name = std::string("colorsquare=") + (row.colorsquare ? row.colorsquare : "(absent)") +
                                 " colorwheeltype=" + (row.colorwheeltype ? row.colorwheeltype : "(absent)");
        auto* fra = win.findChild<ColorWheelFrame*>("fraColorWheel");
        auto* wheelRing = win.findChild<ColorCellRing*>("shpColorWheel");
        auto* squareRing = win.findChild<ColorCellRing*>("lblColorSquare");
        ColorCellRing* shown = row.square ? squareRing : wheelRing;
        ColorCellRing* hidden = row.square ? wheelRing : squareRing;

        EXPECT_TRUE(shown->isShown()) << name;
        EXPECT_FALSE(hidden->isShown()) << name;
        EXPECT_EQ(win.action("mnuColorSquare")->isChecked(), row.square) << name;
        EXPECT_EQ(win.findChild<QToolButton*>("colorsquare")->isChecked(), row.square) << name;
        EXPECT_EQ(marked(shown), (std::set<int>{0, 1, 11})) << name;
        EXPECT_TRUE(marked(hidden).empty()) << name;

        EXPECT_EQ(win.action("mnuRYBWheel")->isChecked(), row.ryb) << name;
        EXPECT_EQ(win.action("mnuRGBWheel")->isChecked(), !row.ryb) << name;
        EXPECT_EQ(fra->title(), row.ryb ? "RYB Color Wheel" : "RGB Color Wheel") << name;
        // Only the commands that changed something wrote their setting again.
        const QString storedSquare = row.colorsquare ? row.colorsquare : QString();
        const QString storedType = row.colorwheeltype ? row.colorwheeltype : QString();
        EXPECT_EQ(fresh.settings.value(settingKey("colorsquare")), row.square ? "1" : storedSquare) << name;
        EXPECT_EQ(fresh.settings.value(settingKey("colorwheeltype")), row.ryb ? "1" : storedType) << name;
        // The start colour, white, whatever the wheel.
        EXPECT_EQ(hex(wheelRing->cellColor(7)), "#FFFFFF") << name;

        // The stored form and type are live: a click on the display button switches back.
        QTest::mouseClick(win.findChild<QToolButton*>("colorsquare"), Qt::LeftButton);
        EXPECT_EQ(hidden->isShown(), true) << name;
        EXPECT_EQ(fresh.settings.value(settingKey("colorsquare")), row.square ? "0" : "1") << name;
    }
}

// Renders a form into an image at `scale` device pixels per pixel and reads the pixel at a point.
class Rendered
{
public:
    Rendered(QWidget* widget, int scale) : image_(widget->size() * scale, QImage::Format_ARGB32_Premultiplied), scale_(scale)
    {
        image_.setDevicePixelRatio(scale);
        image_.fill(Qt::transparent);
        widget->render(&image_, QPoint(), QRegion(), QWidget::RenderFlags());
    }
    QColor at(QPointF p) const
    {
        return image_.pixelColor(static_cast<int>(p.x() * scale_), static_cast<int>(p.y() * scale_));
    }

private:
    QImage image_;
    int scale_;
};

TEST_F(WheelFrame, CellsAndMarkersArePaintedWhereTheyLie)
{
    open();
    window().CurrentColorChanged(kRed, WriteRecent::Yes);
    for (const int scale : {1, 2}) {
        for (const bool onSquare : {false, true}) {
            ColorCellRing* ring = onSquare ? square() : wheel();
            const Rendered image(ring, scale);
            for (int i = 0; i < 12; ++i) {
                const std::string name = ring->objectName().toStdString() + " at scale " + std::to_string(scale) +
                                         ", cell " + std::to_string(i);
                const QRectF cell = ring->cellRect(i);
                // Halfway between the middle and the edge, clear of the marker and the outline.
                const QPointF inside = onSquare ? cell.center() + QPointF(cell.width() / 4, cell.height() / 4)
                                                : cell.center() + QPointF(0, cell.height() / 4);
                EXPECT_EQ(image.at(inside).name().toUpper().toStdString(), hex(kRedRgbWheel[std::size_t(i)])) << name;
                const QColor marker = image.at(ring->markerRect(i).center());
                const bool white = marker == QColor(Qt::white);
                EXPECT_EQ(white, ring->markerVisible(i)) << name;
            }
            // Outside every cell the widget paints nothing.
            const QRectF c0 = ring->cellRect(0);
            const QPointF gap = onSquare ? QPointF(c0.right() + 1.5, c0.center().y()) : c0.topLeft() + QPointF(1, 1);
            EXPECT_EQ(image.at(gap).alpha(), 0) << ring->objectName().toStdString() << " at scale " << scale;
        }
    }
}

} // namespace
