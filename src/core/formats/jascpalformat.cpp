// jascpalformat.cpp - JASC (Paint Shop Pro) palettes: text lines ended by CR LF, "JASC-PAL",
// "0100", the number of colours, then one "R G B" line of decimal channels 0-255 per colour.
#include "core/formats/formatcodecs.h"
#include "core/formats/formatsupport.h"

namespace prismara::formats {

namespace {
constexpr std::string_view kMagic = "JASC-PAL";
constexpr std::string_view kVersion = "0100";
} // namespace

bool SniffJascPal(std::string_view bytes)
{
    const std::vector<std::string_view> first = TextLines(bytes.substr(0, 32));
    return !first.empty() && TrimBlanks(first.front()) == kMagic;
}

PaletteReadResult ReadJascPal(std::string_view bytes)
{
    PaletteReadResult result;
    std::vector<std::string_view> lines = TextLines(bytes);
    while (!lines.empty() && TrimBlanks(lines.back()).empty())
        lines.pop_back();
    if (lines.empty() || TrimBlanks(lines[0]) != kMagic) {
        result.error = "the first line is not \"JASC-PAL\"";
        return result;
    }
    if (lines.size() < 2 || TrimBlanks(lines[1]) != kVersion) {
        result.error = "the second line is not the version \"0100\"";
        return result;
    }
    const auto count = lines.size() < 3 ? std::nullopt : ParseDecimal(TrimBlanks(lines[2]), 0xFFFFFFFF);
    if (!count) {
        result.error = "the third line is not the number of colours";
        return result;
    }
    const std::size_t present = lines.size() - 3;
    if (*count != present) {
        result.error = "it declares " + std::to_string(*count) + " colours but holds " + std::to_string(present);
        return result;
    }
    if (present > kMaxPaletteColors) {
        result.error = "it holds more than " + std::to_string(kMaxPaletteColors) + " colours";
        return result;
    }
    result.palette.entries.reserve(present);
    for (std::size_t i = 3; i < lines.size(); ++i) {
        std::string_view rest = TrimBlanks(lines[i]);
        int channels[3] = {0, 0, 0};
        for (int& channel : channels) {
            const std::size_t end = std::min(rest.find_first_of(" \t"), rest.size());
            const auto value = ParseDecimal(rest.substr(0, end), 255);
            if (!value) {
                result.error = "line " + std::to_string(i + 1) + " is not three values from 0 to 255: " +
                               Shown(lines[i]);
                return result;
            }
            channel = static_cast<int>(*value);
            rest = TrimBlanks(rest.substr(end));
        }
        // Some writers add a fourth value (alpha); it is not a colour channel.
        if (!rest.empty() && !ParseDecimal(rest, 255)) {
            result.error = "line " + std::to_string(i + 1) + " holds more than a colour: " + Shown(lines[i]);
            return result;
        }
        result.palette.entries.push_back({MakeColor(channels[0], channels[1], channels[2]), {}});
    }
    return result;
}

std::string WriteJascPal(const PaletteData& palette)
{
    std::string out = std::string(kMagic) + "\r\n" + std::string(kVersion) + "\r\n" +
                      std::to_string(palette.entries.size()) + "\r\n";
    for (const PaletteEntry& entry : palette.entries) {
        out += std::to_string(GetRed(entry.color)) + ' ' + std::to_string(GetGreen(entry.color)) + ' ' +
               std::to_string(GetBlue(entry.color)) + "\r\n";
    }
    return out;
}

} // namespace prismara::formats
