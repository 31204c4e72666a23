// chartindex.h - the palette index "colorchart.cci": records of three CR LF lines (file name,
// display name, kind flag), read and rewritten as a whole through "colorchart.cct".
#pragma once

#include "core/palette/storeresult.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace prismara {

inline constexpr std::string_view kChartIndexFile = "colorchart.cci";
inline constexpr std::string_view kChartIndexTemp = "colorchart.cct";
inline constexpr std::string_view kRecentFile = "recent.rgb";

struct ChartEntry
{
    std::string file;        // palette file name, a plain name in the program folder
    std::string name;        // display name
    std::string kind;        // flag line as stored ("0", "1", "2"); see ChartKindOf
    std::int32_t record = 0; // 1-based number of this record in the index, for DeleteChart
};

struct ChartList
{
    // The usable records in index order. Records naming anything but a plain file name are
    // left out, so an entry's position can differ from its record number.
    std::vector<ChartEntry> entries;
    std::string newChartFile;          // file name for the next new palette
    std::vector<std::string> warnings; // records left out, repairs that could not be saved
    std::string error;                 // set when the index is missing, unreadable or empty
};

class ChartIndex
{
public:
    explicit ChartIndex(std::filesystem::path folder);

    std::filesystem::path path() const;

    // Removes the lines that are empty once spaces are trimmed; the other lines are kept
    // unchanged, each ended by CR LF. The index is rewritten only when that changes it.
    // A missing index is reported and not created. An index that is not text (it holds NUL
    // bytes: UTF-16, binary garbage) is never rewritten, here or by appendRecord and
    // DeleteChart; read() reads it as it is and reports it in one warning. An index that is not
    // a regular file or is larger than kSmallFileLimit is reported and not read.
    StoreResult RepairFile() const;

    // RepairFile, then every complete record. A trailing record of fewer than three lines is
    // ignored and reported. A failed repair is reported and reading goes on with the repaired
    // lines. Nothing but the repair writes.
    ChartList read() const;

    // Appends the record (file, name, "1"). A trailing incomplete record, or lines the repair
    // would drop, are first removed by a rewrite of the whole index, so the new record always
    // starts on a record boundary. The index must exist; it is never created here.
    StoreResult appendRecord(std::string_view file, std::string_view name) const;

    // Removes record Index (1-based, counted as read() counts them, i.e. after blank lines).
    // When expectedFile is given, the record must name that file, or nothing is changed.
    // The palette's colour file is left to the caller.
    StoreResult DeleteChart(std::int32_t Index, std::optional<std::string_view> expectedFile = {}) const;

    // A name that can only mean a file directly in the program folder: not empty, not "." or
    // "..", no "/" or "\\", no control character, and not the index or its temporary.
    static bool isPlainFileName(std::string_view name);

    // A display name an index record can hold: not blank, no line break.
    static bool isChartName(std::string_view name);

    // N of a name of the form "c" + decimal N + ".rgb"; nullopt for any other name.
    static std::optional<std::uint64_t> chartNumber(std::string_view file);

private:
    std::filesystem::path folder_;
};

} // namespace prismara
