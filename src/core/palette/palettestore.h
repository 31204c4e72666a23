// palettestore.h - the palette store of the program folder: the lists built from the palette
// index that the palette view, the "Add This Color To" menu and the picker use, the commands
// that change the index, and the recent colours.
#pragma once

#include "core/colour/colorvalue.h"
#include "core/palette/chartindex.h"
#include "core/palette/chartkind.h"
#include "core/palette/palettefile.h"
#include "core/palette/storeresult.h"

#include <cstdint>
#include <filesystem>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace prismara {

class PaletteStore
{
public:
    explicit PaletteStore(std::filesystem::path folder);

    const std::filesystem::path& folder() const { return folder_; }

    // Re-reads the index (repairing it first) and rebuilds every list below. A missing,
    // unreadable or empty index leaves the lists empty and returns the failure.
    StoreResult readIndex();

    // One entry per usable index record, in index order; position = selector position.
    const std::vector<std::string>& chartFiles() const { return chartFiles_; }
    const std::vector<std::string>& chartNames() const { return chartNames_; }
    const std::vector<std::string>& chartKinds() const { return chartKinds_; }
    const std::string& newChartFile() const { return newChartFile_; }
    // Files of the palettes of flag "0" or "1", in index order ("Add This Color To").
    const std::vector<std::string>& addToFiles() const { return addToFiles_; }
    // Display names matching addToFiles.
    const std::vector<std::string>& addToNames() const { return addToNames_; }

    int chartCount() const { return static_cast<int>(chartFiles_.size()); }
    // Kind at a selector position; Unknown for a position out of range.
    ChartKind kindAt(int position) const;
    // Selector position of "recent.rgb", -1 when the index does not list it.
    int recentPosition() const;

    // The palette at a selector position (an empty name, refused by every operation, when the
    // position is out of range), or of a file name.
    PaletteFile palette(int position) const;
    PaletteFile palette(std::string_view fileName) const;

    // Problems found by the reads since the last call, each returned only once however often
    // the index is read again (the window shows them once).
    std::vector<std::string> takeWarnings();

    // New Color Palette: appends (newChartFile, name, "1") and re-reads the index; the new
    // palette is the last entry. name must not be blank or hold a line break.
    StoreResult addChart(std::string_view name);

    // A new palette of kind "1" holding `colors` (for an import): the palette file is written
    // completely first (through ".tmp"), then the names side file when `names` is given (one
    // name per colour), and only then is the index record appended, so the index never lists a
    // half-made palette. When a step fails, the files already written are removed again and
    // nothing is changed. The new palette is the last entry. name as for addChart.
    StoreResult createChart(std::string_view name, std::span<const ColorValue> colors,
                            const PaletteNames* names = nullptr);

    // Delete Current Palette: removes the index record of the palette at `position` (which must
    // be of flag "1"), then deletes its colour file and its names side file, then re-reads the
    // index. When only those files could not be deleted the palette is already gone from the
    // index; the failure names the file left (its number is not given out again while it exists).
    StoreResult deleteChart(int position);

    // The recent colours: created empty at start-up (an existing file is kept), deleted at
    // shutdown. appendRecent writes nothing for black and white.
    static bool isRecentCandidate(ColorValue color);
    StoreResult createRecentFile() const;
    StoreResult deleteRecentFile() const;
    StoreResult appendRecent(ColorValue color) const;

private:
    std::filesystem::path folder_;
    std::vector<ChartEntry> entries_;
    std::vector<std::string> chartFiles_;
    std::vector<std::string> chartNames_;
    std::vector<std::string> chartKinds_;
    std::string newChartFile_;
    std::vector<std::string> addToFiles_;
    std::vector<std::string> addToNames_;
    std::vector<std::string> pendingWarnings_;
    std::set<std::string> shownWarnings_;
};

} // namespace prismara
