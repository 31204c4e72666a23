// fuzzreference.h - plain second implementations of the file rules, written for clarity, that
// the fuzz targets compare the real code against.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace prismara::fuzz {

// Lines split at CR LF, lone CR or lone LF; a last line without its end counts when not empty.
inline std::vector<std::string> referenceLines(std::string_view text)
{
    std::vector<std::string> lines;
    std::string line;
    bool open = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(line);
            line.clear();
            open = false;
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else {
            line += c;
            open = true;
        }
    }
    if (open)
        lines.push_back(line);
    return lines;
}

inline bool referenceBlank(std::string_view line)
{
    return line.find_first_not_of(' ') == std::string_view::npos;
}

inline int referenceHexDigit(char c)
{
    const std::string_view digits = "0123456789ABCDEF";
    const std::string_view lower = "0123456789abcdef";
    if (const auto at = digits.find(c); at != std::string_view::npos)
        return static_cast<int>(at);
    if (const auto at = lower.find(c); at != std::string_view::npos)
        return static_cast<int>(at);
    return -1;
}

// Six hexadecimal digits as one number, nullopt otherwise.
inline std::optional<std::int32_t> referenceHex6(std::string_view text)
{
    if (text.size() != 6)
        return std::nullopt;
    std::int32_t value = 0;
    for (const char c : text) {
        const int d = referenceHexDigit(c);
        if (d < 0)
            return std::nullopt;
        value = value * 16 + d;
    }
    return value;
}

// A palette record "RRGGBB" as the colour value 0x00BBGGRR.
inline std::optional<std::int32_t> referenceRecordColor(std::string_view record)
{
    const auto rgb = referenceHex6(record);
    if (!rgb)
        return std::nullopt;
    const std::int32_t red = *rgb >> 16;
    const std::int32_t green = (*rgb >> 8) & 255;
    const std::int32_t blue = *rgb & 255;
    return blue * 65536 + green * 256 + red;
}

inline std::string printable(const std::string& text)
{
    std::string out = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte >= 0x7F || c == '"' || c == '\\') {
            const char* digits = "0123456789ABCDEF";
            out += "\\x";
            out += digits[byte >> 4];
            out += digits[byte & 15];
        } else {
            out += c;
        }
    }
    return out + "\"";
}

} // namespace prismara::fuzz
