// paletteexchange.h - palettes that travel: importing a palette file of another program as a new
// palette of the store, and exporting a palette of the store in any format of the format table
// (core/formats/paletteformat.h). The command line, File > Import Palette / Export Palette, a
// dropped file and Copy Palette As all go through these functions.
//
// Import:  ImportOutcome made = ImportPaletteFile(store, "/home/me/brand.gpl");
//          if (!made.result) show(made.result.message()); else select(made.position);
// Export:  ExportOutcome out = ExportPalette(store, position, *FindPaletteFormat("css"));
//          if (out.result) clipboard(out.bytes);
#pragma once

#include "core/formats/paletteformat.h"
#include "core/palette/palettestore.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace prismara {

struct ImportOutcome
{
    StoreResult result = StoreResult::success(); // failure: the message names the file and the reason
    int position = -1;               // selector position of the new palette
    std::string chartFile;           // its palette file, "c8.rgb"
    std::string name;                // its display name
    std::size_t colors = 0;
    const PaletteFormat* format = nullptr; // the format the file was read as
    std::vector<std::string> notes;  // conversions and the like, each naming the file

    // One line for the user: "Imported \"Brand\" (12 colours, GIMP palette) from brand.gpl as c8.rgb".
    std::string summary(std::string_view fileName) const;
};

// Reads `bytes` (the content of a file called `fileName`, whose extension decides the format when
// the content does not, and whose stem names the palette when the file names none) and makes a
// new palette of them through PaletteStore::createChart, with the colours' names and `source`
// kept in the names side file. A non-empty `name` overrides the file's palette name. A damaged
// or hostile file changes nothing.
ImportOutcome ImportPalette(PaletteStore& store, std::string_view fileName, std::string_view bytes,
                            std::string_view name = {}, std::string_view source = {});

// ImportPalette of a file on disk; the source kept is its absolute path.
ImportOutcome ImportPaletteFile(PaletteStore& store, const std::filesystem::path& file, std::string_view name = {});

// The colours of the palette at a selector position with their names from its side file (empty
// where unknown) and its display name. Records that are not colours are left out and counted.
struct StoredPalette
{
    StoreResult result = StoreResult::success();
    PaletteData palette;
    std::string source;          // the file it was imported from, when known
    std::int32_t skipped = 0;    // records that are not six hexadecimal digits
};
StoredPalette ReadStoredPalette(const PaletteStore& store, int position);

struct ExportOutcome
{
    StoreResult result = StoreResult::success();
    std::string bytes; // the file's content; binary when format->binary
    std::vector<std::string> notes;
};

// The palette at a selector position in `format` (which must have a writer): names from the side
// file, else suggested or generated as WritePalette does.
ExportOutcome ExportPalette(const PaletteStore& store, int position, const PaletteFormat& format);

// The selector position of a palette given by its file name ("c8.rgb") or, failing that, by its
// display name; -1 with a message in `why` when there is none, or when several share the name.
int FindChart(const PaletteStore& store, std::string_view fileOrName, std::string& why);

} // namespace prismara
