// colornames.h - names for colours: the nearest name from the shipped dictionary, and the CSS
// named colours.
//
// The dictionary (data/colornames.tsv, written by tools/gen_colornames.py and compiled into the
// program) holds the 148 CSS Color 4 named colours followed by the 949 colours of the public-domain
// xkcd colour survey: 1097 entries. An xkcd name spelled like a CSS name carries the prefix "xkcd:"
// ("xkcd:red"); other xkcd names are plain ("dusty rose"). Distances are measured in OKLab.
#pragma once

#include "core/colour/colorvalue.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace prismara {

struct ColorName
{
    std::string name;
    ColorValue value; // the named colour (equal to the colour looked up when exact)
    bool exact;       // the dictionary holds the very colour looked up
};

// The dictionary entry nearest to `color` in OKLab. An exact match always wins; among entries at
// the same distance the first in dictionary order (CSS names, then xkcd names, each alphabetical)
// is taken, so #00FFFF is "aqua", not "cyan". Takes about 1.5 microseconds.
ColorName NearestColorName(ColorValue color);

// The nearest name as the program shows it: the name itself when it is the colour's own
// ("cornflowerblue"), else "≈ " and the name ("≈ dusty rose").
std::string ColorNameText(ColorValue color);

enum class NameSource { Css, Xkcd };

struct NamedColor
{
    NameSource source;
    std::string_view name;
    ColorValue value;
};

// Every dictionary entry in dictionary order.
std::span<const NamedColor> ColorNameDictionary();

// The CSS named colour `name` ("cornflowerblue", any letter case); nullopt for any other text.
std::optional<ColorValue> CssNamedColor(std::string_view name);

} // namespace prismara
