// Tests of the colour wheel frame in the real main window: the wheel and square cells, the wheel
// type and display commands, Lock, the harmony marks, clicks and tool tips, stored settings.
#include "core/colour/colornames.h"
#include "core/wheel/harmony.h"
#include "core/wheel/wheelcolors.h"
#include "support/windowfixture.h"
#include "ui/wheel/colorcellring.h"
#include "ui/wheel/colorwheelframe.h"
#include "ui/wheel/harmonyswatches.h"
#include "widgets/colorswatch.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QToolButton>

#include <set>

using namespace prismara;

namespace {

using Cells = std::array<ColorValue, kWheelCells>;
const ColorValue kRed = MakeColor(255, 0, 0);
const ColorValue kBlue = MakeColor(0, 0, 255);

QString settingKey(const char* key) { return test::FakePlatform::settingKey("quorvel software", "Prismara 4.6", key); }

class WheelFrame : public ::testing::Test, public test::WindowFixture
{
protected:
    WheelFrame() : WindowFixture(true, false) {}

    ColorWheelFrame* frame() const { return find<ColorWheelFrame>("fraColorWheel"); }
    ColorCellRing* wheel() const { return find<ColorCellRing>("shpColorWheel"); }
    ColorCellRing* square() const { return find<ColorCellRing>("lblColorSquare"); }
    QComboBox* harmonyList() const { return find<QComboBox>("cmbColorwheel"); }
    static Cells cells(const ColorCellRing* ring)
    {
        Cells c{};
        for (int i = 0; i < kWheelCells; ++i)
            c[static_cast<std::size_t>(i)] = ring->cellColor(i);
        return c;
    }
    static std::set<int> marked(const ColorCellRing* ring)
    {
        std::set<int> shown;
        for (int i = 0; i < kWheelCells; ++i)
            if (ring->markerVisible(i))
                shown.insert(i);
        return shown;
    }
    static std::set<int> harmony(int index)
    {
        std::set<int> cells;
        for (int i = 0; i < kWheelCells; ++i)
            if (HarmonyMarks(index, i))
                cells.insert(i);
        return cells;
    }
    // The user picks a harmony with the keyboard: first entry, then down.
    void chooseHarmony(int index) const
    {
        QTest::keyClick(harmonyList(), Qt::Key_Home);
        for (int i = 0; i < index; ++i)
            QTest::keyClick(harmonyList(), Qt::Key_Down);
        ASSERT_EQ(harmonyList()->currentIndex(), index);
    }
    static void clickCell(ColorCellRing* ring, int index, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseClick(ring, button, {}, ring->cellRect(index).center().toPoint());
    }
    void clickDisplayButton() const { click(find<QToolButton>("colorsquare")); }
};

} // namespace

TEST_F(WheelFrame, FirstRunShowsTheRgbWheelOfTheCurrentColourWithAnalogousMarks)
{
    open();
    EXPECT_EQ(frame()->title(), "RGB Color Wheel");
    EXPECT_TRUE(action("mnuRGBWheel")->isChecked() && !action("mnuRYBWheel")->isChecked());
    EXPECT_TRUE(wheel()->isShown() && !square()->isShown());
    EXPECT_EQ(harmonyList()->count(), kHarmonyCount);
    EXPECT_EQ(marked(wheel()), harmony(0));
    EXPECT_FALSE(platform.settings.contains(settingKey("colorsquare")) || platform.settings.contains(settingKey("colorwheeltype")))
        << "nothing is written at start";
    for (ColorCellRing* ring : {wheel(), square()}) {
        EXPECT_FALSE(ring->geometry().intersects(find<QCheckBox>("chkLock")->geometry()));
        EXPECT_FALSE(ring->geometry().intersects(harmonyList()->geometry()));
        EXPECT_TRUE(frame()->rect().contains(ring->geometry()));
    }
    for (const ColorValue color : {kRed, MakeColor(37, 37, 37), MakeColor(12, 34, 56)}) {
        setColor(color);
        EXPECT_EQ(cells(wheel()), WheelColors(color, kRgbWheel)) << HtmlHex(color);
        EXPECT_EQ(cells(square()), WheelColors(color, kRgbWheel)) << HtmlHex(color);
    }
}

TEST_F(WheelFrame, EveryHarmonyMarksItsCellsOnTheShownFormOnly)
{
    open();
    for (const bool onSquare : {false, true}) {
        if (onSquare)
            clickDisplayButton();
        ColorCellRing* shown = onSquare ? square() : wheel();
        // From every harmony to every other, so each change must hide what the last one showed.
        for (int from = 0; from < kHarmonyCount; ++from) {
            for (int to = 0; to < kHarmonyCount; ++to) {
                chooseHarmony(from);
                chooseHarmony(to);
                EXPECT_EQ(marked(shown), harmony(to)) << onSquare << " " << from << " then " << to;
                EXPECT_TRUE(marked(onSquare ? wheel() : square()).empty()) << onSquare << " " << from << " then " << to;
            }
        }
    }
}

