// Palettes in and out of the window: File > Import Palette and palette files dropped on the
// window, File > Export Palette with the format chosen by the file type, and Copy Palette As.
#include "core/formats/paletteformat.h"
#include "core/palette/paletteexchange.h"
#include "platform/qtplatform.h"
#include "ui/palette/paletteview.h"
#include "support/tempdir.h"
#include "support/windowfixture.h"
#include "widgets/menutable.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDropEvent>
#include <QMenu>
#include <QMimeData>
#include <QUrl>

#include <gtest/gtest.h>

namespace prismara {
namespace {

const QString kFormats = QStringLiteral(PRISMARA_TEST_DATA_DIR "/formats/");

// A palette of the user's, "Mine" (c8.rgb), after the shipped ones.
constexpr int kMine = 8;

void addMine(test::WindowFixture& w)
{
    w.writeFile("colorchart.cci", w.fileBytes("colorchart.cci") + "c8.rgb\r\nMine\r\n1\r\n");
    w.writeFile("c8.rgb", "1E6FD9FF8000123456");
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
    QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(target, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent drop(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(target, &drop);
    return drop.isAccepted();
}

std::vector<ColorValue> colorsOf(const PaletteData& palette)
{
    std::vector<ColorValue> colors;
    for (const PaletteEntry& entry : palette.entries)
        colors.push_back(entry.color);
    return colors;
}

// In file order, as exports write them.
const std::vector<ColorValue> kMineColors{MakeColor(0x1E, 0x6F, 0xD9), MakeColor(0xFF, 0x80, 0x00),
                                          MakeColor(0x12, 0x34, 0x56)};

TEST(PaletteTransfer, ImportsFromTheMenuAndFromDropsWithOneMessage)
{
    test::TempDir temp;
    temp.write("cut.ase", std::string("ASEF\0\1\0\0\0\0\0\5", 12));
    const QString cut = QString::fromStdString((temp / "cut.ase").string());
    enum class Way { Menu, DropOnGrid, DropOnWindow, DropOnSwatch };
    const struct {
        const char* name;
        Way way;
        QStringList files;
        int made;
        int colorsShown;     // colours of the palette on view afterwards (the last one made)
        const char* error;   // in the one error message; "" = none
        const char* information; // in the one information message; "" = none
    } rows[] = {
        {"a GIMP palette from the menu", Way::Menu, {kFormats + "brand.gpl"}, 1, 6, "", ""},
        {"swatches converted to sRGB", Way::DropOnGrid, {kFormats + "swatches.ase"}, 1, 7, "", "converted to sRGB"},
        {"a damaged file beside a good one", Way::DropOnWindow, {cut, kFormats + "jasc.pal"}, 1, 4, "cut.ase", "" },
        {"a file that is not there", Way::DropOnSwatch, {kFormats + "nothing.gpl"}, 0, 0, "nothing.gpl", ""},
        {"two files in one go", Way::Menu, {kFormats + "brand.gpl", kFormats + "libre.soc"}, 2, 0, "", ""},
    };
    for (const auto& row : rows) {
        test::WindowFixture w;
        PaletteView& view = *w.window->palette();
        const int before = view.store().chartCount();
        switch (row.way) {
        case Way::Menu:
            w.platform.openAnswers.push_back(row.files);
            w.window->action("mnuImportPalette")->trigger();
            EXPECT_TRUE(w.platform.openFilters.value(0).startsWith("Palette files (*.gpl *.ase")) << row.name;
            break;
        case Way::DropOnGrid:
            EXPECT_TRUE(dropFiles(w.find("lblcor"), row.files)) << row.name;
            break;
        case Way::DropOnWindow:
            EXPECT_TRUE(dropFiles(w.window.get(), row.files)) << row.name;
            break;
        case Way::DropOnSwatch:
            EXPECT_TRUE(dropFiles(w.find("lblcolor"), row.files)) << row.name;
            break;
        }
        EXPECT_EQ(view.store().chartCount(), before + row.made) << row.name;
        if (row.made > 0) {
            EXPECT_EQ(view.selectorPosition(), before + row.made - 1) << row.name << ": the last palette made is on view";
            if (row.colorsShown > 0) {
                EXPECT_EQ(view.chartColorCount(), row.colorsShown) << row.name;
            }
        }
        const QString error = w.platform.errorsShown.join('\n');
        const QString information = w.platform.informationShown.join('\n');
        EXPECT_EQ(w.platform.errorsShown.size(), *row.error ? 1 : 0) << row.name << ": " << error.toStdString();
        EXPECT_EQ(w.platform.informationShown.size(), *row.information ? 1 : 0) << row.name;
        EXPECT_TRUE(error.contains(row.error)) << row.name << ": " << error.toStdString();
        EXPECT_TRUE(information.contains(row.information)) << row.name << ": " << information.toStdString();
        // A message tells about every file, the palettes made included.
        if (*row.error && row.made > 0) {
            EXPECT_TRUE(error.contains("Imported")) << row.name << ": " << error.toStdString();
        }
    }
}

TEST(PaletteTransfer, CancelledImportChangesNothing)
{
    test::WindowFixture w;
    const QByteArray index = w.fileBytes("colorchart.cci");
    w.window->action("mnuImportPalette")->trigger();
    EXPECT_EQ(w.fileBytes("colorchart.cci"), index);
    EXPECT_TRUE(w.platform.errorsShown.isEmpty());
}

TEST(PaletteTransfer, ExportWritesThePaletteOnViewInTheFormatOfItsFileType)
{
    test::TempDir out;
    const auto writable = [] {
        std::vector<std::string_view> ids;
        for (const PaletteFormat& f : PaletteFormats())
            if (f.write)
                ids.push_back(f.id);
        return ids;
    }();
    const auto filterOf = [&](std::string_view id) {
        return static_cast<int>(std::find(writable.begin(), writable.end(), id) - writable.begin());
    };
    const struct {
        const char* name;
        const char* file;
        const char* filter; // the filter chosen in the dialog
        const char* readAs; // the format the file then is
    } rows[] = {
        {"the extension names the format", "mine.css", "gpl", "css"},
        {"no extension: the filter chosen", "mine", "pal", "pal"},
        {"a binary format", "mine.ase", "css", "ase"},
        {"an unknown extension: the filter chosen", "mine.colours", "gpl", "gpl"},
    };
    test::WindowFixture w(false);
    addMine(w);
    w.window = nullptr;
    w.open();
    w.window->palette()->selectPosition(kMine);
    for (const auto& row : rows) {
        const QString path = QString::fromStdString((out / row.file).string());
        w.platform.saveChoiceAnswers.push_back(SaveChoice{path, filterOf(row.filter)});
        w.window->action("mnuExportPalette")->trigger();
        const std::string bytes = out.read(row.file);
        const PaletteReadResult read = ReadPalette(row.file, bytes);
        ASSERT_TRUE(read.ok()) << row.name << ": " << read.error;
        EXPECT_EQ(read.format->id, row.readAs) << row.name;
        EXPECT_EQ(colorsOf(read.palette), kMineColors) << row.name;
    }
    EXPECT_TRUE(w.platform.errorsShown.isEmpty()) << w.platform.errorsShown.join('\n').toStdString();
    // The dialog proposes the palette's name, first as GIMP palette, then in the format last written.
    ASSERT_EQ(w.platform.saveChoicesShown.size(), static_cast<qsizetype>(std::size(rows)));
    EXPECT_EQ(w.platform.saveChoicesShown[0], "Export Palette|Mine.gpl|GIMP palette (*.gpl)");
    EXPECT_EQ(w.platform.saveChoicesShown[1], "Export Palette|Mine.css|CSS custom properties (*.css)");
    EXPECT_EQ(w.platform.saveChoiceFilters.size(), static_cast<qsizetype>(writable.size()));

    // Cancelled: nothing written; a folder that is not there: the reason, nothing written.
    w.window->action("mnuExportPalette")->trigger();
    w.platform.saveChoiceAnswers.push_back(SaveChoice{QString::fromStdString((out / "no/such.gpl").string()), 0});
    w.window->action("mnuExportPalette")->trigger();
    ASSERT_EQ(w.platform.errorsShown.size(), 1);
    EXPECT_TRUE(w.platform.errorsShown[0].startsWith("Export Palette|The palette could not be saved to"))
        << w.platform.errorsShown[0].toStdString();
}

TEST(PaletteTransfer, CopyPaletteAsPutsThePaletteOnViewOnTheClipboardInEveryTextFormat)
{
    test::WindowFixture w(false);
    addMine(w);
    w.window = nullptr;
    w.open();
    w.window->palette()->selectPosition(kMine);
    QMenu* submenu = w.window->menu("mnuCopyPaletteAs");
    ASSERT_NE(submenu, nullptr);
    EXPECT_EQ(submenu->title(), "Copy Palette &As");
    EXPECT_FALSE(submenu->menuAction()->isVisible()) << "only the palette grid's pop-up shows it";
    QStringList names;
    for (QAction* entry : submenu->actions())
        names << entry->objectName();
    // The binary formats (ase, aco) are not offered: the clipboard takes text.
    EXPECT_EQ(names, (QStringList{"mnuCopyPaletteAsGpl", "mnuCopyPaletteAsPal", "mnuCopyPaletteAsTxt",
                                  "mnuCopyPaletteAsSoc", "mnuCopyPaletteAsCss", "mnuCopyPaletteAsScss",
                                  "mnuCopyPaletteAsJson", "mnuCopyPaletteAsHex"}));
    EXPECT_EQ(w.window->action("mnuCopyPaletteAsGpl")->text(), "GIMP palette (.gpl)");
    for (QAction* entry : submenu->actions()) {
        const std::string id = entry->objectName().mid(16).toLower().toStdString();
        entry->trigger();
        const PaletteReadResult read = ReadPalette("clip." + id, w.platform.clipboard.toStdString());
        ASSERT_TRUE(read.ok()) << id << ": " << read.error;
        EXPECT_EQ(read.format->id, id);
        EXPECT_EQ(colorsOf(read.palette), kMineColors) << id;
    }
}

TEST(PaletteTransfer, SaveDialogGivesABareNameTheExtensionOfTheFilterChosen)
{
    EXPECT_EQ(QtPlatform::filterSuffix("GIMP palette (*.gpl)"), "gpl");
    EXPECT_EQ(QtPlatform::filterSuffix("Design tokens (JSON) (*.json *.tokens)"), "json");
    EXPECT_EQ(QtPlatform::filterSuffix("All files (*)"), "");
}

} // namespace
} // namespace prismara
