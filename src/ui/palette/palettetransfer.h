// palettetransfer.h - palettes in and out of the window: File > Import Palette and Export
// Palette, Copy Palette As on the palette grid's pop-up, and palette files dropped on the window.
// Formats are those of the format table (core/formats/paletteformat.h).
#pragma once

#include "core/palette/paletteexchange.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <filesystem>
#include <vector>

namespace prismara {

class ColorHub;
class PaletteView;

// What importing one file made: the file as given, and the outcome.
struct PaletteImport
{
    QString file;
    ImportOutcome outcome;
};

// Imports each file as a new palette of the program folder `folder`, one after another, on a
// palette store of its own. It touches nothing of the window, so it may run on another thread;
// PaletteTransfer::showImported then shows what it made.
std::vector<PaletteImport> ImportPaletteFiles(const std::filesystem::path& folder, const QStringList& files);

// The one message an import gives: every failure, and for each palette made its summary and
// notes (converted swatches and the like). Empty when every file was imported without a note.
struct ImportMessage
{
    QString text;
    bool failed = false; // at least one file was not imported
};
ImportMessage ImportMessageOf(const std::vector<PaletteImport>& made);

class PaletteTransfer : public QObject
{
    Q_OBJECT
public:
    // Connects mnuImportPalette, mnuExportPalette and the Copy Palette As entries, found through
    // the hub.
    PaletteTransfer(ColorHub& hub, PaletteView& view);

    // File > Import Palette...: an open dialog for one or more palette files.
    void importPalette();
    // Imports `files` (ImportPaletteFiles) and shows what it made (showImported).
    void importPaletteFiles(const QStringList& files);
    // Re-reads the palette list, selects the last palette made and gives the import's message.
    void showImported(const std::vector<PaletteImport>& made);

    // File > Export Palette...: the palette on view, in the format its file name's extension
    // names, else in the format of the filter chosen.
    void exportPalette();
    // Copy Palette As: the palette on view as text on the clipboard.
    void copyPaletteAs(const PaletteFormat& format);

private:
    // The palette on view, or -1 after telling the user that none is.
    int shownPosition(const QString& title);

    ColorHub& hub_;
    PaletteView& view_;
    const PaletteFormat* lastExportFormat_ = nullptr;
};

} // namespace prismara