TEST_F(WheelFrame, SwitchingTheDisplayReappliesTheMarksAndIsStored)
{
    open();
    chooseHarmony(3);
    clickDisplayButton();
    EXPECT_TRUE(square()->isShown() && !wheel()->isShown());
    EXPECT_TRUE(action("mnuColorSquare")->isChecked());
    EXPECT_EQ(platform.settings.value(settingKey("colorsquare")), "1");
    EXPECT_EQ(marked(square()), harmony(3));
    EXPECT_TRUE(marked(wheel()).empty());
    chooseHarmony(4);
    action("mnuColorSquare")->trigger();
    EXPECT_TRUE(wheel()->isShown() && !find<QToolButton>("colorsquare")->isChecked());
    EXPECT_EQ(platform.settings.value(settingKey("colorsquare")), "0");
    EXPECT_EQ(marked(wheel()), harmony(4));
}

TEST_F(WheelFrame, LockedCellsStayUntilAClickOrANewWheelType)
{
    open();
    setColor(kRed);
    action("mnuRYBWheel")->trigger();
    click(find<QCheckBox>("chkLock"));
    setColor(kBlue);
    EXPECT_EQ(cells(wheel()), WheelColors(kRed, kRybWheel));
    clickCell(wheel(), 2);
    EXPECT_EQ(current(), WheelColors(kRed, kRybWheel)[2]);
    EXPECT_EQ(cells(square()), WheelColors(kRed, kRybWheel));
    // A new type rebuilds a locked wheel from its cell 0.
    action("mnuRGBWheel")->trigger();
    EXPECT_EQ(cells(wheel()), WheelColors(kRed, kRgbWheel));
    click(find<QCheckBox>("chkLock"));
    setColor(kBlue);
    EXPECT_EQ(cells(wheel()), WheelColors(kBlue, kRgbWheel));
}

TEST_F(WheelFrame, ALeftClickOnACellLeavesTheSavedSchemeAndMakesTheCellCurrent)
{
    open();
    for (const bool onSquare : {false, true}) {
        if (onSquare)
            clickDisplayButton();
        ColorCellRing* ring = onSquare ? square() : wheel();
        setColor(kRed);
        auto* schemes = find<QListWidget>("lstCorset");
        schemes->setCurrentRow(1);
        ASSERT_TRUE(find("cmdDelItem")->isEnabled());
        const QByteArray recent = bytes("recent.rgb");
        const ColorValue expected = WheelColors(kRed, kRgbWheel)[5];
        clickCell(ring, 5);
        EXPECT_EQ(current(), expected) << onSquare;
        EXPECT_EQ(find<QLineEdit>("txtHex")->text().toStdString(), HtmlHex(expected)) << onSquare;
        EXPECT_EQ(ring->cellColor(0), expected) << onSquare << ": the clicked colour is cell 0 of a new wheel";
        EXPECT_TRUE(schemes->selectedItems().isEmpty()) << onSquare;
        EXPECT_FALSE(find("cmdDelItem")->isEnabled()) << onSquare;
        EXPECT_EQ(bytes("recent.rgb"), recent + QByteArray::fromStdString(HtmlHex(expected).substr(1))) << onSquare;
    }
    // The right button, the gap in the middle, a press released on another cell, the corner of a
    // circle's bounding square: no colour taken.
    action("mnuColorSquare")->trigger();
    setColor(kRed);
    clickCell(wheel(), 4, Qt::RightButton);
    QTest::mouseClick(wheel(), Qt::LeftButton, {}, (wheel()->cellRect(0).center() + wheel()->cellRect(6).center()).toPoint() / 2);
    QTest::mousePress(wheel(), Qt::LeftButton, {}, wheel()->cellRect(1).center().toPoint());
    QTest::mouseRelease(wheel(), Qt::LeftButton, {}, wheel()->cellRect(2).center().toPoint());
    QTest::mouseClick(wheel(), Qt::LeftButton, {}, wheel()->cellRect(4).topLeft().toPoint() + QPoint(1, 1));
    EXPECT_EQ(current(), kRed);
}

