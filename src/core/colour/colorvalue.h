// colorvalue.h - the colour value (0x00BBGGRR), its channels, text forms and the web-safe rule.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace prismara {

// A colour: red in bits 0-7, green in 8-15, blue in 16-23, the top byte zero.
using ColorValue = std::int32_t;

inline constexpr ColorValue kBlack = 0x000000;
inline constexpr ColorValue kWhite = 0xFFFFFF;

constexpr int GetRed(ColorValue color) { return color & 255; }
constexpr int GetGreen(ColorValue color) { return (color / 256) & 255; }
constexpr int GetBlue(ColorValue color) { return (color / 65536) & 255; }

// Builds a colour from three channels 0-255.
constexpr ColorValue MakeColor(int red, int green, int blue) { return red + 256 * green + 65536 * blue; }

std::string RedHex(ColorValue color);   // "0A"
std::string GreenHex(ColorValue color);
std::string BlueHex(ColorValue color);
std::string HtmlHex(ColorValue color);  // "#RRGGBB"
std::string BgrHex(ColorValue color);   // "BBGGRR"
std::string RgbText(ColorValue color);  // "r,g,b"

ColorValue SnapWebSafe(ColorValue color);
bool IsWebSafe(ColorValue color);

// Parses exactly six hexadecimal digits (either case) as one number, as the scheme files store
// colours ("BBGGRR" gives 0x00BBGGRR). nullopt for anything else.
std::optional<ColorValue> ParseHex6(std::string_view text);

// Reads a palette record "RRGGBB" (red first) as a colour value; nullopt when it is not six
// hexadecimal digits.
std::optional<ColorValue> ParseRgbRecord(std::string_view record);

} // namespace prismara
