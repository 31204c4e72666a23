// schemecontrast.cpp - contrast pairs, Fix Contrast, the contrast report and confusable colours of
// a web scheme.
#include "core/scheme/schemecontrast.h"

#include "core/access/contrast.h"
#include "core/colour/colorspaces.h"
#include "core/colour/cssnotation.h"
#include "core/scheme/schemestate.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace prismara {

namespace {

constexpr std::string_view kCrLf = "\r\n";

// Lightness steps of the outward search for a colour that passes several pairs at once, and the
// bisection steps that then close in on the boundary.
constexpr int kScanSteps = 512;
constexpr int kBisectSteps = 30;

WcagCriterion criterionOf(ContrastRule rule, ContrastLevel level)
{
    if (rule == ContrastRule::NonText)
        return WcagCriterion::NonText;
    return level == ContrastLevel::AA ? WcagCriterion::AaNormal : WcagCriterion::AaaNormal;
}

std::optional<std::size_t> elementSetting(const SchemeStyle& style, const SampleRef& ref)
{
    for (std::size_t i = 0; i < style.elements.size(); ++i) {
        const auto& targets = style.elements[i].targets;
        if (std::find(targets.begin(), targets.end(), ref) != targets.end())
            return i;
    }
    return std::nullopt;
}

ColorValue backgroundOf(const SchemeState& state, std::size_t style, const ContrastPair& pair)
{
    return pair.background ? state.color(style, *pair.background) : kMockupPage;
}

// What an element's colour has to meet: the colour on the other side of each of its pairs.
struct Constraint
{
    ColorValue other;
    WcagCriterion criterion;
};

std::vector<Constraint> constraintsOf(const SchemeState& state, std::size_t style, std::size_t element,
                                      ContrastLevel level)
{
    const SchemeStyle& table = SchemeStyles::style(style);
    std::vector<Constraint> constraints;
    for (const ContrastPair& pair : table.contrastPairs) {
        const std::vector<std::size_t> elements = PairElements(table, pair);
        const WcagCriterion criterion = criterionOf(pair.rule, level);
        if (!elements.empty() && elements[0] == element)
            constraints.push_back({backgroundOf(state, style, pair), criterion});
        else if (elements.size() > 1 && elements[1] == element)
            constraints.push_back({state.color(style, pair.foreground), criterion});
    }
    return constraints;
}

bool passesAll(ColorValue color, const std::vector<Constraint>& constraints)
{
    return std::all_of(constraints.begin(), constraints.end(), [color](const Constraint& c) {
        return Passes(c.criterion, ContrastRatio(color, c.other));
    });
}

std::string colorList(const SchemeStyle& style, const std::vector<std::size_t>& elements)
{
    std::string text;
    for (std::size_t i = 0; i < elements.size(); ++i) {
        if (i > 0)
            text += i + 1 == elements.size() ? " and " : ", ";
        text += ElementLabel(style.elements[elements[i]]);
    }
    return text;
}

} // namespace

std::vector<PairContrast> SchemeContrast(const SchemeState& state, std::size_t style)
{
    std::vector<PairContrast> result;
    if (style >= SchemeStyles::all().size())
        return result;
    for (const ContrastPair& pair : SchemeStyles::style(style).contrastPairs) {
        const ColorValue fore = state.color(style, pair.foreground);
        const ColorValue back = backgroundOf(state, style, pair);
        const double ratio = ContrastRatio(fore, back);
        result.push_back({&pair, fore, back, ratio, ApcaContrast(fore, back),
                          Passes(criterionOf(pair.rule, ContrastLevel::AA), ratio),
                          Passes(criterionOf(pair.rule, ContrastLevel::AAA), ratio)});
    }
    return result;
}

std::string RatioText(double ratio, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    // Cut, never raised: 4.4999 must not read as the 4.5 it fails.
    return FormatDecimal(std::floor(ratio * scale) / scale, decimals);
}

std::string ContrastMark(const PairContrast& c)
{
    if (c.pair->rule == ContrastRule::NonText)
        return c.passesAA ? "3:1" : "\u2717 3:1";
    if (c.passesAAA)
        return "AAA";
    return c.passesAA ? "AA" : "\u2717 AA";
}

std::vector<std::size_t> PairElements(const SchemeStyle& style, const ContrastPair& pair)
{
    std::vector<std::size_t> elements;
    if (const auto fore = elementSetting(style, pair.foreground))
        elements.push_back(*fore);
    else
        return elements;
    if (pair.background)
        if (const auto back = elementSetting(style, *pair.background))
            elements.push_back(*back);
    return elements;
}

std::vector<bool> FailingElements(const SchemeState& state, std::size_t style)
{
    if (style >= SchemeStyles::all().size())
        return {};
    const SchemeStyle& table = SchemeStyles::style(style);
    std::vector<bool> failing(table.elements.size(), false);
    for (const PairContrast& c : SchemeContrast(state, style)) {
        if (c.passesAA)
            continue;
        for (std::size_t element : PairElements(table, *c.pair))
            failing[element] = true;
    }
    return failing;
}

bool ElementHasPairs(std::size_t style, std::size_t element)
{
    if (style >= SchemeStyles::all().size())
        return false;
    const SchemeStyle& table = SchemeStyles::style(style);
    return std::any_of(table.contrastPairs.begin(), table.contrastPairs.end(), [&](const ContrastPair& pair) {
        const std::vector<std::size_t> elements = PairElements(table, pair);
        return std::find(elements.begin(), elements.end(), element) != elements.end();
    });
}

