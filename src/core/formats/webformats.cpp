// webformats.cpp - palettes written for the web and for code: CSS custom properties in a :root
// rule, SCSS variables, a design-token group of color tokens (JSON), and plain #RRGGBB lines.
// Names arrive as identifiers (ExportNaming::Identifier); lines end with LF.
#include "core/formats/formatcodecs.h"
#include "core/formats/formatsupport.h"

#include <charconv>

namespace prismara::formats {

namespace {

// A palette name fit for a comment: one line, no "*/" that would end a CSS comment, and nothing
// a reader of colours in text would take for a colour ("#", parentheses).
std::string commentText(std::string_view name)
{
    std::string text = CleanName(name);
    for (char& c : text)
        c = c == '#' ? ' ' : c == '(' ? '[' : c == ')' ? ']' : c;
    for (std::size_t at = text.find("*/"); at != std::string::npos; at = text.find("*/", at))
        text.replace(at, 2, "* /");
    return text;
}

// A channel as a fraction of 255 with at most four decimals: "0.1176", "1", "0".
std::string fraction(int channel)
{
    char buffer[16];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, channel / 255.0, std::chars_format::fixed, 4);
    std::string_view text(buffer, ec == std::errc() ? static_cast<std::size_t>(end - buffer) : 0);
    while (text.ends_with('0'))
        text.remove_suffix(1);
    if (text.ends_with('.'))
        text.remove_suffix(1);
    return std::string(text);
}

std::string jsonString(std::string_view text)
{
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\')
            out += '\\';
        out += c;
    }
    return out + "\"";
}

} // namespace

std::string WriteCss(const PaletteData& palette)
{
    std::string out = "/* " + commentText(palette.name) + " */\n:root {\n";
    for (const PaletteEntry& entry : palette.entries)
        out += "  --" + entry.name + ": " + HtmlHex(entry.color) + ";\n";
    return out + "}\n";
}

std::string WriteScss(const PaletteData& palette)
{
    std::string out = "// " + commentText(palette.name) + "\n";
    for (const PaletteEntry& entry : palette.entries)
        out += "$" + entry.name + ": " + HtmlHex(entry.color) + ";\n";
    return out;
}

std::string WriteJson(const PaletteData& palette)
{
    std::string group = IdentifierFromName(palette.name);
    if (group.empty())
        group = "palette";
    std::string out = "{\n  " + jsonString(group) + ": {";
    const char* separator = "\n";
    for (const PaletteEntry& entry : palette.entries) {
        out += separator;
        out += "    " + jsonString(entry.name) + ": {\n      \"$type\": \"color\",\n";
        out += "      \"$value\": { \"colorSpace\": \"srgb\", \"components\": [" + fraction(GetRed(entry.color)) + ", " +
               fraction(GetGreen(entry.color)) + ", " + fraction(GetBlue(entry.color)) + "], \"hex\": \"" +
               HtmlHex(entry.color) + "\" }\n    }";
        separator = ",\n";
    }
    return out + "\n  }\n}\n";
}

std::string WriteHex(const PaletteData& palette)
{
    std::string out;
    out.reserve(palette.entries.size() * 8);
    for (const PaletteEntry& entry : palette.entries)
        out += HtmlHex(entry.color) + "\n";
    return out;
}

} // namespace prismara::formats
