// Colours dragged and dropped the desktop's way: the drag data and its picture, drags out of the
// swatch, a palette cell, a wheel cell, a harmony swatch and a scheme sample, and drops on the
// swatch, the palette grid and the scheme samples (a read-only palette and a locked scheme refuse and say why).
#include "ui/palette/palettegrid.h"
#include "ui/palette/paletteview.h"
#include "ui/scheme/schemesample.h"
#include "ui/wheel/colorcellring.h"
#include "ui/wheel/harmonyswatches.h"
#include "support/windowfixture.h"
#include "widgets/colordrag.h"
#include "widgets/colorswatch.h"

#include <QCheckBox>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QRadioButton>
#include <QToolTip>
#include <QUrl>

namespace prismara {
namespace {

const ColorValue kBlue = MakeColor(0x33, 0x66, 0xCC);

// A drag over `target` and, when the widget takes it, the drop; true when dropped.
bool dropOn(QWidget* target, const QMimeData& data)
{
    const QPoint at = target->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(target, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(target, &drop);
    return drop.isAccepted();
}

TEST(ColorDrag, DragDataCarriesTheColourAsColourAndAsText)
{
    std::unique_ptr<QMimeData> own(ColorMimeData(kBlue));
    EXPECT_EQ(own->text(), "#3366CC");
    std::vector<std::unique_ptr<QMimeData>> made;
    auto data = [&made](const QString& text, const QColor& color = QColor()) {
        made.push_back(std::make_unique<QMimeData>());
        made.back()->setText(text);
        if (color.isValid())
            made.back()->setColorData(color);
        return made.back().get();
    };
    const struct {
        const char* name;
        const QMimeData* data;
        std::optional<ColorValue> color;
    } rows[] = {
        {"our own drag", own.get(), kBlue},
        {"application/x-color wins over the text", data("#00FF00", Qt::red), MakeColor(255, 0, 0)},
        {"hex text of another program", data(" #3366cc\n"), kBlue},
        {"CSS text", data("rgb(51 102 204)"), kBlue},
        {"a colour name", data("cornflowerblue"), MakeColor(0x64, 0x95, 0xED)},
        {"text that is no colour", data("hello"), std::nullopt},
        {"a long text", data(QString(300, 'a')), std::nullopt},
    };
    for (const auto& row : rows)
        EXPECT_EQ(ColorFromMimeData(row.data), row.color) << row.name;
    QMimeData urls;
    urls.setUrls({QUrl::fromLocalFile("/tmp/a.gpl"), QUrl("https://example.org/b.gpl")});
    EXPECT_EQ(FilesFromMimeData(&urls), QStringList{"/tmp/a.gpl"}) << "local files only";

    const QImage picture = ColorDragPixmap(kBlue).toImage();
    EXPECT_EQ(FromQColor(picture.pixelColor(picture.rect().center())), kBlue);
    EXPECT_LT(picture.pixelColor(0, 0).lightness(), 100) << "a dark edge shows on any background";
}

TEST(ColorDrag, ViewsDragTheColourUnderThePressAndTakeNoClick)
{
    test::WindowFixture w;
    w.setColor(kBlue);
    std::vector<std::pair<QWidget*, ColorValue>> dragged;
    SetColorDragHook([&](QWidget* source, const QMimeData& data, const QPixmap& pixmap) {
        EXPECT_FALSE(pixmap.isNull());
        dragged.emplace_back(source, ColorFromMimeData(&data).value_or(-1));
    });
    auto* grid = w.find<PaletteGrid>("lblcor");
    auto* wheel = w.find<ColorCellRing>("shpColorWheel");
    auto* link = w.find<SchemeSample>("lblnl");
    HarmonySwatches harmonies(nullptr, nullptr);
    harmonies.resize(300, 120);
    harmonies.setEntries({{MakeColor(1, 2, 3), 0}, {MakeColor(4, 5, 6), 4}});
    QObject::connect(&harmonies, &HarmonySwatches::taken, [&w](ColorValue c) { w.setColor(c); });
    const struct {
        const char* name;
        QWidget* widget;
        QPoint at;
        ColorValue color;
    } rows[] = {
        {"the swatch", w.find("lblcolor"), QPoint(50, 25), kBlue},
        {"a palette cell", grid, grid->cellRect(30).center(), grid->cellColor(30)},
        {"a wheel cell", wheel, wheel->cellRect(4).center().toPoint(), wheel->cellColor(4)},
        {"a scheme sample: the colour a click takes", link, QPoint(20, 5), link->foreColor()},
        {"a harmony swatch", &harmonies, harmonies.swatchRect(1).center(), MakeColor(4, 5, 6)},
    };
    const QByteArray recent = w.bytes("recent.rgb");
    for (const auto& row : rows) {
        dragged.clear();
        QTest::mousePress(row.widget, Qt::LeftButton, {}, row.at);
        const QPoint away = row.at + QPoint(QApplication::startDragDistance() + 2, 0);
        QMouseEvent move(QEvent::MouseMove, QPointF(away), QPointF(row.widget->mapToGlobal(away)), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(row.widget, &move);
        QTest::mouseRelease(row.widget, Qt::LeftButton, {}, away);
        ASSERT_EQ(dragged.size(), 1u) << row.name;
        EXPECT_EQ(dragged[0], std::make_pair(row.widget, row.color)) << row.name;
        EXPECT_EQ(w.current(), kBlue) << row.name << ": a drag is no click";
        EXPECT_EQ(w.bytes("recent.rgb"), recent) << row.name;
    }
    SetColorDragHook({});
}

TEST(ColorDrop, DropsTakeTheColourWhereTheViewsSayOrSayWhyNot)
{
    const ColorValue dropped = MakeColor(0x0A, 0x14, 0x1E);
    using Check = std::function<bool(test::WindowFixture&)>;
    const struct {
        const char* name;
        const char* target;
        std::function<void(test::WindowFixture&)> before;
        Check taken;         // the drop did what it should
        const char* refusal; // the tool tip of a refused drop; "" when the drop is taken
    } rows[] = {
        {"on the swatch: the current colour", "lblcolor", {},
         [&](test::WindowFixture& w) { return w.current() == dropped && w.bytes("recent.rgb").endsWith("0A141E"); }, ""},
        {"on a palette that takes colours: appended, shown first", "lblcor",
         [](test::WindowFixture& w) { w.window->palette()->selectPosition(1); },
         [&](test::WindowFixture& w) {
             return w.bytes("recent.rgb").endsWith("0A141E") && w.window->palette()->grid()->cellColor(0) == dropped &&
                    w.current() == kWhite;
         }, ""},
        {"on a read-only palette", "lblcor", [](test::WindowFixture& w) { w.window->palette()->selectPosition(2); },
         [](test::WindowFixture& w) {
             return w.bytes("c2.rgb").size() == QFileInfo(PRISMARA_SHIPPED_DATA_DIR "/c2.rgb").size();
         },
         "\"CSS Named Colors\" is a read-only palette"},
        {"on a scheme sample: its element painted", "lblvl", {},
         [&](test::WindowFixture& w) {
             return w.find<QRadioButton>("optvl")->isChecked() &&
                    w.find<SchemeSample>("lblvl")->text() == "Visited Link Color: #0A141E" && w.current() == kWhite;
         }, ""},
        {"on a locked scheme", "lblvl", [](test::WindowFixture& w) { w.find<QCheckBox>("chkPause")->click(); },
         [](test::WindowFixture& w) { return !w.find<QRadioButton>("optvl")->isChecked(); }, "The scheme is locked"},
    };
    for (const auto& row : rows) {
        test::WindowFixture w;
        if (row.before)
            row.before(w);
        std::unique_ptr<QMimeData> data(ColorMimeData(dropped));
        EXPECT_EQ(dropOn(w.find(row.target), *data), !*row.refusal) << row.name;
        EXPECT_TRUE(row.taken(w)) << row.name;
        if (*row.refusal) {
            EXPECT_TRUE(QToolTip::text().startsWith(row.refusal)) << row.name << ": " << QToolTip::text().toStdString();
        }
        QToolTip::hideText();
    }
    // A colour dragged about the grid itself is not added to the palette again.
    test::WindowFixture w;
    EXPECT_FALSE(w.window->palette()->colorDropRefusal(w.window->palette()->grid()).isEmpty());
}

} // namespace
} // namespace prismara
