// schemecontrast.h - how the colours of a web scheme read on one another: the contrast of every
// pair its style checks (the pairs are data of the style table), "Fix Contrast" for one element,
// the contrast report of the code window, and the colours of a scheme that become hard to tell
// apart with a colour-vision deficiency.
#pragma once

#include "core/access/cvd.h"
#include "core/colour/colorvalue.h"
#include "core/scheme/schemestyles.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace prismara {

class SchemeState;

enum class ContrastLevel { AA, AAA };

// One pair as the samples show it now.
struct PairContrast
{
    const ContrastPair* pair;
    ColorValue foreground;
    ColorValue background;
    double ratio;    // WCAG 2 contrast ratio, 1-21
    double apca;     // APCA Lc of the foreground on the background
    bool passesAA;   // text 4.5:1, shapes 3:1
    bool passesAAA;  // text 7:1, shapes 3:1
};

// Every pair of the style, in the style's order; empty for a style that does not exist.
std::vector<PairContrast> SchemeContrast(const SchemeState& state, std::size_t style);

// A contrast ratio as shown: rounded down to `decimals` places, so a failing ratio never reads
// as passing (4.4999 is "4.4" at one place), trailing zeros dropped ("21", "4.5").
std::string RatioText(double ratio, int decimals);

// The short verdict of a pair: "AAA", "AA" or "✗ AA" (fails AA) for text; "3:1" or "✗ 3:1" for
// shapes.
std::string ContrastMark(const PairContrast& contrast);

// The elements whose colour a pair shows: the element that sets its foreground, then the one that
// sets its background (none for the page).
std::vector<std::size_t> PairElements(const SchemeStyle& style, const ContrastPair& pair);

// Per element of the style (element order): whether it takes part in a pair that fails AA.
std::vector<bool> FailingElements(const SchemeState& state, std::size_t style);

// Whether the element takes part in any pair, so that Fix Contrast can work on it.
bool ElementHasPairs(std::size_t style, std::size_t element);

// "Fix Contrast": the colour the element takes so that every pair it takes part in meets `level`
// against the colours the other samples show now. Its OKLCH lightness moves by the least amount
// that does it, up or down; its OKLCH hue and chroma stay where the sRGB gamut allows. The
// element's own colour when every pair already passes; nullopt when the element takes part in no
// pair or no lightness passes them all (say AAA against a mid grey).
std::optional<ColorValue> FixElementContrast(const SchemeState& state, std::size_t style, std::size_t element,
                                             ContrastLevel level);

// The contrast report of a style, as a table for a fixed-width font: a heading line, a line of
// column heads, then one line per pair with its ratio, its AA and AAA verdicts ("pass", "FAIL"),
// its APCA Lc and its two colours. Lines joined by CR LF, none after the last.
std::string ContrastReport(const SchemeState& state, std::size_t style);

// The name of an element for messages: its caption, after its group's caption where it has one
// ("Normal link", "Header: Text").
std::string ElementLabel(const SchemeElement& element);

// Two colours of a scheme that are told apart with normal vision but not as simulated.
struct SchemeConfusion
{
    std::vector<std::size_t> first;   // the elements that show the first colour
    std::vector<std::size_t> second;  // ... and the second
    ColorValue firstColor;
    ColorValue secondColor;
    double simulatedDistance;         // deltaE OK as simulated, below kHardToTellApart
};

// The element colours of the style that become hard to tell apart with the deficiency (at full
// severity), closest first. Elements of one colour count once.
std::vector<SchemeConfusion> SchemeConfusions(const SchemeState& state, std::size_t style, Deficiency deficiency);

// One line per confusion: "Normal link (#0000FF) and Visited link (#800080) look alike with
// protanopia". Empty when there is none. Lines joined by LF.
std::string ConfusionText(const SchemeStyle& style, const std::vector<SchemeConfusion>& confusions,
                          Deficiency deficiency);

} // namespace prismara
