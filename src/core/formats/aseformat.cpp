// aseformat.cpp - Adobe Swatch Exchange files, all fields big-endian:
//   "ASEF", version 1.0 (two 16-bit numbers), the number of blocks (32 bits), then the blocks.
//   A block: type (16 bits: 0xC001 group start, 0xC002 group end, 0x0001 swatch), the length of
//   what follows (32 bits), then for a group start or a swatch the name (16-bit count of UTF-16
//   units including a closing NUL, then the units), and for a swatch the colour model ("RGB ",
//   "CMYK", "LAB " or "Gray"), its 3, 4, 3 or 1 32-bit floats and the swatch type (16 bits:
//   0 global, 1 spot, 2 normal).
// RGB, CMYK and grey values run from 0 to 1; Lab lightness from 0 to 1 (for 0-100), a and b as they
// are. The first group's name is the palette's name.
#include "core/formats/formatcodecs.h"
#include "core/formats/formatsupport.h"

#include <cmath>

namespace prismara::formats {

namespace {

constexpr std::string_view kMagic = "ASEF";
constexpr std::uint16_t kGroupStart = 0xC001;
constexpr std::uint16_t kGroupEnd = 0xC002;
constexpr std::uint16_t kSwatch = 0x0001;
constexpr std::uint16_t kNormalSwatch = 2;

struct Model
{
    std::string_view tag;
    int values;
};
constexpr Model kModels[] = {{"RGB ", 3}, {"CMYK", 4}, {"LAB ", 3}, {"Gray", 1}};

// Reads a name field: its unit count, then the units. False when the field does not fit or is not
// UTF-16; `why` then says which.
bool readName(ByteReader& in, std::string& name, std::string& why)
{
    std::uint16_t units = 0;
    std::string_view raw;
    if (!in.u16(units) || !in.take(std::size_t{units} * 2, raw)) {
        why = "its name runs past the end of the block";
        return false;
    }
    const auto text = Utf16BeToUtf8(raw);
    if (!text) {
        why = "its name is not UTF-16 text";
        return false;
    }
    name = CleanName(*text);
    return true;
}

void putName(std::string& out, std::string_view name)
{
    std::string units = Utf8ToUtf16Be(name);
    if (units.size() > 2 * 65534) { // the count must fit 16 bits; never split a surrogate pair
        units.resize(2 * 65534);
        if ((static_cast<unsigned char>(units[units.size() - 2]) & 0xFC) == 0xD8)
            units.resize(units.size() - 2);
    }
    PutU16(out, static_cast<std::uint16_t>(units.size() / 2 + 1));
    out += units;
    PutU16(out, 0);
}

void putBlock(std::string& out, std::uint16_t type, const std::string& body)
{
    PutU16(out, type);
    PutU32(out, static_cast<std::uint32_t>(body.size()));
    out += body;
}

} // namespace

bool SniffAse(std::string_view bytes)
{
    return bytes.starts_with(kMagic);
}

PaletteReadResult ReadAse(std::string_view bytes)
{
    PaletteReadResult result;
    ByteReader in(bytes);
    std::string_view magic;
    std::uint16_t major = 0;
    std::uint16_t minor = 0;
    std::uint32_t blocks = 0;
    if (!in.take(4, magic) || magic != kMagic) {
        result.error = "it does not begin with \"ASEF\"";
        return result;
    }
    if (!in.u16(major) || !in.u16(minor) || !in.u32(blocks)) {
        result.error = "its header is cut short";
        return result;
    }
    if (major != 1) {
        result.error = "its version " + std::to_string(major) + "." + std::to_string(minor) + " is not known";
        return result;
    }
    constexpr std::size_t kBlockHeader = 6;
    if (blocks > in.remaining() / kBlockHeader) {
        result.error = "it declares " + std::to_string(blocks) + " blocks but has room for at most " +
                       std::to_string(in.remaining() / kBlockHeader);
        return result;
    }
    Conversions converted;
    for (std::uint32_t b = 1; b <= blocks; ++b) {
        std::uint16_t type = 0;
        std::uint32_t length = 0;
        std::string_view body;
        (void)in.u16(type);
        (void)in.u32(length);
        if (!in.take(length, body)) {
            result.error = "block " + std::to_string(b) + " declares " + std::to_string(length) +
                           " bytes but only " + std::to_string(in.remaining()) + " follow";
            return result;
        }
        if (type != kGroupStart && type != kSwatch)
            continue; // a group end, or a block of a kind this reader does not use
        ByteReader field(body);
        std::string name;
        std::string why;
        const std::string what = (type == kSwatch ? "swatch in block " : "group in block ") + std::to_string(b);
        if (!readName(field, name, why)) {
            result.error = "the " + what + " is damaged: " + why;
            return result;
        }
        if (type == kGroupStart) {
            if (result.palette.name.empty())
                result.palette.name = name;
            continue;
        }
        std::string_view tag;
        const Model* model = nullptr;
        if (field.take(4, tag)) {
            for (const Model& m : kModels)
                if (m.tag == tag)
                    model = &m;
        }
        if (model == nullptr) {
            result.error = "the " + what + " has the colour model " + Shown(tag) +
                           ", which is none of RGB, CMYK, LAB and Gray";
            return result;
        }
        double v[4] = {0, 0, 0, 0};
        for (int i = 0; i < model->values; ++i) {
            float value = 0;
            if (!field.f32(value)) {
                result.error = "the " + what + " is cut short inside its colour values";
                return result;
            }
            if (!std::isfinite(value)) {
                result.error = "the " + what + " has a colour value that is not a number";
                return result;
            }
            v[i] = value;
        }
        ColorValue color = kBlack;
        if (model->tag == "RGB ") {
            color = FromRgbUnits(v[0], v[1], v[2]);
        } else if (model->tag == "CMYK") {
            color = FromCmykUnits(v[0], v[1], v[2], v[3]);
            ++converted.cmyk;
        } else if (model->tag == "LAB ") {
            color = FromLabD50(v[0] * 100.0, v[1], v[2]);
            ++converted.lab;
        } else {
            color = FromRgbUnits(v[0], v[0], v[0]);
            ++converted.gray;
        }
        if (result.palette.entries.size() >= kMaxPaletteColors) {
            result.error = "it holds more than " + std::to_string(kMaxPaletteColors) + " colours";
            return result;
        }
        result.palette.entries.push_back({color, std::move(name)});
    }
    if (in.remaining() != 0) {
        result.error = std::to_string(in.remaining()) + " bytes follow the " + std::to_string(blocks) +
                       " blocks the header declares";
        return result;
    }
    if (const std::string note = converted.note("swatch", "swatches"); !note.empty())
        result.notes.push_back(note);
    return result;
}

std::string WriteAse(const PaletteData& palette)
{
    std::string out(kMagic);
    PutU16(out, 1);
    PutU16(out, 0);
    PutU32(out, static_cast<std::uint32_t>(palette.entries.size() + 2));
    std::string body;
    putName(body, CleanName(palette.name));
    putBlock(out, kGroupStart, body);
    for (const PaletteEntry& entry : palette.entries) {
        body.clear();
        putName(body, CleanName(entry.name));
        body += "RGB ";
        PutF32(body, static_cast<float>(GetRed(entry.color) / 255.0));
        PutF32(body, static_cast<float>(GetGreen(entry.color) / 255.0));
        PutF32(body, static_cast<float>(GetBlue(entry.color) / 255.0));
        PutU16(body, kNormalSwatch);
        putBlock(out, kSwatch, body);
    }
    putBlock(out, kGroupEnd, {});
    return out;
}

} // namespace prismara::formats
