// colorinfo.cpp - the model values shown by the colour information window.
#include "core/palette/colorinfo.h"

#include "core/colour/clrmodels.h"
#include "core/colour/colornames.h"
#include "core/colour/colorspaces.h"
#include "core/colour/cssnotation.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <string>

namespace prismara {

int ChannelByte(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error == std::errc::result_out_of_range)
        return text.front() == '-' ? 0 : 255;
    if (error != std::errc() || end != text.data() + text.size())
        return 0;
    return static_cast<int>(std::clamp(value, 0L, 255L));
}

ColorPageTexts ColorInfoTexts(std::string_view hex, std::string_view red, std::string_view green,
                              std::string_view blue)
{
    ColorPageTexts t;
    t.txtHex = hex;
    t.txtr = red;
    t.txtg = green;
    t.txtb = blue;

    cClrModels model;
    model.setRgbR(static_cast<std::uint8_t>(ChannelByte(red)));
    model.setRgbG(static_cast<std::uint8_t>(ChannelByte(green)));
    model.setRgbB(static_cast<std::uint8_t>(ChannelByte(blue)));
    auto text = [](int value) { return std::to_string(value); };
    t.txth = text(model.hlsH());
    t.txtl = text(model.hlsL());
    t.txts = text(model.hlsS());
    t.txtc = text(model.cmyC());
    t.txtm = text(model.cmyM());
    t.txtY = text(model.cmyY());
    t.txtc1 = text(model.cmykC());
    t.txtm1 = text(model.cmykM());
    t.txtY1 = text(model.cmykY());
    t.txtK = text(model.cmykK());
    t.txtY2 = text(model.ycbcrY());
    t.txtCb = text(model.ycbcrCb());
    t.txtCr = text(model.ycbcrCr());
    return t;
}

std::vector<ColorInfoRow> ColorScienceRows(ColorValue color)
{
    const CieLab lab = LabOf(color);
    const CieLch lch = LchOf(color);
    const OkLch oklch = OklchOf(color);
    auto number = [](double value, int decimals) { return FormatDecimal(value, decimals); };
    auto hue = [](double value, int decimals) { return HasHue(value) ? FormatDecimal(value, decimals) : "none"; };
    return {
        {"Lab", "L:", "txtLabL", number(lab.l, 2)},
        {"", "a:", "txtLabA", number(lab.a, 2)},
        {"", "b:", "txtLabB", number(lab.b, 2)},
        {"LCh", "L:", "txtLchL", number(lch.l, 2)},
        {"", "C:", "txtLchC", number(lch.c, 2)},
        {"", "H:", "txtLchH", hue(lch.h, 2)},
        {"OKLCH", "L:", "txtOklchL", number(oklch.l, 5)},
        {"", "C:", "txtOklchC", number(oklch.c, 5)},
        {"", "H:", "txtOklchH", hue(oklch.h, 2)},
        {"Name", "", "txtName", ColorNameText(color)},
    };
}

} // namespace prismara
