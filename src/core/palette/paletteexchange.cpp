// paletteexchange.cpp - import of palette files as new palettes, export of stored palettes.
#include "core/palette/paletteexchange.h"

#include "core/files/fileio.h"

namespace prismara {

namespace {

// A display name the index can hold: one line without blanks at either end, at most 255 bytes
// cut at a character boundary.
std::string chartName(std::string_view name)
{
    std::string out;
    for (const char c : name)
        out += static_cast<unsigned char>(c) < 0x20 || c == 0x7F ? ' ' : c;
    const std::size_t first = out.find_first_not_of(' ');
    out.erase(0, first == std::string::npos ? out.size() : first);
    out.erase(out.find_last_not_of(' ') + 1);
    if (out.size() > 255) {
        std::size_t cut = 255;
        while (cut > 0 && (static_cast<unsigned char>(out[cut]) & 0xC0) == 0x80)
            --cut;
        out.resize(cut);
    }
    return out.empty() ? "Imported palette" : out;
}

std::string lastPart(std::string_view fileName)
{
    const std::size_t slash = fileName.find_last_of('/');
    return std::string(slash == std::string_view::npos ? fileName : fileName.substr(slash + 1));
}

} // namespace

std::string ImportOutcome::summary(std::string_view fileName) const
{
    return "Imported \"" + name + "\" (" + std::to_string(colors) + (colors == 1 ? " colour, " : " colours, ") +
           std::string(format ? format->title : "") + ") from " + lastPart(fileName) + " as " + chartFile;
}

ImportOutcome ImportPalette(PaletteStore& store, std::string_view fileName, std::string_view bytes,
                            std::string_view name, std::string_view source)
{
    ImportOutcome outcome;
    PaletteReadResult read = ReadPalette(fileName, bytes);
    outcome.format = read.format;
    if (!read.ok()) {
        outcome.result = StoreResult::refused(lastPart(fileName), read.error);
        return outcome;
    }
    outcome.name = chartName(name.empty() ? std::string_view(read.palette.name) : name);
    std::vector<ColorValue> colors;
    PaletteNames names;
    names.source = std::string(source);
    colors.reserve(read.palette.entries.size());
    names.names.reserve(read.palette.entries.size());
    bool named = !names.source.empty();
    for (PaletteEntry& entry : read.palette.entries) {
        colors.push_back(entry.color);
        named = named || !entry.name.empty();
        names.names.push_back(std::move(entry.name));
    }
    outcome.result = store.createChart(outcome.name, colors, named ? &names : nullptr);
    if (!outcome.result)
        return outcome;
    outcome.position = store.chartCount() - 1;
    outcome.chartFile = store.chartFiles().back();
    outcome.colors = colors.size();
    outcome.notes = std::move(read.notes);
    return outcome;
}

ImportOutcome ImportPaletteFile(PaletteStore& store, const std::filesystem::path& file, std::string_view name)
{
    const std::string shown = lastPart(file.string());
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec)) {
        ImportOutcome outcome;
        outcome.result = StoreResult::refused(shown, shown + " is not a file that can be read");
        return outcome;
    }
    if (FileSize(file) > kMaxPaletteFileBytes) {
        ImportOutcome outcome;
        outcome.result = StoreResult::refused(shown, shown + ": at " + std::to_string(FileSize(file) >> 20) +
                                                         " MiB it is too large for a palette");
        return outcome;
    }
    // Read without blocking and within the limit, whatever the file became since it was looked at.
    std::string bytes;
    if (const FileResult read = ReadWholeFile(file, bytes, kMaxPaletteFileBytes); !read) {
        ImportOutcome outcome;
        outcome.result = StoreResult::notRead(shown, read.reason());
        return outcome;
    }
    const std::filesystem::path absolute = std::filesystem::absolute(file, ec);
    return ImportPalette(store, file.string(), bytes, name, (ec ? file : absolute).string());
}

StoredPalette ReadStoredPalette(const PaletteStore& store, int position)
{
    StoredPalette stored;
    if (position < 0 || position >= store.chartCount()) {
        stored.result = StoreResult::refused(std::string(kChartIndexFile), "no such palette");
        return stored;
    }
    const PaletteFile file = store.palette(position);
    stored.palette.name = store.chartNames()[static_cast<std::size_t>(position)];
    const std::vector<std::optional<ColorValue>> colors = file.colors(1, file.count());
    const std::optional<PaletteNames> names = file.names();
    if (names)
        stored.source = names->source;
    stored.palette.entries.reserve(colors.size());
    for (std::size_t i = 0; i < colors.size(); ++i) {
        if (!colors[i]) {
            ++stored.skipped;
            continue;
        }
        stored.palette.entries.push_back({*colors[i], names && i < names->names.size() ? names->names[i] : std::string()});
    }
    return stored;
}

ExportOutcome ExportPalette(const PaletteStore& store, int position, const PaletteFormat& format)
{
    ExportOutcome outcome;
    StoredPalette stored = ReadStoredPalette(store, position);
    const std::string file = position >= 0 && position < store.chartCount()
                                 ? store.chartFiles()[static_cast<std::size_t>(position)]
                                 : std::string();
    if (!stored.result) {
        outcome.result = stored.result;
        return outcome;
    }
    if (format.write == nullptr) {
        outcome.result = StoreResult::refused(file, "palettes cannot be written as " + std::string(format.title));
        return outcome;
    }
    const std::size_t count = stored.palette.entries.size();
    if (format.maxColors != 0 && count > format.maxColors) {
        outcome.result = StoreResult::refused(file, file + " holds " + std::to_string(count) + " colours; " +
                                                        std::string(format.title) + " files take at most " +
                                                        std::to_string(format.maxColors));
        return outcome;
    }
    if (stored.skipped > 0)
        outcome.notes.push_back(file + ": " + std::to_string(stored.skipped) +
                                (stored.skipped == 1 ? " record is" : " records are") +
                                " not a colour and " + (stored.skipped == 1 ? "was" : "were") + " left out");
    outcome.bytes = WritePalette(format, stored.palette);
    return outcome;
}

int FindChart(const PaletteStore& store, std::string_view fileOrName, std::string& why)
{
    for (int i = 0; i < store.chartCount(); ++i)
        if (store.chartFiles()[static_cast<std::size_t>(i)] == fileOrName)
            return i;
    int found = -1;
    std::string files;
    for (int i = 0; i < store.chartCount(); ++i) {
        if (store.chartNames()[static_cast<std::size_t>(i)] != fileOrName)
            continue;
        files += (files.empty() ? "" : ", ") + store.chartFiles()[static_cast<std::size_t>(i)];
        found = found == -1 ? i : -2;
    }
    if (found == -2) {
        why = "several palettes are called \"" + std::string(fileOrName) + "\" (" + files + "); give the file name";
        return -1;
    }
    if (found == -1)
        why = "no palette is called \"" + std::string(fileOrName) + "\"";
    return found;
}

} // namespace prismara
