// colorparse.cpp - hexadecimal colours, CSS colour functions and CSS colour names.
#include "core/colour/colorparse.h"

#include "core/colour/colornames.h"
#include "core/colour/colorspaces.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <numbers>
#include <optional>
#include <vector>

namespace prismara {

namespace {

constexpr std::string_view kSpace = " \t\r\n\f\v";
constexpr std::size_t kQuotedLength = 40;

std::string_view trim(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(kSpace);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(kSpace) - first + 1);
}

// The text in double quotes, shortened and with control characters replaced, for one error line.
std::string quoted(std::string_view text)
{
    std::string shown(text.substr(0, kQuotedLength));
    for (char& c : shown)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f)
            c = '?';
    if (text.size() > kQuotedLength)
        shown += "...";
    return "\"" + shown + "\"";
}

ColorParseResult failure(std::string message)
{
    return {kBlack, std::move(message)};
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// 3, 4, 6 or 8 hexadecimal digits (lower case) as a colour; the alpha digits are dropped.
std::optional<ColorValue> hexColor(std::string_view digits)
{
    if (!std::ranges::all_of(digits, [](char c) { return hexDigit(c) >= 0; }))
        return std::nullopt;
    std::array<int, 3> channel{};
    if (digits.size() == 3 || digits.size() == 4) {
        for (std::size_t i = 0; i < 3; ++i)
            channel[i] = hexDigit(digits[i]) * 17;
    } else if (digits.size() == 6 || digits.size() == 8) {
        for (std::size_t i = 0; i < 3; ++i)
            channel[i] = hexDigit(digits[2 * i]) * 16 + hexDigit(digits[2 * i + 1]);
    } else {
        return std::nullopt;
    }
    return MakeColor(channel[0], channel[1], channel[2]);
}

// --- CSS colour functions ----------------------------------------------------------------------

// How one component is read: what 100% stands for, or that it is a hue.
struct ComponentRule
{
    double percentOf; // the value of 100%; 0 for a hue, which takes no percentage
};

constexpr ComponentRule kHue{0};

struct FunctionRule
{
    std::string_view name;
    bool commasAllowed;
    std::array<ComponentRule, 3> components;
    ColorValue (*make)(double, double, double);
};

ColorValue fromRgb(double r, double g, double b)
{
    return ToColor(Srgb{std::clamp(r, 0.0, 255.0) / 255, std::clamp(g, 0.0, 255.0) / 255,
                        std::clamp(b, 0.0, 255.0) / 255});
}

const FunctionRule kFunctions[] = {
    {"rgb", true, {{{255}, {255}, {255}}}, fromRgb},
    {"rgba", true, {{{255}, {255}, {255}}}, fromRgb},
    {"hsl", true, {{kHue, {100}, {100}}}, [](double h, double s, double l) { return ToColor(CssHsl{h, s, l}); }},
    {"hsla", true, {{kHue, {100}, {100}}}, [](double h, double s, double l) { return ToColor(CssHsl{h, s, l}); }},
    {"lab", false, {{{100}, {125}, {125}}},
     [](double l, double a, double b) { return ToColor(CieLab{std::clamp(l, 0.0, 100.0), a, b}); }},
    {"lch", false, {{{100}, {150}, kHue}},
     [](double l, double c, double h) { return ToColor(CieLch{std::clamp(l, 0.0, 100.0), std::max(c, 0.0), h}); }},
    {"oklab", false, {{{1}, {0.4}, {0.4}}},
     [](double l, double a, double b) { return ToColor(OkLab{std::clamp(l, 0.0, 1.0), a, b}); }},
    {"oklch", false, {{{1}, {0.4}, kHue}},
     [](double l, double c, double h) { return ToColor(OkLch{std::clamp(l, 0.0, 1.0), std::max(c, 0.0), h}); }},
    {"color(srgb)", false, {{{1}, {1}, {1}}}, [](double r, double g, double b) { return ToColor(Srgb{r, g, b}); }},
};

// A plain number: digits with an optional sign, point and exponent; finite.
std::optional<double> number(std::string_view text)
{
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    if (text.empty() || !(std::isdigit(static_cast<unsigned char>(text.front())) || text.front() == '-' ||
                          text.front() == '.'))
        return std::nullopt;
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// One component by its rule; nullopt when the token is not understood.
std::optional<double> component(std::string_view token, ComponentRule rule)
{
    if (token == "none")
        return 0.0;
    if (rule.percentOf == 0) { // a hue
        struct Angle { std::string_view unit; double degrees; };
        constexpr Angle kAngles[] = {{"deg", 1}, {"grad", 0.9}, {"rad", 180 / std::numbers::pi}, {"turn", 360}};
        for (const Angle& angle : kAngles)
            if (token.ends_with(angle.unit)) {
                const auto value = number(token.substr(0, token.size() - angle.unit.size()));
                return value ? std::optional(*value * angle.degrees) : std::nullopt;
            }
        return number(token);
    }
    if (token.ends_with('%')) {
        const auto value = number(token.substr(0, token.size() - 1));
        return value ? std::optional(*value / 100 * rule.percentOf) : std::nullopt;
    }
    return number(token);
}

std::vector<std::string_view> split(std::string_view text, char separator)
{
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t at = text.find(separator, start);
        parts.push_back(trim(text.substr(start, at == std::string_view::npos ? std::string_view::npos : at - start)));
        if (at == std::string_view::npos)
            return parts;
        start = at + 1;
    }
}

std::vector<std::string_view> words(std::string_view text)
{
    std::vector<std::string_view> tokens;
    std::size_t at = text.find_first_not_of(kSpace);
    while (at != std::string_view::npos) {
        const std::size_t end = text.find_first_of(kSpace, at);
        tokens.push_back(text.substr(at, end == std::string_view::npos ? std::string_view::npos : end - at));
        at = text.find_first_not_of(kSpace, end);
    }
    return tokens;
}

// `name(arguments)` with the function name and the text between the parentheses given.
ColorParseResult colorFunction(std::string_view name, std::string_view arguments)
{
    std::string shown = std::string(name) + "()";
    std::vector<std::string_view> values;
    std::optional<std::string_view> alpha;
    if (name == "color") {
        std::vector<std::string_view> tokens = words(arguments.substr(0, arguments.find('/')));
        if (tokens.empty() || tokens.front() != "srgb")
            return failure("color(): only the srgb colour space is understood, not " +
                           quoted(tokens.empty() ? std::string_view() : tokens.front()));
        name = "color(srgb)";
        shown = "color(srgb)";
        arguments.remove_prefix(arguments.find("srgb") + 4);
    }
    const auto rule = std::ranges::find(kFunctions, name, &FunctionRule::name);
    if (rule == std::end(kFunctions))
        return failure("unknown colour function " + quoted(shown));

    if (arguments.find(',') != std::string_view::npos) {
        if (!rule->commasAllowed)
            return failure(shown + ": commas are not understood here; separate the values by spaces");
        values = split(arguments, ',');
        if (values.size() == 4) {
            alpha = values.back();
            values.pop_back();
        }
    } else {
        const std::vector<std::string_view> halves = split(arguments, '/');
        if (halves.size() > 2)
            return failure(shown + ": more than one \"/\"");
        values = words(halves.front());
        if (halves.size() == 2)
            alpha = halves.back();
    }
    if (values.size() != 3)
        return failure(shown + " takes 3 values, not " + std::to_string(values.size()));

    std::array<double, 3> numbers{};
    for (std::size_t i = 0; i < 3; ++i) {
        const auto value = component(values[i], rule->components[i]);
        if (!value)
            return failure(shown + ": " + quoted(values[i]) +
                           (rule->components[i].percentOf == 0 ? " is not a hue" : " is not a number or percentage"));
        numbers[i] = *value;
    }
    if (alpha && !component(*alpha, {1}))
        return failure(shown + ": " + quoted(*alpha) + " is not an alpha value");
    return {rule->make(numbers[0], numbers[1], numbers[2]), {}};
}

// "51,102,204": the program's own decimal text, three channels 0-255 (spaces around them allowed).
ColorParseResult decimalTriple(std::string_view text, std::string_view shown)
{
    const std::vector<std::string_view> values = split(text, ',');
    std::array<int, 3> channel{};
    bool fits = values.size() == 3;
    for (std::size_t i = 0; fits && i < 3; ++i) {
        const std::string_view v = trim(values[i]);
        const auto [end, error] = std::from_chars(v.data(), v.data() + v.size(), channel[i]);
        fits = !v.empty() && error == std::errc() && end == v.data() + v.size() && channel[i] <= 255;
    }
    if (!fits)
        return failure(quoted(shown) + " is not a decimal colour (three channels 0-255: R,G,B)");
    return {MakeColor(channel[0], channel[1], channel[2]), {}};
}

} // namespace

