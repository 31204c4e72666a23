// notations.cpp - the copied text and the caption of a notation row.
#include "core/colour/notations.h"

#include "core/colour/colorvalue.h"

#include <algorithm>

namespace prismara {

namespace {

constexpr bool submenusKnown()
{
    for (const Notation& n : kNotations) {
        bool known = false;
        for (const CopySubmenu& s : kCopySubmenus)
            known = known || s.name == n.submenu;
        if (!known)
            return false;
    }
    return true;
}
static_assert(submenusKnown(), "every notation sits in a submenu of kCopySubmenus");

std::string_view lastSix(std::string_view text)
{
    return text.size() > 6 ? text.substr(text.size() - 6) : text;
}

// Characters from..from+1 (0-based) of text; the part beyond the end of a short text is empty.
std::string_view pairAt(std::string_view text, std::size_t from)
{
    return from < text.size() ? text.substr(from, 2) : std::string_view{};
}

std::string body(NotationBody kind, const EditorTexts& editors)
{
    switch (kind) {
    case NotationBody::Decimal:
        return editors.rgb;
    case NotationBody::Hex6:
        return std::string(lastSix(editors.hex));
    case NotationBody::Hex6Pairs: {
        const std::string_view h6 = lastSix(editors.hex);
        std::string text(pairAt(h6, 0));
        text += ',';
        text += pairAt(h6, 2);
        text += ',';
        text += pairAt(h6, 4);
        return text;
    }
    case NotationBody::BlueFirst:
        return editors.blue + editors.green + editors.red;
    case NotationBody::RedFirst:
        return editors.red + editors.green + editors.blue;
    case NotationBody::Css:
        break;
    }
    return {};
}

} // namespace

const Notation* FindNotation(std::string_view menuEntry)
{
    for (const Notation& n : kNotations)
        if (n.menuEntry == menuEntry)
            return &n;
    return nullptr;
}

std::string CopiedText(const Notation& notation, const EditorTexts& editors)
{
    std::string text(notation.prefix);
    text += notation.body == NotationBody::Css ? CssText(notation.css, editors.color) : body(notation.body, editors);
    text += notation.suffix;
    return text;
}

std::string MenuCaption(const Notation& notation, const EditorTexts& editors)
{
    std::string caption(notation.label);
    for (const char c : CopiedText(notation, editors)) {
        if (c == '&')
            caption += '&';
        caption += c;
    }
    return caption;
}

std::string InitialMenuCaption(const Notation& notation)
{
    const EditorTexts white{RgbText(kWhite), HtmlHex(kWhite), RedHex(kWhite), GreenHex(kWhite), BlueHex(kWhite), kWhite};
    const std::string caption = MenuCaption(notation, white);
    return caption.substr(std::min(caption.find_first_not_of(' '), caption.size()));
}

} // namespace prismara
