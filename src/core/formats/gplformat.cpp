// gplformat.cpp - GIMP palettes: text lines ended by LF; the first line "GIMP Palette", then
// optional "Name: " and "Columns: " header lines, "#" comment lines, empty lines, and one colour
// per line as three decimal channels 0-255 and an optional name, separated by blanks.
#include "core/formats/formatcodecs.h"
#include "core/formats/formatsupport.h"

#include <cstdio>

namespace prismara::formats {

namespace {

constexpr std::string_view kMagic = "GIMP Palette";
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

std::string_view withoutBom(std::string_view bytes)
{
    if (bytes.starts_with(kUtf8Bom))
        bytes.remove_prefix(kUtf8Bom.size());
    return bytes;
}

// Takes the next blank-separated word off the front of `text`.
std::string_view nextWord(std::string_view& text)
{
    text = TrimBlanks(text);
    std::size_t end = 0;
    while (end < text.size() && text[end] != ' ' && text[end] != '\t')
        ++end;
    const std::string_view word = text.substr(0, end);
    text.remove_prefix(end);
    return word;
}

std::string lineError(std::size_t line, const std::string& what)
{
    return "line " + std::to_string(line) + " " + what;
}

} // namespace

bool SniffGpl(std::string_view bytes)
{
    const std::vector<std::string_view> first = TextLines(withoutBom(bytes).substr(0, 64));
    return !first.empty() && TrimBlanks(first.front()) == kMagic;
}

PaletteReadResult ReadGpl(std::string_view bytes)
{
    PaletteReadResult result;
    const std::vector<std::string_view> lines = TextLines(withoutBom(bytes));
    if (lines.empty() || TrimBlanks(lines.front()) != kMagic) {
        result.error = "the first line is not \"GIMP Palette\"";
        return result;
    }
    bool inHeader = true;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        const std::size_t number = i + 1;
        if (TrimBlanks(line).empty() || line.front() == '#')
            continue;
        if (inHeader && line.starts_with("Name:")) {
            const std::string_view name = line.substr(5);
            if (!IsValidUtf8(name)) {
                result.error = lineError(number, "holds a palette name that is not UTF-8 text");
                return result;
            }
            result.palette.name = CleanName(name);
            continue;
        }
        if (inHeader && line.starts_with("Columns:")) {
            if (!ParseDecimal(TrimBlanks(line.substr(8)), 256)) {
                result.error = lineError(number, "gives no column count from 0 to 256");
                return result;
            }
            continue;
        }
        inHeader = false;
        std::string_view rest = line;
        int channels[3] = {0, 0, 0};
        for (int& channel : channels) {
            const std::string_view word = nextWord(rest);
            const auto value = ParseDecimal(word, 255);
            if (!value) {
                result.error = lineError(number, word.empty() ? "has fewer than three colour values"
                                                              : "holds " + Shown(word) +
                                                                    " where a value from 0 to 255 belongs");
                return result;
            }
            channel = static_cast<int>(*value);
        }
        if (!IsValidUtf8(rest)) {
            result.error = lineError(number, "holds a colour name that is not UTF-8 text");
            return result;
        }
        if (result.palette.entries.size() >= kMaxPaletteColors) {
            result.error = "it holds more than " + std::to_string(kMaxPaletteColors) + " colours";
            return result;
        }
        result.palette.entries.push_back({MakeColor(channels[0], channels[1], channels[2]), CleanName(rest)});
    }
    return result;
}

std::string WriteGpl(const PaletteData& palette)
{
    std::string out;
    out.reserve(32 + palette.entries.size() * 24);
    out.append(kMagic).append("\nName: ").append(CleanName(palette.name)).append("\n#\n");
    char channels[16];
    for (const PaletteEntry& entry : palette.entries) {
        const int n = std::snprintf(channels, sizeof channels, "%3d %3d %3d", GetRed(entry.color),
                                    GetGreen(entry.color), GetBlue(entry.color));
        out.append(channels, static_cast<std::size_t>(n));
        const std::string name = CleanName(entry.name);
        if (!name.empty())
            out.append("\t").append(name);
        out += '\n';
    }
    return out;
}

} // namespace prismara::formats
