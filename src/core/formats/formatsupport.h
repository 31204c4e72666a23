// formatsupport.h - what the palette readers and writers share: bounded big-endian reading,
// UTF-8 and UTF-16 names, text lines, and the conversion of print, Lab and HSB colours to sRGB.
// Internal to src/core/formats.
#pragma once

#include "core/colour/colorvalue.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace prismara::formats {

// Reads big-endian fields off the front of some bytes; every read fails, taking nothing, when
// fewer bytes remain than it needs, so a declared length can never reach past the end.
class ByteReader
{
public:
    explicit ByteReader(std::string_view bytes) : rest_(bytes), size_(bytes.size()) {}

    std::size_t remaining() const { return rest_.size(); }
    std::size_t offset() const { return size_ - rest_.size(); }

    bool u16(std::uint16_t& value);
    bool u32(std::uint32_t& value);
    bool f32(float& value);
    bool take(std::size_t count, std::string_view& out);

private:
    std::string_view rest_;
    std::size_t size_;
};

void PutU16(std::string& out, std::uint16_t value);
void PutU32(std::string& out, std::uint32_t value);
void PutF32(std::string& out, float value);

bool IsValidUtf8(std::string_view text);
// Invalid UTF-8 sequences replaced by U+FFFD (for names taken from file names).
std::string Utf8Repaired(std::string_view text);
// UTF-16BE code units (an even number of bytes) as UTF-8, up to the first NUL unit; nullopt when a
// surrogate is unpaired.
std::optional<std::string> Utf16BeToUtf8(std::string_view units);
// Valid UTF-8 as UTF-16BE code units, no terminator.
std::string Utf8ToUtf16Be(std::string_view text);
// Control characters as spaces, spaces and tabs trimmed at both ends.
std::string CleanName(std::string_view name);
// Some text of a damaged file fit for a message: at most 20 characters, quoted, repaired and clean.
std::string Shown(std::string_view text);

std::string_view TrimBlanks(std::string_view text); // spaces and tabs
// Lines split at LF, CR LF or CR; a last line without an end counts when it is not empty.
std::vector<std::string_view> TextLines(std::string_view text);
// A decimal integer 0..max with nothing else; nullopt otherwise.
std::optional<std::uint32_t> ParseDecimal(std::string_view text, std::uint32_t max);
// Hexadecimal digit value, -1 for any other character.
int HexValue(char c);

// Colours from other models, each component as a real number; results are clamped into sRGB.
ColorValue FromRgbUnits(double red, double green, double blue);       // 0..1
ColorValue FromCmykUnits(double c, double m, double y, double k);    // ink 0..1, without a profile
ColorValue FromLabD50(double lightness, double a, double b);          // CIE Lab, D50 white
ColorValue FromHsb(double hueDegrees, double saturation, double brightness); // 0..1

// Counts the swatches a reader converted, and says so in one note.
struct Conversions
{
    int cmyk = 0;
    int lab = 0;
    int gray = 0;
    int hsb = 0;

    // "2 CMYK, 1 Lab and 3 grey swatches were converted to sRGB" (noun "swatch", plural
    // "swatches"); empty when none were.
    std::string note(std::string_view noun, std::string_view plural) const;
};

} // namespace prismara::formats
