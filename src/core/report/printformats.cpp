// printformats.cpp - the table of --print formats.
#include "core/report/printformats.h"

#include "core/colour/clrmodels.h"
#include "core/colour/cssnotation.h"

#include <array>

namespace prismara {

namespace {
std::string programHsl(ColorValue color)
{
    const HSLValue hsl = RGBToHSL(GetRed(color), GetGreen(color), GetBlue(color));
    return std::to_string(hsl.H) + "," + std::to_string(hsl.S) + "," + std::to_string(hsl.L);
}

constexpr std::array kFormats = {
    PrintFormat{"hex", HtmlHex},
    PrintFormat{"rgb", RgbText},
    PrintFormat{"hsl", programHsl},
    PrintFormat{"css-rgb", [](ColorValue c) { return CssText(CssNotation::Rgb, c); }},
    PrintFormat{"css-hsl", [](ColorValue c) { return CssText(CssNotation::Hsl, c); }},
};
} // namespace

std::span<const PrintFormat> PrintFormats() { return kFormats; }

const PrintFormat* FindPrintFormat(std::string_view id)
{
    for (const PrintFormat& format : kFormats)
        if (format.id == id)
            return &format;
    return nullptr;
}

std::string PrintFormatIds()
{
    std::string ids;
    for (const PrintFormat& format : kFormats)
        ids += (ids.empty() ? "" : "|") + std::string(format.id);
    return ids;
}

} // namespace prismara
