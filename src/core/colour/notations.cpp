// notations.cpp - the copy notations as one table: label, prefix, body and suffix of each.
#include "core/colour/notations.h"

#include <cassert>

namespace prismara {

namespace {

enum class Body {
    Decimal,   // the txtRgb text
    Hex6,      // the last six characters of the txtHex text
    Hex6Pairs, // those six characters as three comma-separated pairs
    BlueFirst, // txtbh, txtgh, txtrh
    RedFirst,  // txtrh, txtgh, txtbh
};

struct Recipe
{
    std::string_view label; // caption only, never copied
    std::string_view prefix;
    Body body;
    std::string_view suffix;
};

constexpr std::array<CopyNotationInfo, kCopyNotationCount> kNotations{{
    {CopyNotation::Dec1, "mnuCopydec1", "RGB(255,255,255)"},
    {CopyNotation::Dec2, "mnuCopydec2", "255,255,255"},
    {CopyNotation::Hex1, "mnuCopyhex1", "#FFFFFF"},
    {CopyNotation::Hex2, "mnuCopyhex2", "\"#FFFFFF\""},
    {CopyNotation::Hex3, "mnuCopyhex3", "FFFFFF"},
    {CopyNotation::Hex4, "mnuCopyhex4", "\"FFFFFF\""},
    {CopyNotation::Hex5, "mnuCopyhex5", "Hex={FF,FF,FF}"},
    {CopyNotation::CPlus, "mnuCopyCplus", "C++: 0xFFFFFF"},
    {CopyNotation::VB, "mnuCopyVB", "VB: &&H00FFFFFF&&"},
    {CopyNotation::Delphi, "mnuCopyDelphi", "Delphi: $00FFFFFF"},
    {CopyNotation::Java, "mnuCopyJava", "Java: 0xFFFFFF"},
}};

constexpr std::array<Recipe, kCopyNotationCount> kRecipes{{
    {"", "RGB(", Body::Decimal, ")"},
    {"", "", Body::Decimal, ""},
    {"", "#", Body::Hex6, ""},
    {"", "\"#", Body::Hex6, "\""},
    {"", "", Body::Hex6, ""},
    {"", "\"", Body::Hex6, "\""},
    {"", "Hex={", Body::Hex6Pairs, "}"},
    {"   C++: ", "0x", Body::BlueFirst, ""},
    {"    VB: ", "&H00", Body::BlueFirst, "&"},
    {"Delphi: ", "$00", Body::BlueFirst, ""},
    {"  Java: ", "0x", Body::RedFirst, ""},
}};

constexpr bool tableInMenuOrder()
{
    for (std::size_t i = 0; i < kNotations.size(); ++i)
        if (static_cast<std::size_t>(kNotations[i].notation) != i)
            return false;
    return true;
}
static_assert(tableInMenuOrder());

std::string_view lastSix(std::string_view text)
{
    return text.size() > 6 ? text.substr(text.size() - 6) : text;
}

// Characters from..from+1 (0-based) of text; the part beyond the end of a short text is empty.
std::string_view pairAt(std::string_view text, std::size_t from)
{
    return from < text.size() ? text.substr(from, 2) : std::string_view{};
}

std::string body(Body kind, const EditorTexts& editors)
{
    switch (kind) {
    case Body::Decimal:
        return editors.rgb;
    case Body::Hex6:
        return std::string(lastSix(editors.hex));
    case Body::Hex6Pairs: {
        const std::string_view h6 = lastSix(editors.hex);
        std::string text(pairAt(h6, 0));
        text += ',';
        text += pairAt(h6, 2);
        text += ',';
        text += pairAt(h6, 4);
        return text;
    }
    case Body::BlueFirst:
        return editors.blue + editors.green + editors.red;
    case Body::RedFirst:
        return editors.red + editors.green + editors.blue;
    }
    return {};
}

const Recipe& recipeOf(CopyNotation notation)
{
    assert(static_cast<std::size_t>(notation) < kRecipes.size());
    return kRecipes[static_cast<std::size_t>(notation)];
}

} // namespace

const std::array<CopyNotationInfo, kCopyNotationCount>& CopyNotations()
{
    return kNotations;
}

std::string copiedText(CopyNotation notation, const EditorTexts& editors)
{
    const Recipe& recipe = recipeOf(notation);
    std::string text(recipe.prefix);
    text += body(recipe.body, editors);
    text += recipe.suffix;
    return text;
}

std::string menuCaption(CopyNotation notation, const EditorTexts& editors)
{
    std::string caption(recipeOf(notation).label);
    for (const char c : copiedText(notation, editors)) {
        if (c == '&')
            caption += '&';
        caption += c;
    }
    return caption;
}

} // namespace prismara
