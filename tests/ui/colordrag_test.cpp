// Colours dragged and dropped the desktop's way: the drag data and its picture, drags out of the
// swatch, a palette cell, a wheel cell and a scheme sample, and drops on the swatch, the palette
// grid and the scheme samples (a read-only palette and a locked scheme refuse and say why).
#include "ui/palette/palettegrid.h"
#include "ui/palette/paletteview.h"
#include "ui/scheme/schemesample.h"
#include "ui/wheel/colorcellring.h"
#include "support/windowfixture.h"
#include "widgets/colordrag.h"
#include "widgets/colorswatch.h"

#include <QApplication>
#include <QCheckBox>
#include <QDropEvent>
#include <QMimeData>
#include <QPixmap>
#include <QRadioButton>
#include <QToolTip>
#include <QUrl>

#include <gtest/gtest.h>

#include <functional>

namespace prismara {
namespace {

const ColorValue kBlue = MakeColor(0x33, 0x66, 0xCC);

// A drag over `target` at `pos` and, when the widget takes it, the drop; true when dropped.
bool dropOn(QWidget* target, QPoint pos, const QMimeData& data)
{
    QDragEnterEvent enter(pos, Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(target, &enter);
    QDragMoveEvent move(pos, Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(target, &move);
    if (!enter.isAccepted() || !move.isAccepted())
        return false;
    QDropEvent drop(pos, Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(target, &drop);
    return drop.isAccepted();
}

TEST(ColorDrag, DragDataCarriesTheColourAsColourAndAsText)
{
    std::unique_ptr<QMimeData> own(ColorMimeData(kBlue));
    EXPECT_EQ(own->text(), "#3366CC");
    EXPECT_EQ(qvariant_cast<QColor>(own->colorData()), QColor(0x33, 0x66, 0xCC));
    std::vector<std::unique_ptr<QMimeData>> texts;
    auto textData = [&texts](const QString& text) {
        texts.push_back(std::make_unique<QMimeData>());
        texts.back()->setText(text);
        return texts.back().get();
    };
    QMimeData urls;
    urls.setUrls({QUrl::fromLocalFile("/tmp/a.gpl"), QUrl("https://example.org/b.gpl"), QUrl::fromLocalFile("/tmp/c.ase")});
    QMimeData colourOverText;
    colourOverText.setColorData(QColor(Qt::red));
    colourOverText.setText("#00FF00");
    const struct {
        const char* name;
        const QMimeData* data;
        std::optional<ColorValue> color;
    } rows[] = {
        {"our own drag", own.get(), kBlue},
        {"application/x-color wins over the text", &colourOverText, MakeColor(255, 0, 0)},
        {"hex text of another program", textData(" #3366cc\n"), kBlue},
        {"CSS text", textData("rgb(51 102 204)"), kBlue},
        {"a colour name", textData("cornflowerblue"), MakeColor(0x64, 0x95, 0xED)},
        {"text that is no colour", textData("hello"), std::nullopt},
        {"a long text", textData(QString(300, 'a')), std::nullopt},
        {"files only", &urls, std::nullopt},
    };
    for (const auto& row : rows)
        EXPECT_EQ(ColorFromMimeData(row.data), row.color) << row.name;
    EXPECT_EQ(FilesFromMimeData(&urls), (QStringList{"/tmp/a.gpl", "/tmp/c.ase"})) << "local files only";

    const QImage picture = ColorDragPixmap(kBlue).toImage();
    EXPECT_EQ(FromQColor(picture.pixelColor(picture.rect().center())), kBlue);
    EXPECT_LT(picture.pixelColor(0, 0).lightness(), 100) << "a dark edge shows on any background";
}

TEST(ColorDrag, ViewsDragTheColourUnderThePressAndTakeNoClick)
{
    test::WindowFixture w;
    w.window->CurrentColorChanged(kBlue, WriteRecent::Yes);
    std::vector<std::pair<QWidget*, ColorValue>> dragged;
    SetColorDragHook([&](QWidget* source, const QMimeData& data, const QPixmap& pixmap) {
        EXPECT_FALSE(pixmap.isNull());
        dragged.emplace_back(source, ColorFromMimeData(&data).value_or(-1));
    });
    auto* grid = w.window->findChild<PaletteGrid*>("lblcor");
    auto* wheel = w.window->findChild<ColorCellRing*>("shpColorWheel");
    auto* link = w.window->findChild<SchemeSample*>("lblnl");
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
    };
    for (const auto& row : rows) {
        dragged.clear();
        const ColorValue current = w.window->swatchColor();
        const int recent = static_cast<int>(w.fileBytes("recent.rgb").size());
        QTest::mousePress(row.widget, Qt::LeftButton, {}, row.at);
        const QPoint away = row.at + QPoint(QApplication::startDragDistance() + 2, 0);
        QMouseEvent move(QEvent::MouseMove, QPointF(away), QPointF(row.widget->mapToGlobal(away)), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(row.widget, &move);
        QTest::mouseRelease(row.widget, Qt::LeftButton, {}, away);
        ASSERT_EQ(dragged.size(), 1u) << row.name;
        EXPECT_EQ(dragged[0].first, row.widget) << row.name;
        EXPECT_EQ(dragged[0].second, row.color) << row.name;
        EXPECT_EQ(w.window->swatchColor(), current) << row.name << ": a drag is no click";
        EXPECT_EQ(w.fileBytes("recent.rgb").size(), recent) << row.name;
    }
    SetColorDragHook({});
}

TEST(ColorDrop, DropsTakeTheColourWhereTheViewsSayOrSayWhyNot)
{
    const ColorValue dropped = MakeColor(0x0A, 0x14, 0x1E);
    const struct {
        const char* name;
        const char* target;
        std::function<void(test::WindowFixture&)> before;
        std::function<QString(test::WindowFixture&)> check; // what is wrong, "" when all is right
        const char* refusal; // "" when the drop is taken
    } rows[] = {
        {"on the swatch: the current colour", "lblcolor", {},
         [&](test::WindowFixture& w) {
             return w.window->swatchColor() == dropped && w.fileBytes("recent.rgb").endsWith("0A141E")
                        ? QString() : "not the current colour";
         }, ""},
        {"on a palette that takes colours: appended, shown at page 1", "lblcor",
         [](test::WindowFixture& w) { w.window->palette()->selectPosition(1); },
         [&](test::WindowFixture& w) {
             return w.fileBytes("recent.rgb").endsWith("0A141E") && w.window->palette()->grid()->cellColor(0) == dropped &&
                            w.window->swatchColor() == kWhite
                        ? QString() : "not appended to Recent Colors";
         }, ""},
        {"on a read-only palette", "lblcor", [](test::WindowFixture& w) { w.window->palette()->selectPosition(2); },
         [](test::WindowFixture& w) { return w.fileBytes("c2.rgb") == w.fileBytes("c2.rgb.before") ? QString() : "changed"; },
         "\"CSS Named Colors\" is a read-only palette"},
        {"on a scheme sample: its element painted", "lblvl", {},
         [&](test::WindowFixture& w) {
             return w.find<QRadioButton>("optvl")->isChecked() && w.find<SchemeSample>("lblvl")->foreColor() == dropped &&
                            w.find<SchemeSample>("lblvl")->text() == "Visited Link Color: #0A141E" &&
                            w.window->swatchColor() == kWhite
                        ? QString() : "not painted";
         }, ""},
        {"on a locked scheme", "lblvl", [](test::WindowFixture& w) { w.find<QCheckBox>("chkPause")->click(); },
         [](test::WindowFixture& w) { return w.find<QRadioButton>("optvl")->isChecked() ? "painted" : QString(); },
         "The scheme is locked"},
    };
    for (const auto& row : rows) {
        test::WindowFixture w;
        w.writeFile("c2.rgb.before", w.fileBytes("c2.rgb"));
        if (row.before)
            row.before(w);
        QWidget* target = w.find(row.target);
        ASSERT_NE(target, nullptr) << row.name;
        std::unique_ptr<QMimeData> data(ColorMimeData(dropped));
        const bool taken = dropOn(target, target->rect().center(), *data);
        EXPECT_EQ(taken, !*row.refusal) << row.name;
        EXPECT_EQ(row.check(w).toStdString(), "") << row.name;
        if (*row.refusal) {
            EXPECT_TRUE(QToolTip::text().startsWith(row.refusal)) << row.name << ": " << QToolTip::text().toStdString();
        }
        QToolTip::hideText();
    }
    // A colour dragged about the grid itself is not added to the palette again.
    test::WindowFixture w;
    EXPECT_FALSE(w.window->palette()->colorDropRefusal(w.window->palette()->grid()).isEmpty());
    EXPECT_TRUE(w.window->palette()->colorDropRefusal(nullptr).isEmpty());
}

} // namespace
} // namespace prismara
