// printformats.h - the one-line texts in which `--pick --print` writes the colour it took.
//
// One row per format: "hex" "#3366CC" (the default), "rgb" "51,102,204", "hsl" the program's own
// HSL "H,S,L" (hue with red at 60, as the window shows it), "css-rgb" "rgb(51 102 204)",
// "css-hsl" "hsl(220 60% 50%)".
#pragma once

#include "core/colour/colorvalue.h"

#include <span>
#include <string>
#include <string_view>

namespace prismara {

struct PrintFormat
{
    std::string_view id;
    std::string (*text)(ColorValue color);
};

inline constexpr std::string_view kDefaultPrintFormat = "hex";

// Every format, in the order --help names them.
std::span<const PrintFormat> PrintFormats();

// The format called `id`; nullptr when there is none.
const PrintFormat* FindPrintFormat(std::string_view id);

// The ids joined by "|" ("hex|rgb|hsl|css-rgb|css-hsl").
std::string PrintFormatIds();

} // namespace prismara
