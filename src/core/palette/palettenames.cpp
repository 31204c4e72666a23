// palettenames.cpp - reading and writing the names side file of a palette.
#include "core/palette/palettenames.h"

#include "core/palette/palettefile.h"

#include <charconv>

namespace prismara {

namespace {

constexpr std::string_view kHeader = "Prismara palette names";
constexpr std::string_view kChecksum = "checksum=";
constexpr std::string_view kSource = "source=";
constexpr std::string_view kLineEnd = "\r\n";

std::string oneLine(std::string_view text)
{
    std::string out(text);
    for (char& c : out)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            c = ' ';
    return out;
}

std::string hex16(std::uint64_t value)
{
    char digits[16];
    for (int i = 15; i >= 0; --i, value >>= 4)
        digits[i] = "0123456789ABCDEF"[value & 15];
    return std::string(digits, 16);
}

} // namespace

std::string PaletteNamesFileName(std::string_view paletteFile)
{
    constexpr std::string_view rgb = ".rgb";
    if (paletteFile.size() > rgb.size() && paletteFile.ends_with(rgb))
        paletteFile.remove_suffix(rgb.size());
    return std::string(paletteFile) + ".names";
}

std::uint64_t PaletteChecksum(std::string_view paletteBytes, std::uint64_t sum)
{
    std::uint64_t hash = sum;
    for (const char c : paletteBytes) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 0x100000001b3ULL;
    }
    return hash;
}

std::optional<PaletteNames> ParsePaletteNames(std::string_view sideBytes, std::string_view paletteBytes)
{
    return ParsePaletteNames(sideBytes, PaletteChecksum(paletteBytes), paletteBytes.size() / kRecordSize);
}

std::optional<PaletteNames> ParsePaletteNames(std::string_view sideBytes, std::uint64_t paletteChecksum,
                                              std::size_t records)
{
    // Split at CR LF; the file ends with one, so the last piece is empty.
    std::vector<std::string_view> lines;
    for (std::size_t start = 0;;) {
        const std::size_t end = sideBytes.find(kLineEnd, start);
        if (end == std::string_view::npos) {
            if (start != sideBytes.size())
                return std::nullopt;
            break;
        }
        lines.push_back(sideBytes.substr(start, end - start));
        start = end + kLineEnd.size();
    }
    if (lines.size() != 3 + records || lines[0] != kHeader || !lines[1].starts_with(kChecksum) ||
        !lines[2].starts_with(kSource))
        return std::nullopt;
    const std::string_view digits = lines[1].substr(kChecksum.size());
    std::uint64_t checksum = 0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), checksum, 16);
    if (ec != std::errc() || end != digits.data() + digits.size() || digits.size() != 16 ||
        checksum != paletteChecksum)
        return std::nullopt;
    PaletteNames names;
    names.source = std::string(lines[2].substr(kSource.size()));
    names.names.reserve(records);
    for (std::size_t i = 3; i < lines.size(); ++i)
        names.names.emplace_back(lines[i]);
    return names;
}

std::string SerializePaletteNames(const PaletteNames& names, std::string_view paletteBytes)
{
    return SerializePaletteNames(names, PaletteChecksum(paletteBytes));
}

std::string SerializePaletteNames(const PaletteNames& names, std::uint64_t paletteChecksum)
{
    std::string out;
    out.append(kHeader).append(kLineEnd);
    out.append(kChecksum).append(hex16(paletteChecksum)).append(kLineEnd);
    out.append(kSource).append(oneLine(names.source)).append(kLineEnd);
    for (const std::string& name : names.names)
        out.append(oneLine(name)).append(kLineEnd);
    return out;
}

} // namespace prismara
