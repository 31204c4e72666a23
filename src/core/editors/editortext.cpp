// editortext.cpp - validation and splitting of the current-colour editors' texts.
#include "core/editors/editortext.h"

#include "core/colour/colorparse.h"

#include <algorithm>

namespace prismara {

namespace {

constexpr int kMaxChannel = 255;

bool isDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

int hexDigit(char16_t c)
{
    if (isDigit(c))
        return c - u'0';
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    return -1;
}

bool isHexDigit(char16_t c) { return hexDigit(c) >= 0; }

// The number of a text of digits in `base`, saturating above 255 so no length can overflow;
// -1 when the text is empty or holds another character.
int channelNumber(std::u16string_view text, int base)
{
    if (text.empty())
        return -1;
    int value = 0;
    for (const char16_t c : text) {
        const int digit = base == 10 ? (isDigit(c) ? c - u'0' : -1) : hexDigit(c);
        if (digit < 0)
            return -1;
        value = std::min(value * base + digit, kMaxChannel + 1);
    }
    return value;
}

ChannelTextChange channelChanged(std::u16string_view text, int base)
{
    ChannelTextChange change;
    if (text.empty())
        return change;
    const int value = channelNumber(text, base);
    if (value < 0) {
        change.action = ChannelTextChange::Action::Replace;
        change.replacement = u"0";
    } else if (value > kMaxChannel) {
        // Only a decimal box can get here while typing: two hexadecimal digits never exceed 255.
        change.action = ChannelTextChange::Action::Replace;
        change.replacement = base == 10 ? u"255" : u"FF";
    } else {
        change.action = ChannelTextChange::Action::Apply;
        change.value = value;
    }
    return change;
}

int boxValue(std::u16string_view text, int base)
{
    const int value = channelNumber(text, base);
    return value < 0 ? 0 : std::min(value, kMaxChannel);
}

std::u16string_view trimmed(std::u16string_view text)
{
    auto space = [](char16_t c) { return c == u' ' || (c >= u'\t' && c <= u'\r'); };
    while (!text.empty() && space(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && space(text.back()))
        text.remove_suffix(1);
    return text;
}

std::u16string upper(std::u16string_view text)
{
    std::u16string s(text);
    for (char16_t& c : s)
        if (c >= u'a' && c <= u'f')
            c = static_cast<char16_t>(c - u'a' + u'A');
    return s;
}

// The text for the colour reader: anything beyond ASCII is no part of a colour and shows as "?".
std::string narrowed(std::u16string_view text)
{
    std::string s;
    s.reserve(text.size());
    for (const char16_t c : text)
        s += c < 0x80 ? static_cast<char>(c) : '?';
    return s;
}

// True when `text` would go into the box as typed: a plain number for a channel box, "#" and
// hexadecimal digits for txtHex, no longer than the box.
bool fitsBox(EditorBox box, std::u16string_view text)
{
    switch (box) {
    case EditorBox::Decimal:
        return text.size() <= 3 && std::all_of(text.begin(), text.end(), isDigit);
    case EditorBox::HexChannel:
        return text.size() <= 2 && std::all_of(text.begin(), text.end(), isHexDigit);
    case EditorBox::Html:
        return text.size() <= 7 &&
               std::all_of(text.begin(), text.end(), [](char16_t c) { return c == u'#' || isHexDigit(c); });
    case EditorBox::ReadOnly:
        break;
    }
    return false;
}

} // namespace

HtmlTextChange EditorText::htmlChanged(std::u16string_view text)
{
    HtmlTextChange change;
    std::u16string s;
    s.reserve(text.size());
    for (const char16_t c : text) {
        if (c != u'#')
            s += c;
    }
    if (s.empty())
        return change;
    change.ignored = false;
    change.emptyBox = !std::all_of(s.begin(), s.end(), isHexDigit);
    const std::u16string_view rest(s);
    change.red = rest.substr(0, 2);
    if (rest.size() > 2)
        change.green = rest.substr(2, 2);
    if (rest.size() > 4)
        change.blue = rest.substr(4, 2);
    return change;
}

ChannelTextChange EditorText::decimalChanged(std::u16string_view text)
{
    return channelChanged(text, 10);
}

ChannelTextChange EditorText::hexChannelChanged(std::u16string_view text)
{
    return channelChanged(text, 16);
}

int EditorText::decimalValue(std::u16string_view text) { return boxValue(text, 10); }

int EditorText::hexValue(std::u16string_view text) { return boxValue(text, 16); }

PasteAction EditorText::paste(EditorBox box, std::u16string_view clipboard)
{
    PasteAction action;
    const std::u16string_view text = trimmed(clipboard);
    if (text.empty()) {
        action.reason = "Nothing pasted: the clipboard holds no text.";
        return action;
    }
    const bool channel = box == EditorBox::Decimal || box == EditorBox::HexChannel;
    if (channel && fitsBox(box, text)) {
        action.kind = PasteAction::Kind::IntoBox;
        action.text = upper(text);
        return action;
    }
    const ColorParseResult parsed = ParseColorText(narrowed(text));
    if (parsed.ok()) {
        action.kind = PasteAction::Kind::SetColour;
        action.color = parsed.color;
    } else if (box == EditorBox::Html && fitsBox(box, text)) {
        action.kind = PasteAction::Kind::IntoBox;
        action.text = upper(text);
    } else {
        action.reason = "Nothing pasted: the clipboard holds no colour (" + parsed.error + ").";
    }
    return action;
}

} // namespace prismara
