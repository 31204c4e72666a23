// colornames.cpp - the compiled-in name dictionary and the nearest-name search.
#include "core/colour/colornames.h"

#include "core/colour/colorspaces.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <utility>
#include <vector>

namespace prismara {

namespace {

struct Entry
{
    NameSource source;
    std::string_view name;
    std::uint32_t rgb; // 0xRRGGBB as written in the data file
};

constexpr Entry kEntries[] = {
#include "core/colour/colornames_data.inc" // generated from data/colornames.tsv
};

constexpr ColorValue fromRgb(std::uint32_t rgb)
{
    return MakeColor(static_cast<int>(rgb >> 16), static_cast<int>((rgb >> 8) & 255), static_cast<int>(rgb & 255));
}

constexpr auto kDictionary = [] {
    std::array<NamedColor, std::size(kEntries)> named{};
    for (std::size_t i = 0; i < named.size(); ++i)
        named[i] = {kEntries[i].source, kEntries[i].name, fromRgb(kEntries[i].rgb)};
    return named;
}();

// The OKLab coordinates of every entry, worked out on first use.
const std::vector<OkLab>& dictionaryOklab()
{
    static const std::vector<OkLab> points = [] {
        std::vector<OkLab> values;
        values.reserve(kDictionary.size());
        for (const NamedColor& entry : kDictionary)
            values.push_back(OklabOf(entry.value));
        return values;
    }();
    return points;
}

char lower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

} // namespace

ColorName NearestColorName(ColorValue color)
{
    const std::vector<OkLab>& points = dictionaryOklab();
    const OkLab target = OklabOf(color);
    std::size_t best = 0;
    double bestDistance = std::numeric_limits<double>::infinity();
    for (std::size_t i = 0; i < points.size(); ++i) {
        if (kDictionary[i].value == color) {
            best = i;
            break;
        }
        const double dl = points[i].l - target.l;
        const double da = points[i].a - target.a;
        const double db = points[i].b - target.b;
        const double distance = dl * dl + da * da + db * db;
        if (distance < bestDistance) {
            bestDistance = distance;
            best = i;
        }
    }
    const NamedColor& entry = kDictionary[best];
    return {std::string(entry.name), entry.value, entry.value == color};
}

std::span<const NamedColor> ColorNameDictionary()
{
    return kDictionary;
}

std::optional<ColorValue> CssNamedColor(std::string_view name)
{
    for (const NamedColor& entry : kDictionary) {
        if (entry.source != NameSource::Css)
            break; // the CSS names come first
        if (std::ranges::equal(entry.name, name, {}, {}, lower))
            return entry.value;
    }
    return std::nullopt;
}

std::string ColorNameText(ColorValue color)
{
    ColorName name = NearestColorName(color);
    return name.exact ? std::move(name.name) : "\u2248 " + name.name;
}

} // namespace prismara
