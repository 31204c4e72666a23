// paintnetformat.cpp - Paint.NET palettes: text lines; a line starting with ";" is a comment, any
// other non-empty line one colour as eight hexadecimal digits AARRGGBB.
#include "core/formats/formatcodecs.h"
#include "core/formats/formatsupport.h"

namespace prismara::formats {

namespace {

bool isColorLine(std::string_view line)
{
    if (line.size() != 8)
        return false;
    for (const char c : line)
        if (HexValue(c) < 0)
            return false;
    return true;
}

int byteAt(std::string_view line, std::size_t i)
{
    return HexValue(line[i]) * 16 + HexValue(line[i + 1]);
}

} // namespace

bool SniffPaintNet(std::string_view bytes)
{
    bool colours = false;
    for (const std::string_view raw : TextLines(bytes)) {
        const std::string_view line = TrimBlanks(raw);
        if (line.empty() || line.front() == ';')
            continue;
        if (!isColorLine(line))
            return false;
        colours = true;
    }
    return colours;
}

PaletteReadResult ReadPaintNet(std::string_view bytes)
{
    PaletteReadResult result;
    std::size_t translucent = 0;
    std::size_t number = 0;
    for (const std::string_view raw : TextLines(bytes)) {
        ++number;
        const std::string_view line = TrimBlanks(raw);
        if (line.empty() || line.front() == ';')
            continue;
        if (!isColorLine(line)) {
            result.error = "line " + std::to_string(number) + " is neither a comment nor an AARRGGBB colour: " +
                           Shown(line);
            return result;
        }
        if (result.palette.entries.size() >= kMaxPaletteColors) {
            result.error = "it holds more than " + std::to_string(kMaxPaletteColors) + " colours";
            return result;
        }
        if (byteAt(line, 0) != 255)
            ++translucent;
        result.palette.entries.push_back({MakeColor(byteAt(line, 2), byteAt(line, 4), byteAt(line, 6)), {}});
    }
    if (translucent > 0)
        result.notes.push_back(std::to_string(translucent) + (translucent == 1 ? " colour was" : " colours were") +
                               " partly transparent; Prismara keeps colours opaque");
    return result;
}

std::string WritePaintNet(const PaletteData& palette)
{
    std::string out = "; paint.net Palette File\r\n; " + CleanName(palette.name) + "\r\n; " +
                      std::to_string(palette.entries.size()) + " colours, written by Prismara\r\n";
    for (const PaletteEntry& entry : palette.entries)
        out += "FF" + HtmlHex(entry.color).substr(1) + "\r\n";
    return out;
}

} // namespace prismara::formats