ColorParseResult ParseColorText(std::string_view input)
{
    const std::string_view trimmed = trim(input);
    if (trimmed.empty())
        return failure("no colour given");
    std::string text(trimmed);
    std::ranges::transform(text, text.begin(), [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; });

    if (text.front() == '#') {
        if (const auto color = hexColor(std::string_view(text).substr(1)))
            return {*color, {}};
        return failure(quoted(trimmed) + " is not a hexadecimal colour (#RGB or #RRGGBB)");
    }
    if (const std::size_t open = text.find('('); open != std::string::npos) {
        if (text.back() != ')')
            return failure(quoted(trimmed) + " does not end with \")\"");
        const std::string_view view(text);
        return colorFunction(trim(view.substr(0, open)), view.substr(open + 1, view.size() - open - 2));
    }
    if (text.size() == 6)
        if (const auto color = hexColor(text))
            return {*color, {}};
    if (text.find(',') != std::string::npos && std::ranges::all_of(text, [](char c) {
            return (c >= '0' && c <= '9') || c == ',' || kSpace.find(c) != std::string_view::npos;
        }))
        return decimalTriple(text, trimmed);
    if (std::ranges::all_of(text, [](char c) { return c >= 'a' && c <= 'z'; })) {
        if (const auto color = CssNamedColor(text))
            return {*color, {}};
        return failure("unknown colour name " + quoted(trimmed));
    }
    return failure("not a colour: " + quoted(trimmed) +
                   " (use #RRGGBB, RRGGBB, #RGB, R,G,B, rgb(), hsl(), oklch() or a CSS colour name)");
}

} // namespace prismara
