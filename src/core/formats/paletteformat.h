// paletteformat.h - the palette file formats other programs read and write, as one table: each
// row names a format, its file-name extensions and its reader and writer. Readers and writers work
// on bytes in memory, so importing a file, a drop or a clipboard text, and exporting to a file, to
// standard output or to the clipboard all go through the same code.
//
// Typical use:
//   PaletteReadResult read = ReadPalette("brand.gpl", bytes);      // detects the format
//   if (!read.ok()) show(read.error);                              // "brand.gpl: line 4 is ..."
//   std::string css = WritePalette(*FindPaletteFormat("css"), read.palette);
#pragma once

#include "core/colour/colorvalue.h"

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace prismara {

struct PaletteFormat;

// One colour of a palette with its name; an empty name means the colour has none.
struct PaletteEntry
{
    ColorValue color = kBlack;
    std::string name; // UTF-8, no control characters

    friend bool operator==(const PaletteEntry&, const PaletteEntry&) = default;
};

// A palette as the formats carry it: its own name (empty when the file gives none) and its
// entries in file order, duplicates included.
struct PaletteData
{
    std::string name;
    std::vector<PaletteEntry> entries;
};

// What a reader makes of some bytes. On failure `error` says why, naming the file when the
// bytes came with a file name ("brand.ase: swatch 3 is cut short"), and `palette` is empty.
struct PaletteReadResult
{
    bool ok() const { return error.empty(); }

    PaletteData palette;
    const PaletteFormat* format = nullptr; // the format the bytes were read as
    // Things the user should know although the file was read, e.g. "2 CMYK swatches were
    // converted to sRGB".
    std::vector<std::string> notes;
    std::string error;
};

// How a format names its colours when it is written.
enum class ExportNaming {
    Kept,       // names as they are; unnamed colours get a suggested name (GIMP, ASE, ACO, soc)
    Identifier, // every colour gets a unique name valid as a CSS, SCSS or token identifier
    None,       // the format stores no names
};

struct PaletteFormat
{
    std::string_view id;    // the --format value and the table key: "gpl"
    std::string_view title; // for file dialogs and messages: "GIMP palette"
    std::span<const std::string_view> extensions; // lower case with the dot, the first preferred
    bool binary;          // bytes rather than text: written in binary, not put on the clipboard as text
    std::size_t maxColors; // the most colours the format can hold, 0 for no limit
    ExportNaming naming;
    // True when the bytes are certainly this format (a signature); nullptr when the format is
    // recognised by its extension only.
    bool (*sniff)(std::string_view bytes);
    // Every format can be read; the web formats through the text collector.
    PaletteReadResult (*read)(std::string_view bytes);
    // nullptr for formats that are only read ("text"). Expects names already made fit for the
    // format (see WritePalette).
    std::string (*write)(const PaletteData& palette);
};

// The table, in the order of the --format help and of file-dialog filters. The last row, "text",
// reads any text file by collecting every colour written in it (#RGB, #RRGGBB, rgb(), hsl()).
std::span<const PaletteFormat> PaletteFormats();

// The row with this id ("gpl", "ase", ...), nullptr when there is none.
const PaletteFormat* FindPaletteFormat(std::string_view id);

// The writable format a file name's extension asks for (".gpl" -> gpl, ".txt" -> Paint.NET, ".css"
// -> css), nullptr when the extension names none. For Export with the format chosen by file type.
const PaletteFormat* PaletteFormatForFileName(std::string_view fileName);

// The format to read bytes with: a format whose signature the bytes carry, else the one the
// extension names (a Paint.NET ".txt" only when its lines are Paint.NET lines), else "text".
const PaletteFormat& DetectPaletteFormat(std::string_view fileName, std::string_view bytes);

// Reading limits: a larger input, or one of more colours, is refused with a message.
inline constexpr std::size_t kMaxPaletteFileBytes = 64u << 20;
inline constexpr std::size_t kMaxPaletteColors = 1'000'000;

// Detects the format and reads the bytes. Errors and notes begin with the file name's last part.
// When the file gives the palette no name, the name is the file name without its extension.
PaletteReadResult ReadPalette(std::string_view fileName, std::string_view bytes);

// The bytes of `palette` in `format` (which must have a writer), with its names made fit for
// the format as ExportNames says.
std::string WritePalette(const PaletteFormat& format, const PaletteData& palette);

// The names a palette's colours get when written in a format of that naming rule, one per entry:
// - Kept: the entry's name; an unnamed colour gets SuggestedColorName, or "color-N" (N its 1-based
//   position) when that is empty.
// - Identifier: the same, made a lower-case identifier ("Brand Blue" -> "brand-blue"; letters,
//   digits, "-" and "_", other characters as "-", never starting with a digit), and unique by a
//   "-2", "-3", ... suffix.
// - None: empty names.
std::vector<std::string> ExportNames(const PaletteData& palette, ExportNaming naming);

// The name suggested for an unnamed colour: the nearest name of the colour-name dictionary
// (core/colour/colornames.h), e.g. "black"; empty when there is none to suggest.
std::string SuggestedColorName(ColorValue color);

// An identifier made from a name as ExportNames does it, without the uniqueness suffix; empty
// when the name holds no letter or digit.
std::string IdentifierFromName(std::string_view name);

} // namespace prismara
