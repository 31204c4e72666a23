// notations.h - the notations in which the current colour is copied to the clipboard, as one table.
//
// Each row is one entry of a Copy submenu of the Edit menu: the submenu, the entry's name, its
// caption rule (a label in front of the copied text) and the copied text as prefix, body and
// suffix. The Copy submenus, the copied texts and the captions all come from here: a new notation
// is a new row, a new submenu a row of kCopySubmenus.
//
// Each notation is built from the texts of the colour editors as they stand, so while the user is
// typing a command copies the half-typed text as it is. The CSS notations are the exception: they
// are worked out from the current colour (the swatch's), with CssText's rounding.
#pragma once

#include "core/colour/colorvalue.h"
#include "core/colour/cssnotation.h"

#include <string>
#include <string_view>

namespace prismara {

// The texts of the editors the notations are built from.
struct EditorTexts
{
    std::string rgb;   // txtRgb: "255,128,0"
    std::string hex;   // txtHex: "#FF8000"; only its last six characters are used
    std::string red;   // txtrh: "FF"
    std::string green; // txtgh: "80"
    std::string blue;  // txtbh: "00"
    ColorValue color = kWhite; // the current colour, for the CSS notations
};

enum class NotationBody {
    Decimal,   // the txtRgb text
    Hex6,      // the last six characters of the txtHex text
    Hex6Pairs, // those six characters as three comma-separated pairs
    BlueFirst, // txtbh, txtgh, txtrh
    RedFirst,  // txtrh, txtgh, txtbh
    Css,       // CssText of the current colour in the row's CSS notation
};

struct CopySubmenu
{
    std::string_view name;    // object name of the submenu
    std::string_view caption;
};

struct Notation
{
    std::string_view submenu;   // name of its CopySubmenu
    std::string_view menuEntry; // object name of the menu entry
    std::string_view label;     // caption only, in front of the copied text; never copied
    std::string_view prefix;
    NotationBody body;
    std::string_view suffix;
    CssNotation css = CssNotation::Rgb; // for NotationBody::Css
};

// The Copy submenus of the Edit menu, in menu order.
inline constexpr CopySubmenu kCopySubmenus[] = {
    {"mnuCopydec", "Copy DEC Format of Color"},
    {"mnuCopyhex", "Copy HEX Format of Color"},
    {"mnuCopySpecial", "Copy Special Format"},
    {"mnuCopyCss", "Copy CSS"},
};

// Every notation, in menu order within its submenu.
inline constexpr Notation kNotations[] = {
    {"mnuCopydec", "mnuCopydec1", "", "RGB(", NotationBody::Decimal, ")"},     // RGB(255,128,0)
    {"mnuCopydec", "mnuCopydec2", "", "", NotationBody::Decimal, ""},          // 255,128,0
    {"mnuCopyhex", "mnuCopyhex1", "", "#", NotationBody::Hex6, ""},            // #FF8000
    {"mnuCopyhex", "mnuCopyhex2", "", "\"#", NotationBody::Hex6, "\""},        // "#FF8000"
    {"mnuCopyhex", "mnuCopyhex3", "", "", NotationBody::Hex6, ""},             // FF8000
    {"mnuCopyhex", "mnuCopyhex4", "", "\"", NotationBody::Hex6, "\""},         // "FF8000"
    {"mnuCopyhex", "mnuCopyhex5", "", "Hex={", NotationBody::Hex6Pairs, "}"},  // Hex={FF,80,00}
    {"mnuCopySpecial", "mnuCopyCplus", "   C++: ", "0x", NotationBody::BlueFirst, ""},    // 0x0080FF
    {"mnuCopySpecial", "mnuCopyVB", "    VB: ", "&H00", NotationBody::BlueFirst, "&"},    // &H000080FF&
    {"mnuCopySpecial", "mnuCopyDelphi", "Delphi: ", "$00", NotationBody::BlueFirst, ""},  // $000080FF
    {"mnuCopySpecial", "mnuCopyJava", "  Java: ", "0x", NotationBody::RedFirst, ""},      // 0xFF8000
    {"mnuCopyCss", "mnuCopyCssRgb", "", "", NotationBody::Css, "", CssNotation::Rgb},          // rgb(255 128 0)
    {"mnuCopyCss", "mnuCopyCssHsl", "", "", NotationBody::Css, "", CssNotation::Hsl},          // hsl(30.1 100% 50%)
    {"mnuCopyCss", "mnuCopyCssLab", "", "", NotationBody::Css, "", CssNotation::Lab},          // lab(67.82 45.49 74.84)
    {"mnuCopyCss", "mnuCopyCssLch", "", "", NotationBody::Css, "", CssNotation::Lch},          // lch(67.82 87.58 58.71)
    {"mnuCopyCss", "mnuCopyCssOklab", "", "", NotationBody::Css, "", CssNotation::Oklab},      // oklab(0.73189 0.11186 0.14836)
    {"mnuCopyCss", "mnuCopyCssOklch", "", "", NotationBody::Css, "", CssNotation::Oklch},      // oklch(0.73189 0.1858 52.98)
    {"mnuCopyCss", "mnuCopyCssSrgb", "", "", NotationBody::Css, "", CssNotation::ColorSrgb},   // color(srgb 1 0.502 0)
};

// The row of a menu entry; nullptr when no notation has that entry.
const Notation* FindNotation(std::string_view menuEntry);

// The text that the notation's command puts on the clipboard.
std::string CopiedText(const Notation& notation, const EditorTexts& editors);

// The menu caption that shows the copied text: the label in front, and every "&" doubled so that
// the menu shows it rather than taking it as the access key.
std::string MenuCaption(const Notation& notation, const EditorTexts& editors);

// The caption before the first colour is shown: that of white, without the label's leading blanks.
std::string InitialMenuCaption(const Notation& notation);

} // namespace prismara
