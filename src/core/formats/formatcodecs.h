// formatcodecs.h - the reader, writer and signature test of each palette format, the entries of
// the format table in paletteformat.cpp. Internal to src/core/formats.
//
// Readers set `palette` and `notes`, or `error` with the reason alone (the caller puts the file
// name in front). Writers get names already made fit for the format and write every entry.
#pragma once

#include "core/formats/paletteformat.h"

namespace prismara::formats {

// GIMP palette (.gpl): "GIMP Palette", optional "Name:" and "Columns:", "R G B name" lines.
bool SniffGpl(std::string_view bytes);
PaletteReadResult ReadGpl(std::string_view bytes);
std::string WriteGpl(const PaletteData& palette);

// Adobe Swatch Exchange (.ase): "ASEF", version 1.0, blocks of groups and RGB, CMYK, Lab and grey
// swatches with UTF-16 names, big-endian.
bool SniffAse(std::string_view bytes);
PaletteReadResult ReadAse(std::string_view bytes);
std::string WriteAse(const PaletteData& palette);

// Adobe Color (.aco): a version 1 section of colours, optionally followed by a version 2 section of
// the same colours with UTF-16 names; 16-bit big-endian words.
bool SniffAco(std::string_view bytes);
PaletteReadResult ReadAco(std::string_view bytes);
std::string WriteAco(const PaletteData& palette);

// JASC palette (.pal): "JASC-PAL", "0100", the count, then "R G B" lines, CR LF.
bool SniffJascPal(std::string_view bytes);
PaletteReadResult ReadJascPal(std::string_view bytes);
std::string WriteJascPal(const PaletteData& palette);

// Paint.NET palette (.txt): ";" comment lines and one AARRGGBB line per colour.
bool SniffPaintNet(std::string_view bytes);
PaletteReadResult ReadPaintNet(std::string_view bytes);
std::string WritePaintNet(const PaletteData& palette);

// LibreOffice colour table (.soc): XML with one draw:color element per colour.
bool SniffSoc(std::string_view bytes);
PaletteReadResult ReadSoc(std::string_view bytes);
std::string WriteSoc(const PaletteData& palette);

// Any text: every #RGB, #RRGGBB, rgb()/rgba() and hsl()/hsla() written in it, in order.
PaletteReadResult ReadTextColors(std::string_view bytes);

// The web formats, read back through ReadTextColors.
std::string WriteCss(const PaletteData& palette);  // custom properties in a :root rule
std::string WriteScss(const PaletteData& palette); // $name: #RRGGBB; variables
std::string WriteJson(const PaletteData& palette); // a design-token group of color tokens
std::string WriteHex(const PaletteData& palette);  // one #RRGGBB a line

} // namespace prismara::formats
