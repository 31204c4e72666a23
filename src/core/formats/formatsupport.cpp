// formatsupport.cpp - byte fields, text and colour conversions of the palette formats.
#include "core/formats/formatsupport.h"

#include "core/colour/rounding.h"

#include <algorithm>
#include <bit>
#include <cmath>

namespace prismara::formats {

bool ByteReader::u16(std::uint16_t& value)
{
    std::string_view b;
    if (!take(2, b))
        return false;
    value = static_cast<std::uint16_t>((static_cast<unsigned char>(b[0]) << 8) | static_cast<unsigned char>(b[1]));
    return true;
}

bool ByteReader::u32(std::uint32_t& value)
{
    std::string_view b;
    if (!take(4, b))
        return false;
    value = 0;
    for (const char c : b)
        value = (value << 8) | static_cast<unsigned char>(c);
    return true;
}

bool ByteReader::f32(float& value)
{
    std::uint32_t bits = 0;
    if (!u32(bits))
        return false;
    value = std::bit_cast<float>(bits);
    return true;
}

bool ByteReader::take(std::size_t count, std::string_view& out)
{
    if (count > rest_.size())
        return false;
    out = rest_.substr(0, count);
    rest_.remove_prefix(count);
    return true;
}

void PutU16(std::string& out, std::uint16_t value)
{
    out += static_cast<char>(value >> 8);
    out += static_cast<char>(value & 0xFF);
}

void PutU32(std::string& out, std::uint32_t value)
{
    PutU16(out, static_cast<std::uint16_t>(value >> 16));
    PutU16(out, static_cast<std::uint16_t>(value & 0xFFFF));
}

void PutF32(std::string& out, float value)
{
    PutU32(out, std::bit_cast<std::uint32_t>(value));
}

namespace {

// Length of the valid UTF-8 sequence at text[i], 0 when there is none.
std::size_t utf8SequenceAt(std::string_view text, std::size_t i)
{
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    if (lead < 0x80)
        return 1;
    std::size_t length = 0;
    std::uint32_t cp = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        cp = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        cp = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        cp = lead & 0x07;
    } else {
        return 0;
    }
    if (i + length > text.size())
        return 0;
    for (std::size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (byte(i + k) & 0x3F);
    }
    const bool overlong = (length == 3 && cp < 0x800) || (length == 4 && cp < 0x10000);
    if (overlong || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return 0;
    return length;
}

void appendUtf8(std::string& out, std::uint32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

} // namespace

bool IsValidUtf8(std::string_view text)
{
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t n = utf8SequenceAt(text, i);
        if (n == 0)
            return false;
        i += n;
    }
    return true;
}

std::string Utf8Repaired(std::string_view text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t n = utf8SequenceAt(text, i);
        if (n == 0) {
            out += "\xEF\xBF\xBD";
            ++i;
        } else {
            out.append(text.substr(i, n));
            i += n;
        }
    }
    return out;
}

std::optional<std::string> Utf16BeToUtf8(std::string_view units)
{
    std::string out;
    const std::size_t count = units.size() / 2;
    const auto unit = [&](std::size_t k) {
        return static_cast<std::uint32_t>((static_cast<unsigned char>(units[2 * k]) << 8) |
                                          static_cast<unsigned char>(units[2 * k + 1]));
    };
    for (std::size_t k = 0; k < count; ++k) {
        const std::uint32_t u = unit(k);
        if (u == 0)
            break;
        if (u >= 0xDC00 && u <= 0xDFFF)
            return std::nullopt;
        if (u >= 0xD800 && u <= 0xDBFF) {
            if (k + 1 >= count || unit(k + 1) < 0xDC00 || unit(k + 1) > 0xDFFF)
                return std::nullopt;
            appendUtf8(out, 0x10000 + ((u - 0xD800) << 10) + (unit(k + 1) - 0xDC00));
            ++k;
            continue;
        }
        appendUtf8(out, u);
    }
    return out;
}

std::string Utf8ToUtf16Be(std::string_view text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t n = std::max<std::size_t>(utf8SequenceAt(text, i), 1);
        const auto b = [&](std::size_t k) { return static_cast<std::uint32_t>(static_cast<unsigned char>(text[i + k])); };
        std::uint32_t cp = 0xFFFD;
        if (n == 1 && b(0) < 0x80)
            cp = b(0);
        else if (n == 2)
            cp = ((b(0) & 0x1F) << 6) | (b(1) & 0x3F);
        else if (n == 3)
            cp = ((b(0) & 0x0F) << 12) | ((b(1) & 0x3F) << 6) | (b(2) & 0x3F);
        else if (n == 4)
            cp = ((b(0) & 0x07) << 18) | ((b(1) & 0x3F) << 12) | ((b(2) & 0x3F) << 6) | (b(3) & 0x3F);
        if (cp >= 0x10000) {
            cp -= 0x10000;
            PutU16(out, static_cast<std::uint16_t>(0xD800 + (cp >> 10)));
            PutU16(out, static_cast<std::uint16_t>(0xDC00 + (cp & 0x3FF)));
        } else {
            PutU16(out, static_cast<std::uint16_t>(cp));
        }
        i += n;
    }
    return out;
}

std::string CleanName(std::string_view name)
{
    std::string out(name);
    for (char& c : out) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F)
            c = ' ';
    }
    return std::string(TrimBlanks(out));
}