std::optional<ColorValue> FixElementContrast(const SchemeState& state, std::size_t style, std::size_t element,
                                             ContrastLevel level)
{
    if (style >= SchemeStyles::all().size() || element >= SchemeStyles::style(style).elements.size())
        return std::nullopt;
    const std::vector<Constraint> constraints = constraintsOf(state, style, element, level);
    if (constraints.empty())
        return std::nullopt;
    const ColorValue color = state.color(style, SchemeStyles::style(style).elements[element].source);
    if (passesAll(color, constraints))
        return color;
    if (constraints.size() == 1)
        return FixContrast(color, constraints[0].other, constraints[0].criterion);

    // Several pairs: the contrast need not grow steadily with the lightness any more (lighter text
    // helps on a dark background and hurts on a light one), so walk outward in small steps to
    // the first lightness that passes them all, then bisect back to the boundary.
    const OkLch base = OklchOf(color);
    const auto colorAt = [&](double lightness) { return ToColor(OkLch{lightness, base.c, base.h}); };
    std::optional<ColorValue> best;
    double bestShift = 2.0;
    for (const double direction : {1.0, -1.0}) {
        double failing = base.l;
        for (int step = 1; step <= kScanSteps; ++step) {
            const double lightness = std::clamp(base.l + direction * step / kScanSteps, 0.0, 1.0);
            if (passesAll(colorAt(lightness), constraints)) {
                double passing = lightness;
                for (int bisect = 0; bisect < kBisectSteps; ++bisect) {
                    const double middle = (failing + passing) / 2;
                    (passesAll(colorAt(middle), constraints) ? passing : failing) = middle;
                }
                const double shift = std::abs(passing - base.l);
                if (shift < bestShift) {
                    bestShift = shift;
                    best = colorAt(passing);
                }
                break;
            }
            failing = lightness;
            if (lightness <= 0.0 || lightness >= 1.0)
                break;
        }
    }
    return best;
}

std::string ContrastReport(const SchemeState& state, std::size_t style)
{
    const std::vector<PairContrast> pairs = SchemeContrast(state, style);
    // A table in columns, for a fixed-width font.
    std::size_t captionWidth = 4;
    for (const PairContrast& c : pairs)
        captionWidth = std::max(captionWidth, c.pair->caption.size());
    auto cell = [](std::string text, std::size_t width) {
        text.resize(std::max(text.size() + 2, width), ' ');
        return text;
    };
    auto row = [&](const std::string& caption, const std::string& ratio, const std::string& aa, const std::string& aaa,
                   const std::string& apca, const std::string& colors) {
        std::string line = cell(caption, captionWidth + 2) + cell(ratio, 9) + cell(aa, 6) + cell(aaa, 6) +
                           cell(apca, 9) + colors;
        return line;
    };
    std::string report = "Contrast (WCAG 2): text needs 4.5:1 for AA and 7:1 for AAA; shapes need 3:1";
    report += kCrLf;
    report += row("Pair", "Ratio", "AA", "AAA", "APCA Lc", "Colors");
    for (const PairContrast& c : pairs) {
        report += kCrLf;
        report += row(c.pair->caption, RatioText(c.ratio, 2) + ":1", c.passesAA ? "pass" : "FAIL",
                      c.passesAAA ? "pass" : "FAIL", FormatDecimal(c.apca, 1),
                      HtmlHex(c.foreground) + " on " + HtmlHex(c.background));
    }
    return report;
}

std::string ElementLabel(const SchemeElement& element)
{
    return element.groupCaption.empty() ? element.caption : element.groupCaption + ": " + element.caption;
}

std::vector<SchemeConfusion> SchemeConfusions(const SchemeState& state, std::size_t style, Deficiency deficiency)
{
    std::vector<SchemeConfusion> result;
    if (style >= SchemeStyles::all().size())
        return result;
    // One entry per colour, with the elements that show it.
    std::vector<ColorValue> colors;
    std::vector<std::vector<std::size_t>> owners;
    const std::vector<ColorValue> sources = state.sourceColors(style);
    for (std::size_t element = 0; element < sources.size(); ++element) {
        const auto at = std::find(colors.begin(), colors.end(), sources[element]);
        if (at == colors.end()) {
            colors.push_back(sources[element]);
            owners.push_back({element});
        } else {
            owners[static_cast<std::size_t>(at - colors.begin())].push_back(element);
        }
    }
    for (const ConfusablePair& pair : ConfusablePairs(colors, deficiency))
        result.push_back({owners[pair.first], owners[pair.second], colors[pair.first], colors[pair.second],
                          pair.simulatedDistance});
    return result;
}

std::string ConfusionText(const SchemeStyle& style, const std::vector<SchemeConfusion>& confusions,
                          Deficiency deficiency)
{
    std::string text;
    const std::string seenWith(Deficiencies()[static_cast<std::size_t>(deficiency)].key);
    for (const SchemeConfusion& c : confusions) {
        if (!text.empty())
            text += '\n';
        text += colorList(style, c.first) + " (" + HtmlHex(c.firstColor) + ") and " + colorList(style, c.second) +
                " (" + HtmlHex(c.secondColor) + ") look alike with " + seenWith;
    }
    return text;
}

} // namespace prismara
