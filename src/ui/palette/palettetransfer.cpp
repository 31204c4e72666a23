// palettetransfer.cpp - import, export and Copy Palette As.
#include "ui/palette/palettetransfer.h"

#include "core/files/fileio.h"
#include "platform/platform.h"
#include "platform/qtconvert.h"
#include "ui/palette/paletteview.h"
#include "widgets/colorhub.h"
#include "widgets/menutable.h"

#include <QAction>

#include <algorithm>

namespace prismara {

namespace {

const QString kImportTitle = QStringLiteral("Import Palette");
const QString kExportTitle = QStringLiteral("Export Palette");
const QString kCopyTitle = QStringLiteral("Copy Palette As");

QString sentence(const std::string& text)
{
    QString line = ToQString(text);
    if (!line.isEmpty() && !line.endsWith('.'))
        line += '.';
    return line;
}

// "GIMP palette (*.gpl)", "Design tokens (JSON) (*.json *.tokens)".
QString filterOf(const PaletteFormat& format)
{
    QStringList patterns;
    for (std::string_view ext : format.extensions)
        patterns << "*" + ToQString(ext);
    return ToQString(format.title) + " (" + patterns.join(' ') + ")";
}

QStringList importFilters()
{
    QStringList every;
    QStringList filters;
    for (const PaletteFormat& format : PaletteFormats()) {
        if (format.extensions.empty())
            continue;
        filters << filterOf(format);
        for (std::string_view ext : format.extensions)
            every << "*" + ToQString(ext);
    }
    filters.prepend("Palette files (" + every.join(' ') + ")");
    filters << "All files (*)";
    return filters;
}

std::vector<const PaletteFormat*> writableFormats()
{
    std::vector<const PaletteFormat*> formats;
    for (const PaletteFormat& format : PaletteFormats())
        if (format.write && !format.extensions.empty())
            formats.push_back(&format);
    return formats;
}

// A palette's name as a file name: no folder separators or control characters.
QString fileNameOf(const QString& name)
{
    QString file;
    for (const QChar c : name)
        file += c == '/' || c == '\\' || c.category() == QChar::Other_Control ? QChar('-') : c;
    file = file.trimmed();
    while (file.startsWith('.'))
        file.remove(0, 1);
    return file.isEmpty() ? QStringLiteral("palette") : file;
}

} // namespace

std::vector<PaletteImport> ImportPaletteFiles(const std::filesystem::path& folder, const QStringList& files)
{
    std::vector<PaletteImport> made;
    PaletteStore store(folder);
    for (const QString& file : files)
        made.push_back({file, ImportPaletteFile(store, ToPath(file))});
    return made;
}

ImportMessage ImportMessageOf(const std::vector<PaletteImport>& made)
{
    ImportMessage message;
    bool notes = false;
    QStringList lines;
    for (const PaletteImport& one : made) {
        const ImportOutcome& outcome = one.outcome;
        if (!outcome.result) {
            message.failed = true;
            lines << sentence(outcome.result.message());
            continue;
        }
        lines << sentence(outcome.summary(ToStdString(one.file)));
        for (const std::string& note : outcome.notes) {
            lines << sentence(note);
            notes = true;
        }
    }
    if (message.failed || notes)
        message.text = lines.join('\n');
    return message;
}

PaletteTransfer::PaletteTransfer(ColorHub& hub, PaletteView& view) : QObject(&view), hub_(hub), view_(view)
{
    setObjectName("paletteTransfer");
    if (QAction* a = hub_.action("mnuImportPalette"))
        connect(a, &QAction::triggered, this, &PaletteTransfer::importPalette);
    if (QAction* a = hub_.action("mnuExportPalette"))
        connect(a, &QAction::triggered, this, &PaletteTransfer::exportPalette);
    for (const PaletteFormat& format : PaletteFormats()) {
        if (!OffersCopyPaletteAs(format))
            continue;
        if (QAction* a = hub_.action(ToQString(CopyPaletteEntryName(format))))
            connect(a, &QAction::triggered, this, [this, &format] { copyPaletteAs(format); });
    }
}

void PaletteTransfer::importPalette()
{
    const QStringList files = hub_.platform().openFileNames(hub_.mainWindow(), kImportTitle, importFilters());
    if (!files.isEmpty())
        importPaletteFiles(files);
}

void PaletteTransfer::importPaletteFiles(const QStringList& files)
{
    std::uintmax_t bytes = 0;
    for (const QString& file : files)
        bytes += FileSize(ToPath(file));
    // The files are imported one after another; a cancel keeps the palettes made so far.
    auto made = std::make_shared<std::vector<PaletteImport>>();
    const std::filesystem::path folder = hub_.platform().programFolderPath();
    const bool started = view_.runChange(
        kImportTitle, {}, bytes,
        [folder, files, made](const RewriteProgress& progress) {
            PaletteStore store(folder);
            for (qsizetype k = 0; k < files.size(); ++k) {
                if (progress && !progress(static_cast<std::uint64_t>(k), static_cast<std::uint64_t>(files.size())))
                    return StoreResult::cancelled(ToStdString(files[k]));
                made->push_back({files[k], ImportPaletteFile(store, ToPath(files[k]))});
            }
            return StoreResult::success();
        },
        [this, made](const StoreResult&) { showImported(*made); });
    if (!started)
        hub_.platform().showError(hub_.mainWindow(), kImportTitle,
                                  QStringLiteral("A palette command is still running: import the files when it has ended."));
}

void PaletteTransfer::showImported(const std::vector<PaletteImport>& made)
{
    int last = -1;
    for (const PaletteImport& one : made)
        if (one.outcome.result)
            last = one.outcome.position;
    if (last >= 0) {
        view_.ShowChartMenu();
        view_.selectPosition(last);
    }
    const ImportMessage message = ImportMessageOf(made);
    if (message.text.isEmpty())
        return;
    if (message.failed)
        hub_.platform().showError(hub_.mainWindow(), kImportTitle, message.text);
    else
        hub_.platform().showInformation(hub_.mainWindow(), kImportTitle, message.text);
}

int PaletteTransfer::shownPosition(const QString& title)
{
    const int position = view_.selectorPosition();
    if (position >= 0 && position < view_.store().chartCount())
        return position;
    hub_.platform().showError(hub_.mainWindow(), title, "No palette is on view.");
    return -1;
}

void PaletteTransfer::exportPalette()
{
    const int position = shownPosition(kExportTitle);
    if (position < 0)
        return;
    const std::vector<const PaletteFormat*> formats = writableFormats();
    QStringList filters;
    for (const PaletteFormat* format : formats)
        filters << filterOf(*format);
    const auto last = std::find(formats.begin(), formats.end(), lastExportFormat_);
    const int selected = last == formats.end() ? 0 : static_cast<int>(last - formats.begin());
    const PaletteFormat& proposedFormat = *formats[static_cast<std::size_t>(selected)];
    const QString name = ToQString(view_.store().chartNames()[static_cast<std::size_t>(position)]);
    const QString proposed = fileNameOf(name) + ToQString(proposedFormat.extensions.front());

    Platform& platform = hub_.platform();
    const std::optional<SaveChoice> choice =
        platform.saveFileChoice(hub_.mainWindow(), kExportTitle, proposed, filters, selected);
    if (!choice || choice->path.isEmpty())
        return;
    const PaletteFormat* format = PaletteFormatForFileName(ToStdString(choice->path));
    if (!format)
        format = formats[static_cast<std::size_t>(std::clamp<int>(choice->filter, 0, static_cast<int>(formats.size()) - 1))];

    const ExportOutcome exported = ExportPalette(view_.store(), position, *format);
    if (!exported.result) {
        platform.showError(hub_.mainWindow(), kExportTitle, sentence(exported.result.message()));
        return;
    }
    std::filesystem::path file = ToPath(choice->path);
    std::filesystem::path temp = file;
    temp += ".tmp";
    if (!ReplaceFile(file, temp, exported.bytes)) {
        platform.showError(hub_.mainWindow(), kExportTitle,
                           QString("The palette could not be saved to %1.").arg(choice->path));
        return;
    }
    lastExportFormat_ = format;
    if (!exported.notes.empty()) {
        QStringList lines;
        for (const std::string& note : exported.notes)
            lines << sentence(note);
        platform.showInformation(hub_.mainWindow(), kExportTitle, lines.join('\n'));
    }
}

void PaletteTransfer::copyPaletteAs(const PaletteFormat& format)
{
    const int position = shownPosition(kCopyTitle);
    if (position < 0)
        return;
    const ExportOutcome exported = ExportPalette(view_.store(), position, format);
    Platform& platform = hub_.platform();
    if (!exported.result) {
        platform.showError(hub_.mainWindow(), kCopyTitle, sentence(exported.result.message()));
        return;
    }
    platform.clearClipboard();
    platform.setClipboardText(QString::fromUtf8(exported.bytes.data(), static_cast<qsizetype>(exported.bytes.size())));
}

} // namespace prismara