std::string Shown(std::string_view text)
{
    std::string shown = CleanName(Utf8Repaired(text.substr(0, 20)));
    return "\"" + shown + (text.size() > 20 ? "...\"" : "\"");
}

std::string_view TrimBlanks(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

std::vector<std::string_view> TextLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c != '\r' && c != '\n')
            continue;
        lines.push_back(text.substr(start, i - start));
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines.push_back(text.substr(start));
    return lines;
}

std::optional<std::uint32_t> ParseDecimal(std::string_view text, std::uint32_t max)
{
    if (text.empty() || text.size() > 10)
        return std::nullopt;
    std::uint64_t value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + static_cast<std::uint64_t>(c - '0');
    }
    if (value > max)
        return std::nullopt;
    return static_cast<std::uint32_t>(value);
}

int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

namespace {

int unitToChannel(double v)
{
    if (!(v > 0.0)) // NaN too
        return 0;
    return RoundToInt(std::min(v, 1.0) * 255.0);
}

double srgbEncoded(double linear)
{
    return linear <= 0.0031308 ? 12.92 * linear : 1.055 * std::pow(linear, 1.0 / 2.4) - 0.055;
}

double labInverse(double t)
{
    constexpr double delta = 6.0 / 29.0;
    return t > delta ? t * t * t : 3.0 * delta * delta * (t - 4.0 / 29.0);
}

// One of the six sectors of the hue circle for HSB: red, green and blue as 0..1 for a hue in
// degrees, a chroma and the base added to each.
void hueSector(double hue, double chroma, double base, double& r, double& g, double& b)
{
    hue = std::fmod(hue, 360.0);
    if (hue < 0)
        hue += 360.0;
    const double h = hue / 60.0;
    const double x = chroma * (1.0 - std::fabs(std::fmod(h, 2.0) - 1.0));
    r = g = b = 0;
    switch (static_cast<int>(h) % 6) {
    case 0: r = chroma; g = x; break;
    case 1: r = x; g = chroma; break;
    case 2: g = chroma; b = x; break;
    case 3: g = x; b = chroma; break;
    case 4: r = x; b = chroma; break;
    default: r = chroma; b = x; break;
    }
    r += base;
    g += base;
    b += base;
}

double unit(double v)
{
    return std::isfinite(v) ? std::clamp(v, 0.0, 1.0) : 0.0;
}

} // namespace

ColorValue FromRgbUnits(double red, double green, double blue)
{
    return MakeColor(unitToChannel(red), unitToChannel(green), unitToChannel(blue));
}

ColorValue FromCmykUnits(double c, double m, double y, double k)
{
    const double white = 1.0 - unit(k);
    return FromRgbUnits((1.0 - unit(c)) * white, (1.0 - unit(m)) * white, (1.0 - unit(y)) * white);
}

ColorValue FromLabD50(double lightness, double a, double b)
{
    if (!std::isfinite(lightness) || !std::isfinite(a) || !std::isfinite(b))
        return kBlack;
    const double fy = (lightness + 16.0) / 116.0;
    const double x = 0.96422 * labInverse(fy + a / 500.0);
    const double y = labInverse(fy);
    const double z = 0.82521 * labInverse(fy - b / 200.0);
    // Bradford adaptation from D50 to D65, then XYZ to linear sRGB.
    const double xd = 0.9555766 * x - 0.0230393 * y + 0.0631636 * z;
    const double yd = -0.0282895 * x + 1.0099416 * y + 0.0210077 * z;
    const double zd = 0.0122982 * x - 0.0204830 * y + 1.3299098 * z;
    const double r = 3.2404542 * xd - 1.5371385 * yd - 0.4985314 * zd;
    const double g = -0.9692660 * xd + 1.8760108 * yd + 0.0415560 * zd;
    const double bl = 0.0556434 * xd - 0.2040259 * yd + 1.0572252 * zd;
    return FromRgbUnits(srgbEncoded(unit(r)), srgbEncoded(unit(g)), srgbEncoded(unit(bl)));
}

ColorValue FromHsb(double hueDegrees, double saturation, double brightness)
{
    if (!std::isfinite(hueDegrees))
        hueDegrees = 0;
    const double chroma = unit(brightness) * unit(saturation);
    double r = 0, g = 0, b = 0;
    hueSector(hueDegrees, chroma, unit(brightness) - chroma, r, g, b);
    return FromRgbUnits(r, g, b);
}

std::string Conversions::note(std::string_view noun, std::string_view plural) const
{
    std::vector<std::string> parts;
    const int total = cmyk + lab + gray + hsb;
    if (cmyk)
        parts.push_back(std::to_string(cmyk) + " CMYK");
    if (lab)
        parts.push_back(std::to_string(lab) + " Lab");
    if (hsb)
        parts.push_back(std::to_string(hsb) + " HSB");
    if (gray)
        parts.push_back(std::to_string(gray) + " grey");
    if (parts.empty())
        return {};
    std::string text = parts.front();
    for (std::size_t i = 1; i < parts.size(); ++i)
        text += (i + 1 == parts.size() ? " and " : ", ") + parts[i];
    text.append(" ").append(total == 1 ? noun : plural).append(total == 1 ? " was" : " were").append(" converted to sRGB");
    return text;
}

} // namespace prismara::formats
