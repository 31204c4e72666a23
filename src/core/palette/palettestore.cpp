// palettestore.cpp - the lists built from the palette index and the commands on them.
#include "core/palette/palettestore.h"

#include "core/files/fileio.h"

#include <utility>

namespace prismara {

PaletteStore::PaletteStore(std::filesystem::path folder) : folder_(std::move(folder)) {}

StoreResult PaletteStore::readIndex()
{
    ChartList list = ChartIndex(folder_).read();
    entries_ = std::move(list.entries);
    chartFiles_.clear();
    chartNames_.clear();
    chartKinds_.clear();
    addToFiles_.clear();
    addToNames_.clear();
    for (const ChartEntry& entry : entries_) {
        chartFiles_.push_back(entry.file);
        chartNames_.push_back(entry.name);
        chartKinds_.push_back(entry.kind);
        if (IsAddTarget(ChartKindOf(entry.kind))) {
            addToFiles_.push_back(entry.file);
            addToNames_.push_back(entry.name);
        }
    }
    newChartFile_ = std::move(list.newChartFile);
    for (std::string& warning : list.warnings) {
        if (shownWarnings_.insert(warning).second)
            pendingWarnings_.push_back(std::move(warning));
    }
    if (!list.error.empty())
        return StoreResult::refused(std::string(kChartIndexFile), list.error);
    return StoreResult::success();
}

ChartKind PaletteStore::kindAt(int position) const
{
    if (position < 0 || position >= chartCount())
        return ChartKind::Unknown;
    return ChartKindOf(chartKinds_[static_cast<std::size_t>(position)]);
}

int PaletteStore::recentPosition() const
{
    for (int i = 0; i < chartCount(); ++i) {
        if (chartFiles_[static_cast<std::size_t>(i)] == kRecentFile)
            return i;
    }
    return -1;
}

PaletteFile PaletteStore::palette(int position) const
{
    if (position < 0 || position >= chartCount())
        return PaletteFile(folder_, std::string());
    return PaletteFile(folder_, chartFiles_[static_cast<std::size_t>(position)]);
}

PaletteFile PaletteStore::palette(std::string_view fileName) const
{
    return PaletteFile(folder_, std::string(fileName));
}

std::vector<std::string> PaletteStore::takeWarnings()
{
    return std::exchange(pendingWarnings_, {});
}

StoreResult PaletteStore::addChart(std::string_view name)
{
    if (newChartFile_.empty()) {
        if (StoreResult read = readIndex(); !read)
            return read;
    }
    StoreResult added = ChartIndex(folder_).appendRecord(newChartFile_, name);
    if (!added)
        return added;
    (void)readIndex();
    return StoreResult::success();
}

StoreResult PaletteStore::createChart(std::string_view name, std::span<const ColorValue> colors,
                                      const PaletteNames* names)
{
    if (!ChartIndex::isChartName(name))
        return StoreResult::refused(std::string(kChartIndexFile),
                                    std::string("\"").append(name).append("\" cannot be a palette name"));
    if (names && names->names.size() != colors.size())
        return StoreResult::refused(std::string(kChartIndexFile), "the names do not match the colours");
    if (StoreResult read = readIndex(); !read)
        return read;
    const PaletteFile palette = this->palette(newChartFile_);
    std::string bytes;
    bytes.reserve(colors.size() * kRecordSize);
    for (const ColorValue color : colors)
        bytes.append(HtmlHex(color), 1, kRecordSize);

    const std::filesystem::path file = palette.path();
    const std::filesystem::path side = folder_ / palette.namesFileName();
    if (const FileResult written = ReplaceFile(file, folder_ / (palette.fileName() + ".tmp"), bytes); !written)
        return StoreResult::notWritten(palette.fileName(), written.reason());
    StoreResult made = names ? palette.setNames(*names) : StoreResult::success();
    if (made)
        made = ChartIndex(folder_).appendRecord(palette.fileName(), name);
    if (!made) {
        (void)RemoveFile(side);
        (void)RemoveFile(file);
        return made;
    }
    (void)readIndex();
    return StoreResult::success();
}

StoreResult PaletteStore::deleteChart(int position)
{
    if (position < 0 || position >= chartCount())
        return StoreResult::refused(std::string(kChartIndexFile), "no palette is selected");
    const ChartEntry entry = entries_[static_cast<std::size_t>(position)];
    if (!CanDeleteChart(ChartKindOf(entry.kind)))
        return StoreResult::refused(entry.file, "the palette \"" + entry.name + "\" cannot be deleted");
    StoreResult removed = ChartIndex(folder_).DeleteChart(entry.record, entry.file);
    if (!removed)
        return removed;
    StoreResult cleared = palette(entry.file).clear();
    (void)readIndex();
    return cleared;
}

bool PaletteStore::isRecentCandidate(ColorValue color)
{
    return color != kBlack && color != kWhite;
}

StoreResult PaletteStore::createRecentFile() const
{
    return palette(kRecentFile).create();
}

StoreResult PaletteStore::deleteRecentFile() const
{
    return palette(kRecentFile).clear();
}

StoreResult PaletteStore::appendRecent(ColorValue color) const
{
    if (!isRecentCandidate(color))
        return StoreResult::success();
    return palette(kRecentFile).append(HtmlHex(color));
}

} // namespace prismara
