// Palettes in and out of the window: File > Import Palette and palette files dropped on the
// window, File > Export Palette with the format chosen by the file type, and Copy Palette As.
#include "core/formats/paletteformat.h"
#include "platform/qtplatform.h"
#include "ui/palette/paletteview.h"
#include "support/tempdir.h"
#include "support/windowfixture.h"

#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

namespace prismara {
namespace {

const QString kFormats = QStringLiteral(PRISMARA_TEST_DATA_DIR "/formats/");
// "Mine" (c8.rgb) after the shipped palettes; its colours in file order, as exports write them.
constexpr int kMine = 8;
const std::vector<ColorValue> kMineColors{MakeColor(0x1E, 0x6F, 0xD9), MakeColor(0xFF, 0x80, 0x00),
                                          MakeColor(0x12, 0x34, 0x56)};

void openWithMine(test::WindowFixture& w)
{
    w.write("colorchart.cci", w.bytes("colorchart.cci") + "c8.rgb\r\nMine\r\n1\r\n");
    w.write("c8.rgb", "1E6FD9FF8000123456");
    w.open();
    w.window->palette()->selectPosition(kMine);
}

// Drops local files on `target` as a file manager does; true when the drop was taken.
bool dropFiles(QWidget* target, const QStringList& files)
{
    QMimeData data;
    QList<QUrl> urls;
    for (const QString& file : files)
        urls << QUrl::fromLocalFile(file);
    data.setUrls(urls);
    const QPoint at = target->rect().center();
    // A drop reaches a widget only after it took the drag's entry.
    QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(target, &enter);
    QDropEvent drop(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(target, &drop);
    return enter.isAccepted() && drop.isAccepted();
}

std::vector<ColorValue> colorsOf(const PaletteReadResult& read)
{
    std::vector<ColorValue> colors;
    for (const PaletteEntry& entry : read.palette.entries)
        colors.push_back(entry.color);
    return colors;
}

TEST(PaletteTransfer, ImportsFromTheMenuAndFromDropsWithOneMessage)
{
    test::TempDir temp;
    temp.write("cut.ase", std::string("ASEF\0\1\0\0\0\0\0\5", 12));
    const QString cut = QString::fromStdString((temp / "cut.ase").string());
    const struct {
        const char* name;
        const char* target; // "" = the File menu
        QStringList files;
        int made;
        int colorsShown;         // of the palette on view afterwards, the last one made
        const char* error;       // in the one error message; "" = none
        const char* information; // in the one information message; "" = none
    } rows[] = {
        {"a GIMP palette from the menu", "", {kFormats + "brand.gpl"}, 1, 6, "", ""},
        {"cancelled", "", {}, 0, 0, "", ""},
        {"swatches converted to sRGB, dropped on the grid", "lblcor", {kFormats + "swatches.ase"}, 1, 7, "",
         "converted to sRGB"},
        {"a damaged file beside a good one, on the window", "frmshowcolor", {cut, kFormats + "jasc.pal"}, 1, 4,
         "cut.ase", ""},
        {"a file that is not there, on the swatch", "lblcolor", {kFormats + "nothing.gpl"}, 0, 0, "nothing.gpl", ""},
    };
    for (const auto& row : rows) {
        test::WindowFixture w;
        PaletteView& view = *w.window->palette();
        const int before = view.store().chartCount();
        if (!*row.target) {
            w.platform.openAnswers.push_back(row.files);
            w.action("mnuImportPalette")->trigger();
            EXPECT_TRUE(w.platform.dialogFilters.value(0).startsWith("Palette files (*.gpl *.ase")) << row.name;
        } else {
            QWidget* target = QString(row.target) == "frmshowcolor" ? w.window.get() : w.find(row.target);
            EXPECT_TRUE(dropFiles(target, row.files)) << row.name;
        }
        EXPECT_EQ(view.store().chartCount(), before + row.made) << row.name;
        if (row.made > 0) {
            EXPECT_EQ(view.selectorPosition(), before + row.made - 1) << row.name << ": the palette made is on view";
            EXPECT_EQ(view.chartColorCount(), row.colorsShown) << row.name;
        }
        const QString error = w.platform.errorsShown.join('\n');
        const QString information = w.platform.informationShown.join('\n');
        EXPECT_EQ(w.platform.errorsShown.size(), *row.error ? 1 : 0) << row.name << ": " << error.toStdString();
        EXPECT_EQ(w.platform.informationShown.size(), *row.information ? 1 : 0) << row.name;
        EXPECT_TRUE(error.contains(row.error) && information.contains(row.information)) << row.name;
        // The one message tells about every file, the palettes made included.
        EXPECT_EQ(error.contains("Imported"), *row.error && row.made > 0) << row.name << ": " << error.toStdString();
    }
}

TEST(PaletteTransfer, ExportWritesThePaletteOnViewInTheFormatOfItsFileType)
{
    test::TempDir out;
    test::WindowFixture w(true, false);
    openWithMine(w);
    const std::vector<const PaletteFormat*> writable = [] {
        std::vector<const PaletteFormat*> formats;
        for (const PaletteFormat& f : PaletteFormats())
            if (f.write)
                formats.push_back(&f);
        return formats;
    }();
    const struct {
        const char* name;
        const char* file;
        const char* filter; // chosen in the dialog
        const char* readAs;
    } rows[] = {
        {"the extension names the format", "mine.css", "gpl", "css"},
        {"no extension: the filter chosen", "mine", "pal", "pal"},
        {"a binary format", "mine.ase", "css", "ase"},
    };
    for (const auto& row : rows) {
        const auto filter = std::find(writable.begin(), writable.end(), FindPaletteFormat(row.filter)) - writable.begin();
        w.platform.saveChoiceAnswers.push_back(
            SaveChoice{QString::fromStdString((out / row.file).string()), static_cast<int>(filter)});
        w.action("mnuExportPalette")->trigger();
        const PaletteReadResult read = ReadPalette(row.file, out.read(row.file));
        ASSERT_TRUE(read.ok()) << row.name << ": " << read.error;
        EXPECT_EQ(read.format->id, row.readAs) << row.name;
        EXPECT_EQ(colorsOf(read), kMineColors) << row.name;
    }
    // The dialog offers every writable format and proposes the palette's name, first as a GIMP
    // palette, then in the format last written.
    EXPECT_EQ(w.platform.dialogFilters.size(), static_cast<qsizetype>(writable.size()));
    EXPECT_EQ(w.platform.saveChoicesShown.value(0), "Export Palette|Mine.gpl|GIMP palette (*.gpl)");
    EXPECT_EQ(w.platform.saveChoicesShown.value(1), "Export Palette|Mine.css|CSS custom properties (*.css)");
    EXPECT_EQ(QtPlatform::filterSuffix("Design tokens (JSON) (*.json *.tokens)"), "json");
    EXPECT_EQ(QtPlatform::filterSuffix("All files (*)"), "");

    // Cancelled: nothing written; into a folder that is not there: the reason.
    w.action("mnuExportPalette")->trigger();
    w.platform.saveChoiceAnswers.push_back(SaveChoice{QString::fromStdString((out / "no/such.gpl").string()), 0});
    w.action("mnuExportPalette")->trigger();
    ASSERT_EQ(w.platform.errorsShown.size(), 1);
    EXPECT_TRUE(w.platform.errorsShown[0].startsWith("Export Palette|The palette could not be saved to"));
}

TEST(PaletteTransfer, CopyPaletteAsPutsThePaletteOnViewOnTheClipboardInEveryTextFormat)
{
    test::WindowFixture w(true, false);
    openWithMine(w);
    QMenu* submenu = w.window->menu("mnuCopyPaletteAs");
    ASSERT_NE(submenu, nullptr);
    EXPECT_FALSE(submenu->menuAction()->isVisible()) << "only the palette grid's pop-up shows it";
    EXPECT_EQ(submenu->actions().size(), 8) << "every format but the binary ase and aco";
    EXPECT_EQ(w.action("mnuCopyPaletteAsGpl")->text(), "GIMP palette (.gpl)");
    for (QAction* entry : submenu->actions()) {
        const std::string id = entry->objectName().mid(16).toLower().toStdString();
        entry->trigger();
        const PaletteReadResult read = ReadPalette("clip." + id, w.platform.clipboard.toStdString());
        ASSERT_TRUE(read.ok()) << id << ": " << read.error;
        EXPECT_EQ(read.format->id, id);
        EXPECT_EQ(colorsOf(read), kMineColors) << id;
    }
}

} // namespace
} // namespace prismara
