// acoformat.cpp - Adobe Color swatch files: 16-bit big-endian words. A section is its version
// (1 or 2), the number of colours, then one colour record per colour: the colour space and four
// values w, x, y, z; in version 2 each record is followed by its name (a 32-bit count of UTF-16
// units including a closing NUL, then the units). Files usually hold a version 1 section followed
// by a version 2 section of the same colours.
// Colour spaces: 0 RGB (0-65535 each), 1 HSB (hue 0-65535 for 0-360 degrees), 2 CMYK (0 is full
// ink), 7 Lab (lightness 0-10000, a and b signed -12800..12700, in hundredths), 8 grey (0-10000,
// the amount of black).
#include "core/formats/formatcodecs.h"
#include "core/formats/formatsupport.h"

namespace prismara::formats {

namespace {

constexpr std::size_t kRecordBytes = 10;

enum Space : std::uint16_t { kRgb = 0, kHsb = 1, kCmyk = 2, kLab = 7, kGray = 8 };

// One colour record as sRGB, counting conversions; nullopt for a colour space it cannot convert.
std::optional<ColorValue> recordColor(std::string_view record, Conversions& converted)
{
    ByteReader in(record);
    std::uint16_t space = 0;
    std::uint16_t w = 0, x = 0, y = 0, z = 0;
    (void)(in.u16(space) && in.u16(w) && in.u16(x) && in.u16(y) && in.u16(z));
    constexpr double full = 65535.0;
    switch (space) {
    case kRgb:
        return FromRgbUnits(w / full, x / full, y / full);
    case kHsb:
        ++converted.hsb;
        return FromHsb(w / full * 360.0, x / full, y / full);
    case kCmyk:
        ++converted.cmyk;
        return FromCmykUnits(1.0 - w / full, 1.0 - x / full, 1.0 - y / full, 1.0 - z / full);
    case kLab:
        ++converted.lab;
        return FromLabD50(w / 100.0, static_cast<std::int16_t>(x) / 100.0, static_cast<std::int16_t>(y) / 100.0);
    case kGray:
        ++converted.gray;
        return FromRgbUnits(1.0 - w / 10000.0, 1.0 - w / 10000.0, 1.0 - w / 10000.0);
    default:
        return std::nullopt;
    }
}

// Reads one section after its version word. `names` says whether its records carry names.
bool readSection(ByteReader& in, bool names, PaletteReadResult& result, Conversions& converted)
{
    std::uint16_t count = 0;
    if (!in.u16(count)) {
        result.error = "a section ends before its colour count";
        return false;
    }
    if (!names && std::size_t{count} * kRecordBytes > in.remaining()) {
        result.error = "it declares " + std::to_string(count) + " colours but holds at most " +
                       std::to_string(in.remaining() / kRecordBytes);
        return false;
    }
    result.palette.entries.clear();
    converted = {};
    for (std::size_t i = 1; i <= count; ++i) {
        std::string_view record;
        if (!in.take(kRecordBytes, record)) {
            result.error = "it declares " + std::to_string(count) + " colours but ends inside colour " +
                           std::to_string(i);
            return false;
        }
        const auto color = recordColor(record, converted);
        if (!color) {
            result.error = "colour " + std::to_string(i) + " is in colour space " +
                           std::to_string((static_cast<unsigned char>(record[0]) << 8) | static_cast<unsigned char>(record[1])) +
                           ", which is none of RGB, HSB, CMYK, Lab and grey";
            return false;
        }
        std::string name;
        if (names) {
            std::uint32_t units = 0;
            std::string_view raw;
            if (!in.u32(units) || units > in.remaining() / 2 || !in.take(std::size_t{units} * 2, raw)) {
                result.error = "the name of colour " + std::to_string(i) + " runs past the end of the file";
                return false;
            }
            const auto text = Utf16BeToUtf8(raw);
            if (!text) {
                result.error = "the name of colour " + std::to_string(i) + " is not UTF-16 text";
                return false;
            }
            name = CleanName(*text);
        }
        result.palette.entries.push_back({*color, std::move(name)});
    }
    return true;
}

} // namespace

bool SniffAco(std::string_view bytes)
{
    return bytes.size() >= 4 && bytes[0] == 0 && (bytes[1] == 1 || bytes[1] == 2) && ReadAco(bytes).ok();
}

PaletteReadResult ReadAco(std::string_view bytes)
{
    PaletteReadResult result;
    ByteReader in(bytes);
    Conversions converted;
    std::uint16_t version = 0;
    if (!in.u16(version) || (version != 1 && version != 2)) {
        result.error = "it does not begin with a version 1 or version 2 section";
        return result;
    }
    if (!readSection(in, version == 2, result, converted))
        return result;
    if (version == 1 && in.remaining() != 0) {
        const std::size_t count = result.palette.entries.size();
        std::uint16_t next = 0;
        if (!in.u16(next) || next != 2) {
            result.error = "unknown data follows the colours";
            return result;
        }
        if (!readSection(in, true, result, converted))
            return result;
        if (result.palette.entries.size() != count) {
            result.error = "its version 2 section holds " + std::to_string(result.palette.entries.size()) +
                           " colours and its version 1 section " + std::to_string(count);
            return result;
        }
    }
    if (in.remaining() != 0) {
        result.error = std::to_string(in.remaining()) + " bytes follow the last colour";
        return result;
    }
    if (const std::string note = converted.note("colour", "colours"); !note.empty())
        result.notes.push_back(note);
    return result;
}

std::string WriteAco(const PaletteData& palette)
{
    // The format counts colours in 16 bits; a larger palette keeps its first 65535.
    const std::size_t count = std::min<std::size_t>(palette.entries.size(), 65535);
    std::string out;
    for (const std::uint16_t version : {std::uint16_t{1}, std::uint16_t{2}}) {
        PutU16(out, version);
        PutU16(out, static_cast<std::uint16_t>(count));
        for (std::size_t i = 0; i < count; ++i) {
            const PaletteEntry& entry = palette.entries[i];
            PutU16(out, kRgb);
            PutU16(out, static_cast<std::uint16_t>(GetRed(entry.color) * 257));
            PutU16(out, static_cast<std::uint16_t>(GetGreen(entry.color) * 257));
            PutU16(out, static_cast<std::uint16_t>(GetBlue(entry.color) * 257));
            PutU16(out, 0);
            if (version == 2) {
                const std::string units = Utf8ToUtf16Be(CleanName(entry.name));
                PutU32(out, static_cast<std::uint32_t>(units.size() / 2 + 1));
                out += units;
                PutU16(out, 0);
            }
        }
    }
    return out;
}

} // namespace prismara::formats
