// colorvalue.cpp - text forms and the web-safe rule of the colour value.
#include "core/colour/colorvalue.h"

namespace prismara {

namespace {
constexpr char kHexDigits[] = "0123456789ABCDEF";

std::string hex2(int channel)
{
    return {kHexDigits[(channel >> 4) & 15], kHexDigits[channel & 15]};
}

int hexDigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

int snapChannel(int v)
{
    const int r = v % 51;
    if (r > 25)
        v += 51;
    return v - r;
}
} // namespace

std::string RedHex(ColorValue color) { return hex2(GetRed(color)); }
std::string GreenHex(ColorValue color) { return hex2(GetGreen(color)); }
std::string BlueHex(ColorValue color) { return hex2(GetBlue(color)); }

std::string HtmlHex(ColorValue color)
{
    // Appended piece by piece: "#" + a temporary makes GCC 12 warn falsely (-Wrestrict) at -O3.
    std::string text = "#";
    text += RedHex(color);
    text += GreenHex(color);
    text += BlueHex(color);
    return text;
}

std::string BgrHex(ColorValue color) { return BlueHex(color) + GreenHex(color) + RedHex(color); }

std::string RgbText(ColorValue color)
{
    return std::to_string(GetRed(color)) + "," + std::to_string(GetGreen(color)) + "," +
           std::to_string(GetBlue(color));
}

ColorValue SnapWebSafe(ColorValue color)
{
    return MakeColor(snapChannel(GetRed(color)), snapChannel(GetGreen(color)), snapChannel(GetBlue(color)));
}

bool IsWebSafe(ColorValue color)
{
    return GetRed(color) % 51 == 0 && GetGreen(color) % 51 == 0 && GetBlue(color) % 51 == 0;
}

std::optional<ColorValue> ParseHex6(std::string_view text)
{
    if (text.size() != 6)
        return std::nullopt;
    ColorValue value = 0;
    for (char c : text) {
        const int d = hexDigitValue(c);
        if (d < 0)
            return std::nullopt;
        value = value * 16 + d;
    }
    return value;
}

std::optional<ColorValue> ParseRgbRecord(std::string_view record)
{
    const auto rgb = ParseHex6(record);
    if (!rgb)
        return std::nullopt;
    const int red = (*rgb >> 16) & 255;
    const int green = (*rgb >> 8) & 255;
    const int blue = *rgb & 255;
    return MakeColor(red, green, blue);
}

} // namespace prismara
