// editortext.h - the text rules of the current-colour editors, without the widgets.
//
// The editors hand the text of the box that changed to these functions and carry out what they
// return; texts are the boxes' own UTF-16 code units, so a pasted text is cut into pieces at the
// same places the boxes count characters.
#pragma once

#include "core/colour/colorvalue.h"

#include <string>
#include <string_view>

namespace prismara {

// What a change of txtHex does.
struct HtmlTextChange
{
    bool ignored = true;   // nothing but "#" signs (or nothing): nothing happens
    bool emptyBox = false; // a character other than "#" and a hexadecimal digit: txtHex is emptied
    // Characters 1-2, 3-4 and 5-6 of the text without its "#" signs, handed to txtrh, txtgh and
    // txtbh; an empty piece leaves its box unchanged. The pieces come from the text even when
    // the box is emptied: each channel box then applies its own rule.
    std::u16string red;
    std::u16string green;
    std::u16string blue;
};

// What a change of one channel box (txtr/txtg/txtb or txtrh/txtgh/txtbh) does.
struct ChannelTextChange
{
    enum class Action {
        None,    // the box is empty: nothing happens
        Replace, // the box's text becomes `replacement`, whose own change then applies it
        Apply,   // the colour is built from the three boxes; this box holds `value`
    };
    Action action = Action::None;
    std::u16string replacement; // "0" for a bad character; "255" (decimal) or "FF" (hex) for
                                // a number above 255
    int value = 0;              // Apply: the channel, 0-255
};

// The kinds of editor box, by the characters they hold.
enum class EditorBox {
    Html,       // txtHex: "#" and hexadecimal digits
    Decimal,    // txtr, txtg, txtb: decimal digits
    HexChannel, // txtrh, txtgh, txtbh: hexadecimal digits
    ReadOnly,   // txtRgb: shows only
};

// What a paste into a box (or, with ReadOnly, anywhere else in the window) does.
struct PasteAction
{
    enum class Kind {
        IntoBox,   // `text` is inserted at the cursor, as if typed; the box's rules then apply
        SetColour, // the clipboard holds one whole colour: it becomes the current colour
        Refuse,    // nothing changes; `reason` says why, in one sentence
    };
    Kind kind = Kind::Refuse;
    std::u16string text;
    ColorValue color = kBlack;
    std::string reason;
};

class EditorText
{
public:
    static HtmlTextChange htmlChanged(std::u16string_view text);
    static ChannelTextChange decimalChanged(std::u16string_view text);
    static ChannelTextChange hexChannelChanged(std::u16string_view text);

    // The channel a box stands for when the colour is built from the three boxes: an empty box
    // or one that is not a number counts as 0, and a value above 255 as 255 (the boxes hold at
    // most three decimal or two hexadecimal digits, so neither happens while typing).
    static int decimalValue(std::u16string_view text);
    static int hexValue(std::u16string_view text);

    // A paste of `clipboard` into `box`. Surrounding white space does not count. A channel box
    // takes a plain number that fits it (1-3 decimal or 1-2 hexadecimal digits, letters in upper
    // case); txtHex takes "#" and up to six hexadecimal digits that are not a whole colour. Else
    // the text must be one whole colour notation (ParseColorText): "#3366cc", "rgb(51 102 204)",
    // "51,102,204", "hsl(220 60% 50%)", "rebeccapurple", ...; anything else is refused.
    static PasteAction paste(EditorBox box, std::u16string_view clipboard);
};

} // namespace prismara