TEST_F(WheelFrame, ToolTipNamesTheCellUnderThePointer)
{
    open();
    setColor(MakeColor(18, 52, 86));
    for (ColorCellRing* ring : {wheel(), square()}) {
        const QPoint at = ring->cellRect(7).center().toPoint();
        QMouseEvent move(QEvent::MouseMove, at, ring->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(ring, &move);
        EXPECT_EQ(ring->toolTip().toStdString(), HtmlHex(ring->cellColor(7)) + "\n" + ColorNameText(ring->cellColor(7)))
            << ring->objectName().toStdString();
    }
}

TEST_F(WheelFrame, StoredSettingsAreAppliedAtStart)
{
    const struct
    {
        const char* colorsquare; // nullptr = absent
        const char* colorwheeltype;
        bool square, ryb;
    } rows[] = {{"1", "0", true, false}, {"0", "1", false, true}, {"abc", "x1", false, false}, {" 1 ", "3", true, false}};
    for (const auto& row : rows) {
        const std::string name = std::string(row.colorsquare) + "/" + row.colorwheeltype;
        platform.settings = {{settingKey("colorsquare"), row.colorsquare}, {settingKey("colorwheeltype"), row.colorwheeltype}};
        open();
        ColorCellRing* shown = row.square ? square() : wheel();
        EXPECT_TRUE(shown->isShown() && !(row.square ? wheel() : square())->isShown()) << name;
        EXPECT_EQ(find<QToolButton>("colorsquare")->isChecked(), row.square) << name;
        EXPECT_EQ(marked(shown), harmony(0)) << name;
        EXPECT_EQ(action("mnuRYBWheel")->isChecked(), row.ryb) << name;
        EXPECT_EQ(frame()->title(), row.ryb ? "RYB Color Wheel" : "RGB Color Wheel") << name;
        // Only the commands that changed something wrote their setting again.
        EXPECT_EQ(platform.settings.value(settingKey("colorsquare")), row.square ? "1" : row.colorsquare) << name;
        EXPECT_EQ(platform.settings.value(settingKey("colorwheeltype")), row.ryb ? "1" : row.colorwheeltype) << name;
    }
}

TEST_F(WheelFrame, CellsAndMarkersArePaintedWhereTheyLie)
{
    open();
    setColor(kRed);
    for (const int scale : {1, 2}) {
        for (const bool onSquare : {false, true}) {
            ColorCellRing* ring = onSquare ? square() : wheel();
            QImage image(ring->size() * scale, QImage::Format_ARGB32_Premultiplied);
            image.setDevicePixelRatio(scale);
            image.fill(Qt::transparent);
            ring->render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
            const auto at = [&](QPointF p) { return image.pixelColor(int(p.x() * scale), int(p.y() * scale)); };
            for (int i = 0; i < kWheelCells; ++i) {
                const QRectF cell = ring->cellRect(i);
                // Halfway between the middle and the edge, clear of the marker and the outline.
                const QPointF inside = cell.center() + QPointF(onSquare ? cell.width() / 4 : 0, cell.height() / 4);
                EXPECT_EQ(FromQColor(at(inside)), WheelColors(kRed, kRgbWheel)[std::size_t(i)]) << scale << onSquare << i;
                EXPECT_EQ(at(ring->markerRect(i).center()) == QColor(Qt::white), ring->markerVisible(i)) << scale << onSquare << i;
            }
            const QRectF c0 = ring->cellRect(0);
            const QPointF gap = onSquare ? QPointF(c0.right() + 1.5, c0.center().y()) : c0.topLeft() + QPointF(1, 1);
            EXPECT_EQ(at(gap).alpha(), 0) << "outside every cell nothing is painted: " << scale << onSquare;
        }
    }
}

TEST_F(WheelFrame, ALargerWindowShowsTheMarkedColoursAsSwatchesToTakeAndCopy)
{
    open();
    auto* swatches = find<HarmonySwatches>("picHarmony");
    EXPECT_TRUE(swatches->isHidden()) << "no room at the designed size";
    window->resize(1280, 900);
    QApplication::processEvents();
    ASSERT_TRUE(swatches->isVisible());
    setColor(kRed);
    chooseHarmony(3); // Triad: cells 0, 4, 8
    std::vector<ColorValue> shown;
    for (const HarmonySwatches::Entry& e : swatches->entries())
        shown.push_back(e.color);
    EXPECT_EQ(shown, (std::vector<ColorValue>{kRed, wheel()->cellColor(4), wheel()->cellColor(8)}));

    QTest::mouseClick(swatches, Qt::RightButton, {}, swatches->swatchRect(1).center());
    EXPECT_EQ(platform.clipboard, "#00FF00");
    click(find("cmdCopyHarmony"));
    EXPECT_EQ(platform.clipboard, "#FF0000\n#00FF00\n#0000FF");
    EXPECT_EQ(current(), kRed) << "copying takes nothing";
    QTest::mouseClick(swatches, Qt::LeftButton, {}, swatches->swatchRect(2).center());
    EXPECT_EQ(current(), kBlue);
    EXPECT_EQ(wheel()->cellColor(0), kBlue) << "taken as a wheel cell is";

    window->resize(1920, 1080); // wide: the swatches stand beside the wheel
    QApplication::processEvents();
    EXPECT_GT(swatches->x(), wheel()->geometry().right());
}
