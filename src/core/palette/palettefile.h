// palettefile.h - one palette's colour file: fixed 6-byte records "RRGGBB", oldest first, no
// header and no separators. Record k (1-based) lies at byte 6 * (k - 1).
#pragma once

#include "core/colour/colorvalue.h"
#include "core/palette/palettenames.h"
#include "core/palette/palettepage.h"
#include "core/palette/storeresult.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace prismara {

inline constexpr std::size_t kRecordSize = 6;

// One cell of a page of the palette view.
struct PaletteCell
{
    std::int32_t record = 0;         // the record shown, 0 for a cell beyond the palette
    std::optional<ColorValue> color; // empty beyond the palette and for a record that is not
                                     // six hexadecimal digits; the view paints both white
    bool holdsRecord() const { return record >= 1; }
};

using PalettePageCells = std::array<PaletteCell, PalettePage::kCells>;

// Called now and then while a rewrite runs, on the thread that runs it, with the records done
// and the records in all; returning false cancels the rewrite, which then leaves every file as
// it was and reports StoreResult::cancelled.
using RewriteProgress = std::function<bool(std::uint64_t done, std::uint64_t total)>;

// Every operation works on folder / fileName and opens, uses and closes the file within the
// call. A name that is not a plain file name (ChartIndex::isPlainFileName) is never touched:
// it reads as an empty palette and every change is refused.
//
// Records that are not six hexadecimal digits read as empty cells and are copied unchanged by
// every rewrite. Bytes after the last whole record (a trailing partial record) are not a
// colour: rewrites drop them, and an append overwrites them in place so the new record stays
// aligned (without a names side file the rest of the palette is neither read nor copied).
// Clear Duplicate Colors and Delete Selected Color read and write the palette in pieces, at any
// size, with memory that does not grow with it.
//
// The changes (append, clear, the rewrites, setNames) hold the file's FileChangeLock
// (core/files/fileio.h) while they run: a change asked for on another thread waits for the one
// under way.
//
// Every change keeps the names side file (palettenames.h) in step: names in step are rewritten
// for the palette's new records first (an appended colour has no name, removed colours take
// their names along), a side file out of step is dropped, and clearing the palette drops it.
// When the palette file then cannot be changed, the side file is put back as it was. (The side
// file's checksum covers the whole palette, so a change to a palette that has one reads it.)
class PaletteFile
{
public:
    PaletteFile(std::filesystem::path folder, std::string fileName);

    const std::string& fileName() const { return fileName_; }
    std::filesystem::path path() const { return folder_ / fileName_; }
    bool hasPlainName() const;

    // N = file size div 6; 0 for a missing file.
    std::int32_t count() const;

    // Colour of record k; nullopt when k is out of range or the record is malformed.
    std::optional<ColorValue> color(std::int32_t k) const;

    // Records first..last (clamped to the file) in file order, read in one ranged read.
    std::vector<std::optional<ColorValue>> colors(std::int32_t first, std::int32_t last) const;

    // The 216 cells of `page` for a palette of colorCount colours (the count of the last page-1
    // display), read in one ranged read of only the records the page shows.
    PalettePageCells page(std::int32_t colorCount, std::int32_t page) const;

    // Creates the file empty when it does not exist (the view does this when it shows a palette).
    StoreResult create() const;

    // Appends the record made from characters 2-7 of an HtmlHex text "#RRGGBB", creating the
    // file when needed. Any other text is refused.
    StoreResult append(std::string_view hexText) const;

    // Deletes the file; the next display re-creates it empty.
    StoreResult clear() const;

    // Keeps the first occurrence of every record (compared byte for byte) in order, through
    // fileName + ".tmp". With N <= 1, or nothing to remove, no file is touched. One pass over
    // the file in pieces: the time grows linearly with the palette and the memory does not grow.
    StoreResult removeDuplicates(const RewriteProgress& progress = {}) const;

    // Removes record s (1 <= s <= N) through fileName + ".ctm", in pieces like removeDuplicates.
    StoreResult removeRecord(std::int32_t s, const RewriteProgress& progress = {}) const;

    // The side file beside this palette file: "c8.names".
    std::string namesFileName() const { return PaletteNamesFileName(fileName_); }
    // The names of the colours and the file the palette was imported from, when the side file is
    // in step with the palette file; nullopt when there is none or it is out of step.
    std::optional<PaletteNames> names() const;
    // Writes the side file for the palette file as it is now; names.names must hold one entry
    // per record.
    StoreResult setNames(const PaletteNames& names) const;

private:
    StoreResult refusedName() const;
    StoreResult appendRecord(std::string_view record) const;
    // Runs `change`, which turns the palette bytes `before` into `after` (nullopt: the file is
    // deleted), keeping the side file in step as the class comment says; `edit` turns the names
    // of `before` into those of `after`.
    StoreResult changeKeepingNames(std::string_view before, const std::optional<std::string>& after,
                                   const std::function<void(std::vector<std::string>&)>& edit,
                                   const std::function<StoreResult()>& change) const;
    // The palette file with only the records `keep` (record index from 0, its six bytes) takes,
    // through the temporary `temp`, read and written in pieces; a trailing partial record is
    // dropped. When every record is kept and there is no partial record nothing is written.
    // The side file follows as the class comment says.
    // (A template, so that the test of each record is inlined; defined and used in palettefile.cpp.)
    template <typename Keep>
    StoreResult filterRecords(const std::string& temp, Keep keep, const RewriteProgress& progress) const;

    std::filesystem::path folder_;
    std::string fileName_;
};

// Appends one colour to a palette file of the program folder: PaletteFile::append.
StoreResult AppendChartColor(const std::filesystem::path& folder, std::string_view fileName,
                             std::string_view hexText);

} // namespace prismara
