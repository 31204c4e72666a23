// textcolors.cpp - the colours written in any text (style sheets, design tokens, notes): every
// #RGB and #RRGGBB, and every CSS rgb()/rgba() and hsl()/hsla() in either the comma or the space
// syntax, in the order they appear. Alpha is read and dropped.
#include "core/formats/formatcodecs.h"
#include "core/formats/formatsupport.h"

#include <charconv>
#include <cmath>
#include <numbers>

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

// One argument of a colour function: a number and what follows it ("%", "deg", ...).
struct Argument
{
    double value = 0;
    std::string_view unit;
};

// Splits the text between the parentheses into up to four arguments (the fourth after "/" or a
// third comma is alpha). nullopt when it is not a list of numbers.
std::optional<std::vector<Argument>> arguments(std::string_view text)
{
    std::vector<Argument> out;
    std::size_t i = 0;
    const auto skipSpace = [&] {
        while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\r' || text[i] == '\n'))
            ++i;
    };
    for (;;) {
        skipSpace();
        if (i >= text.size())
            break;
        if (!out.empty() && (text[i] == ',' || text[i] == '/')) {
            ++i;
            skipSpace();
        }
        Argument arg;
        if (startsWithNoCase(text.substr(i), "none")) {
            i += 4;
        } else {
            std::size_t start = i;
            if (i < text.size() && text[i] == '+')
                start = ++i;
            const auto [end, ec] = std::from_chars(text.data() + start, text.data() + text.size(), arg.value);
            if (ec != std::errc() || !std::isfinite(arg.value))
                return std::nullopt;
            i = static_cast<std::size_t>(end - text.data());
        }
        const std::size_t unitStart = i;
        while (i < text.size() && (text[i] == '%' || (lower(text[i]) >= 'a' && lower(text[i]) <= 'z')))
            ++i;
        arg.unit = text.substr(unitStart, i - unitStart);
        out.push_back(arg);
        if (out.size() > 4)
            return std::nullopt;
    }
    if (out.size() < 3)
        return std::nullopt;
    return out;
}

double channel(const Argument& arg)
{
    return arg.unit == "%" ? arg.value / 100.0 : arg.value / 255.0;
}

std::optional<double> hueDegrees(const Argument& arg)
{
    std::string unit;
    for (const char c : arg.unit)
        unit += lower(c);
    if (unit.empty() || unit == "deg")
        return arg.value;
    if (unit == "rad")
        return arg.value * 180.0 / std::numbers::pi;
    if (unit == "grad")
        return arg.value * 0.9;
    if (unit == "turn")
        return arg.value * 360.0;
    return std::nullopt;
}

// The colour of "rgb(...)" or "hsl(...)" starting at text[0] (the name already matched), and the
// length it spans.
std::optional<ColorValue> functionColor(std::string_view text, bool hsl, std::size_t& length)
{
    const std::size_t open = text.find('(');
    const std::size_t close = text.find(')', open);
    if (open == std::string_view::npos || close == std::string_view::npos || close - open > 120)
        return std::nullopt;
    length = close + 1;
    const auto args = arguments(text.substr(open + 1, close - open - 1));
    if (!args)
        return std::nullopt;
    const std::vector<Argument>& a = *args;
    if (!hsl) {
        for (std::size_t k = 0; k < 3; ++k)
            if (a[k].unit != "" && a[k].unit != "%")
                return std::nullopt;
        return FromRgbUnits(channel(a[0]), channel(a[1]), channel(a[2]));
    }
    const auto hue = hueDegrees(a[0]);
    if (!hue || (a[1].unit != "" && a[1].unit != "%") || (a[2].unit != "" && a[2].unit != "%"))
        return std::nullopt;
    return FromHsl(*hue, a[1].value / 100.0, a[2].value / 100.0);
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
                    color = functionColor(rest, name[0] == 'h', length);
                    if (!color)
                        length = name.size();
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
