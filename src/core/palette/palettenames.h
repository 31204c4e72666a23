// palettenames.h - the names side file of a palette: "c8.names" beside "c8.rgb" keeps the names
// of the palette's colours and the file the palette was imported from, while the palette file
// keeps its format exactly (older versions of the program and other readers of ".rgb" files see
// nothing new).
//
// The side file is UTF-8 text, each line ended by CR LF:
//   Prismara palette names
//   checksum=<16 hexadecimal digits: the FNV-1a 64-bit hash of the palette file's bytes>
//   source=<the file the palette was imported from; empty when none>
//   then one line per record of the palette file: the name of its colour, empty for none.
// It counts only while it is in step with the palette file: as many name lines as the palette
// file has records, and the checksum of the palette file's bytes as they are now. A side file out
// of step (the palette changed by a program that does not know side files, or a crash between
// the two rewrites of a change) is ignored, and the next change of the palette drops it.
// PaletteFile keeps the side file in step through every change it makes.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace prismara {

struct PaletteNames
{
    std::string source;             // the imported file, as given; no line break
    std::vector<std::string> names; // one per record, oldest first; "" for a colour without one

    friend bool operator==(const PaletteNames&, const PaletteNames&) = default;
};

// "c8.rgb" -> "c8.names"; a name without ".rgb" gets ".names" appended.
std::string PaletteNamesFileName(std::string_view paletteFile);

// The checksum the side file records: FNV-1a, 64 bits, of the palette file's bytes. A file read
// in pieces is summed by passing each piece the sum so far, starting from kPaletteChecksumStart.
inline constexpr std::uint64_t kPaletteChecksumStart = 0xcbf29ce484222325ULL;
std::uint64_t PaletteChecksum(std::string_view paletteBytes, std::uint64_t sum = kPaletteChecksumStart);

// The names in `sideBytes`, when they are a side file in step with `paletteBytes`; else nullopt.
std::optional<PaletteNames> ParsePaletteNames(std::string_view sideBytes, std::string_view paletteBytes);

// The same for a palette file known by its checksum and its number of whole records.
std::optional<PaletteNames> ParsePaletteNames(std::string_view sideBytes, std::uint64_t paletteChecksum,
                                              std::size_t records);

// The side file for `names` beside a palette file of `paletteBytes`. Line breaks and other control
// characters in names and source become spaces; names.names must have one entry per record.
std::string SerializePaletteNames(const PaletteNames& names, std::string_view paletteBytes);
// The same beside a palette file known by its checksum.
std::string SerializePaletteNames(const PaletteNames& names, std::uint64_t paletteChecksum);

} // namespace prismara
