// textcolors.cpp - the colours written in any text (style sheets, design tokens, notes): every
// #RGB and #RRGGBB, and every CSS rgb()/rgba() and hsl()/hsla() in either the comma or the space
// syntax (read by the colour-text reader, core/colour/colorparse.h), in the order they appear.
// Alpha is read and dropped.
#include "core/colour/colorparse.h"
#include "core/formats/formatcodecs.h"
#include "core/formats/formatsupport.h"

namespace prismara::formats {

namespace {

bool isWordChar(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || c == '-';
}

char lower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool startsWithNoCase(std::string_view text, std::string_view prefix)
{
    if (text.size() < prefix.size())
        return false;
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if (lower(text[i]) != prefix[i])
            return false;
    return true;
}

// The colour of a hex run after "#": 3 or 6 digits.
std::optional<ColorValue> hexColor(std::string_view digits)
{
    for (const char c : digits)
        if (HexValue(c) < 0)
            return std::nullopt;
    if (digits.size() == 3)
        return MakeColor(HexValue(digits[0]) * 17, HexValue(digits[1]) * 17, HexValue(digits[2]) * 17);
    if (digits.size() == 6)
        return ParseRgbRecord(digits);
    return std::nullopt;
}

// The colour of the function call "rgb(...)" or "hsl(...)" at the start of `text`, through the
// colour-text reader, and the length it spans.
std::optional<ColorValue> functionColor(std::string_view text, std::size_t& length)
{
    const std::size_t close = text.find(')');
    if (close == std::string_view::npos || close > 120)
        return std::nullopt;
    const ColorParseResult parsed = ParseColorText(text.substr(0, close + 1));
    if (!parsed.ok())
        return std::nullopt;
    length = close + 1;
    return parsed.color;
}

} // namespace

PaletteReadResult ReadTextColors(std::string_view text)
{
    PaletteReadResult result;
    if (text.find('\0') != std::string_view::npos) {
        result.error = "it is neither a palette file of a known kind nor a text file";
        return result;
    }
    std::vector<PaletteEntry>& entries = result.palette.entries;
    for (std::size_t i = 0; i < text.size();) {
        const char c = text[i];
        const bool wordStart = i == 0 || !isWordChar(text[i - 1]);
        std::optional<ColorValue> color;
        std::size_t length = 1;
        if (c == '#' && (i == 0 || (text[i - 1] != '&' && !isWordChar(text[i - 1])))) {
            std::size_t end = i + 1;
            while (end < text.size() && isWordChar(text[end]))
                ++end;
            color = hexColor(text.substr(i + 1, end - i - 1));
            length = end - i;
        } else if (wordStart && (c == 'r' || c == 'R' || c == 'h' || c == 'H')) {
            const std::string_view rest = text.substr(i);
            for (const std::string_view name : {"rgba(", "rgb(", "hsla(", "hsl("}) {
                if (startsWithNoCase(rest, name)) {
                    length = name.size();
                    color = functionColor(rest, length);
                    break;
                }
            }
        }
        if (color) {
            if (entries.size() >= kMaxPaletteColors) {
                result.error = "it holds more than " + std::to_string(kMaxPaletteColors) + " colours";
                return result;
            }
            entries.push_back({*color, {}});
        }
        i += length;
    }
    return result;
}

} // namespace prismara::formats
