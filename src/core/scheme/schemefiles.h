// schemefiles.h - the saved schemes of one style: its list file and its data file.
//
// List file (stem + ".hcs"): one line per scheme, the name between double quotation marks,
// each line ended by CR LF; names are not escaped. Reading drops the first and the last
// character of each line whatever they are (a line of fewer than two characters gives an empty
// name) and accepts LF-only and CR-only line ends as well.
//
// Data file (stem + ".dat"): record k (1-based) of the style's record length L at byte offset
// (k - 1) * L, one 6-byte field per element in element order, each the colour's BgrHex form
// ("BBGGRR", upper case). Record k belongs to line k of the list file.
//
// Names are byte strings in the system code page; converting them for display is the caller's
// business. Every file access goes through platform/fileio.h.
#pragma once

#include "core/colour/colorvalue.h"
#include "core/scheme/schemestyles.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace prismara {

enum class SchemeFileStatus {
    Ok,
    NoSuchScheme,        // delete: the position has no line in the list file; nothing written
    DataFileNotWritten,  // the data file could not be written; see SchemeFileResult::file
    ListFileNotWritten,  // the list file could not be written; see SchemeFileResult::file
};

struct SchemeFileResult
{
    SchemeFileStatus status = SchemeFileStatus::Ok;
    std::filesystem::path file;   // the file that could not be written; empty otherwise
    std::string reason;           // why, in the system's words; empty when not known

    bool ok() const { return status == SchemeFileStatus::Ok; }
};

class SchemeFiles
{
public:
    // One field per element; nullopt where the field is missing or not six hexadecimal digits.
    using Record = std::vector<std::optional<ColorValue>>;

    // The temporaries of a delete (and of a save that must rewrite the data file).
    static constexpr std::string_view kTempListName = "set.hct";
    static constexpr std::string_view kTempDataName = "colorset.dam";

    // The files of style `style` (a position in SchemeStyles::all()) in `folder`.
    SchemeFiles(std::filesystem::path folder, std::size_t style);

    const SchemeStyle& style() const;
    std::filesystem::path listPath() const;
    std::filesystem::path dataPath() const;

    // The scheme names in list order; empty when the list file is missing, is not a regular file
    // or is larger than kSmallFileLimit (core/files/fileio.h).
    std::vector<std::string> names() const;
    // The number of lines of the list file (0 when it is missing).
    std::size_t lineCount() const;

    // Record `number` (1-based). nullopt when the data file is missing or ends before the
    // record; a record cut short gives nullopt for the fields it lacks. Never writes.
    std::optional<Record> readRecord(std::size_t number) const;

    // Saves a scheme under `name` (already passed through nameFromAnswer) with the element
    // colours `colors` (record-field order; missing colours are taken from the style's initial
    // colours). The record is written as record n of the data file, n being the line the name
    // will occupy, and only then is the quoted name appended to the list file, so a failed save
    // never lists a name without its colours. A data file shorter than (n - 1) records is first
    // completed with records of the style's initial colours, so every line keeps its own record;
    // a data file that already holds a record n (left by an earlier failed save) has it replaced.
    // A list file whose last line lacks its line end gets one first.
    SchemeFileResult save(std::string_view name, const std::vector<ColorValue>& colors) const;

    // Deletes the scheme at list position `position` (0-based): its record and its line go, the
    // others keep their order. Both new files are written completely as temporaries
    // ("colorset.dam", "set.hct", each created anew), then the data file is replaced, then the
    // list file. If a step fails, both files are left as they were (a data file already
    // replaced is put back from the old bytes) and no temporary is left behind. Lines are
    // written back as quoted names with CR LF; records the data file lacks stay missing.
    // A process killed between the two renames leaves "set.hct" complete beside a data file
    // already replaced: completeInterruptedDelete finishes the delete at the next start.
    SchemeFileResult remove(std::size_t position) const;

    // Run once at start-up, before any list is read. A delete that was cut short is rolled back
    // when the data file was not replaced yet ("colorset.dam" still exists: both temporaries are
    // removed), and rolled forward when it was ("set.hct" alone: it takes the name of the list
    // file it was made from, found as the one list that holds exactly its lines plus one).
    // Returns a sentence for the user when a "set.hct" is left that matches no single list (it
    // is then kept as it is), "" otherwise.
    static std::string completeInterruptedDelete(const std::filesystem::path& folder);

    // The name rule of the save dialog: an empty answer (cancel) saves nothing (nullopt); an
    // answer of blanks only becomes "no name"; any other answer is used unchanged, except that
    // line breaks, which would split the list line, become blanks.
    static std::optional<std::string> nameFromAnswer(std::string_view answer);

    // The list line of a name: quotation mark, name, quotation mark, CR LF.
    static std::string quotedLine(std::string_view name);
    // The name of a list line (without its line end): the line less its first and last character.
    static std::string nameFromLine(std::string_view line);
    // The record of a scheme: the BgrHex form of each colour, no separators.
    static std::string encodeRecord(const std::vector<ColorValue>& colors);
    // The fields of a record; `fieldCount` fields, nullopt where a field is short or not hex.
    static Record decodeRecord(std::string_view bytes, std::size_t fieldCount);

private:
    std::string initialColors(std::size_t fromByte, std::size_t toByte) const;

    std::filesystem::path folder_;
    std::size_t style_;
};

} // namespace prismara
