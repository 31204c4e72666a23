// cssnotation.cpp - CSS colour texts, one row per notation.
#include "core/colour/cssnotation.h"

#include "core/colour/colorspaces.h"

#include <array>
#include <charconv>
#include <cmath>

namespace prismara {

namespace {

// One component: its value, decimals, and the text after it ("%" or nothing).
struct Part
{
    double value;
    int decimals;
    const char* unit = "";
};

// `opening` ("rgb(") and the parts separated by spaces, then ")".
std::string joined(std::string_view opening, std::initializer_list<Part> parts)
{
    std::string text(opening);
    bool first = true;
    for (const Part& part : parts) {
        if (!first)
            text += ' ';
        first = false;
        text += FormatDecimal(part.value, part.decimals);
        text += part.unit;
    }
    text += ')';
    return text;
}

double hueOrZero(double hue)
{
    return HasHue(hue) ? hue : 0.0;
}

struct NotationRow
{
    CssNotationInfo info;
    std::string (*text)(ColorValue);
};

const std::array<NotationRow, kCssNotationCount> kRows = {{
    {{CssNotation::Rgb, "rgb", "CSS rgb()"},
     [](ColorValue c) { return joined("rgb(", {{double(GetRed(c)), 0}, {double(GetGreen(c)), 0}, {double(GetBlue(c)), 0}}); }},
    {{CssNotation::Hsl, "hsl", "CSS hsl()"},
     [](ColorValue c) {
         const CssHsl hsl = HslOf(c);
         return joined("hsl(", {{hueOrZero(hsl.h), 1}, {hsl.s, 1, "%"}, {hsl.l, 1, "%"}});
     }},
    {{CssNotation::Lab, "lab", "CSS lab()"},
     [](ColorValue c) {
         const CieLab lab = LabOf(c);
         return joined("lab(", {{lab.l, 2}, {lab.a, 2}, {lab.b, 2}});
     }},
    {{CssNotation::Lch, "lch", "CSS lch()"},
     [](ColorValue c) {
         const CieLch lch = LchOf(c);
         return joined("lch(", {{lch.l, 2}, {lch.c, 2}, {hueOrZero(lch.h), 2}});
     }},
    {{CssNotation::Oklab, "oklab", "CSS oklab()"},
     [](ColorValue c) {
         const OkLab lab = OklabOf(c);
         return joined("oklab(", {{lab.l, 5}, {lab.a, 5}, {lab.b, 5}});
     }},
    {{CssNotation::Oklch, "oklch", "CSS oklch()"},
     [](ColorValue c) {
         const OkLch lch = OklchOf(c);
         return joined("oklch(", {{lch.l, 5}, {lch.c, 5}, {hueOrZero(lch.h), 2}});
     }},
    {{CssNotation::ColorSrgb, "color-srgb", "CSS color(srgb)"},
     [](ColorValue c) {
         const Srgb srgb = SrgbOf(c);
         return joined("color(srgb ", {{srgb.r, 3}, {srgb.g, 3}, {srgb.b, 3}});
     }},
}};

} // namespace

const std::array<CssNotationInfo, kCssNotationCount>& CssNotations()
{
    static const std::array<CssNotationInfo, kCssNotationCount> infos = [] {
        std::array<CssNotationInfo, kCssNotationCount> list{};
        for (std::size_t i = 0; i < list.size(); ++i)
            list[i] = kRows[i].info;
        return list;
    }();
    return infos;
}

std::string CssText(CssNotation notation, ColorValue color)
{
    return kRows[static_cast<std::size_t>(notation)].text(color);
}

std::string FormatDecimal(double value, int decimals)
{
    if (!std::isfinite(value))
        return "0";
    std::array<char, 64> buffer{};
    auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::fixed, decimals);
    if (error != std::errc())
        return "0";
    std::string text(buffer.data(), end);
    if (text.find('.') != std::string::npos) {
        while (text.back() == '0')
            text.pop_back();
        if (text.back() == '.')
            text.pop_back();
    }
    if (text == "-0")
        text = "0";
    return text;
}

} // namespace prismara
