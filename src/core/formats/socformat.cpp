// socformat.cpp - LibreOffice colour tables: an XML document whose root element is a
// color-table (ooo:color-table, or office:color-table in older files) holding one empty
// draw:color element per colour, with the attributes draw:name and draw:color ("#RRGGBB").
// The reader is a small XML tag scanner: it needs only the elements' names and attributes, skips
// the prolog, comments, processing instructions and character data, and refuses a document whose
// tags, quotes or character references are broken.
#include "core/formats/formatcodecs.h"
#include "core/formats/formatsupport.h"

#include <cstdint>
#include <utility>

namespace prismara::formats {

namespace {

struct Attribute
{
    std::string_view name;
    std::string value; // entities replaced
};

struct Tag
{
    std::string_view name;
    std::vector<Attribute> attributes;
    bool closing = false;
};

std::string_view localName(std::string_view name)
{
    const std::size_t colon = name.rfind(':');
    return colon == std::string_view::npos ? name : name.substr(colon + 1);
}

bool isNameChar(char c)
{
    return c != ' ' && c != '\t' && c != '\r' && c != '\n' && c != '=' && c != '>' && c != '/' && c != '<' &&
           c != '"' && c != '\'';
}

void appendCodePoint(std::string& out, std::uint32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// An attribute value with its references replaced; nullopt for a broken reference.
std::optional<std::string> unescape(std::string_view raw)
{
    std::string out;
    for (std::size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] != '&') {
            out += raw[i];
            continue;
        }
        const std::size_t end = raw.find(';', i);
        if (end == std::string_view::npos || end - i > 12)
            return std::nullopt;
        const std::string_view ref = raw.substr(i + 1, end - i - 1);
        static constexpr std::pair<std::string_view, char> kNamed[] = {
            {"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"quot", '"'}, {"apos", '\''}};
        bool done = false;
        for (const auto& [entity, c] : kNamed) {
            if (ref == entity) {
                out += c;
                done = true;
            }
        }
        if (!done) {
            if (ref.size() < 2 || ref[0] != '#')
                return std::nullopt;
            std::uint32_t cp = 0;
            const bool hex = ref[1] == 'x';
            const std::string_view digits = ref.substr(hex ? 2 : 1);
            if (digits.empty())
                return std::nullopt;
            for (const char c : digits) {
                const int d = hex ? HexValue(c) : (c >= '0' && c <= '9' ? c - '0' : -1);
                if (d < 0)
                    return std::nullopt;
                cp = cp * (hex ? 16 : 10) + static_cast<std::uint32_t>(d);
                if (cp > 0x10FFFF)
                    return std::nullopt;
            }
            if (cp == 0 || (cp >= 0xD800 && cp <= 0xDFFF))
                return std::nullopt;
            appendCodePoint(out, cp);
        }
        i = end;
    }
    return out;
}

// Scans the document's tags in order. Returns an error text, empty when the document is sound.
template <typename OnTag> std::string scanTags(std::string_view text, OnTag onTag)
{
    std::size_t i = 0;
    while ((i = text.find('<', i)) != std::string_view::npos) {
        const std::string_view rest = text.substr(i);
        const auto skipTo = [&](std::string_view end) {
            const std::size_t at = text.find(end, i);
            if (at == std::string_view::npos)
                return false;
            i = at + end.size();
            return true;
        };
        if (rest.starts_with("<!--")) {
            if (!skipTo("-->"))
                return "a comment is not closed";
            continue;
        }
        if (rest.starts_with("<?")) {
            if (!skipTo("?>"))
                return "a processing instruction is not closed";
            continue;
        }
        if (rest.starts_with("<![CDATA[")) {
            if (!skipTo("]]>"))
                return "a CDATA section is not closed";
            continue;
        }
        if (rest.starts_with("<!")) {
            if (!skipTo(">"))
                return "a declaration is not closed";
            continue;
        }
        Tag tag;
        std::size_t p = i + 1;
        if (p < text.size() && text[p] == '/') {
            tag.closing = true;
            ++p;
        }
        const std::size_t nameStart = p;
        while (p < text.size() && isNameChar(text[p]))
            ++p;
        tag.name = text.substr(nameStart, p - nameStart);
        if (tag.name.empty())
            return "a tag has no name";
        for (;;) {
            while (p < text.size() && (text[p] == ' ' || text[p] == '\t' || text[p] == '\r' || text[p] == '\n'))
                ++p;
            if (p >= text.size())
                return "the tag <" + std::string(localName(tag.name).substr(0, 20)) + "> is not closed";
            if (text[p] == '>' || text.substr(p).starts_with("/>")) {
                p += text[p] == '>' ? 1 : 2;
                break;
            }
            const std::size_t attrStart = p;
            while (p < text.size() && isNameChar(text[p]))
                ++p;
            const std::string_view attrName = text.substr(attrStart, p - attrStart);
            while (p < text.size() && (text[p] == ' ' || text[p] == '\t' || text[p] == '\r' || text[p] == '\n'))
                ++p;
            if (attrName.empty() || p >= text.size() || text[p] != '=')
                return "an attribute of <" + std::string(localName(tag.name).substr(0, 20)) + "> has no value";
            ++p;
            while (p < text.size() && (text[p] == ' ' || text[p] == '\t' || text[p] == '\r' || text[p] == '\n'))
                ++p;
            if (p >= text.size() || (text[p] != '"' && text[p] != '\''))
                return "an attribute value of <" + std::string(localName(tag.name).substr(0, 20)) + "> is not quoted";
            const char quote = text[p];
            const std::size_t valueEnd = text.find(quote, p + 1);
            if (valueEnd == std::string_view::npos)
                return "an attribute value is not closed";
            auto value = unescape(text.substr(p + 1, valueEnd - p - 1));
            if (!value)
                return "an attribute value holds a broken character reference";
            tag.attributes.push_back({attrName, std::move(*value)});
            p = valueEnd + 1;
        }
        i = p;
        if (std::string error = onTag(tag); !error.empty())
            return error;
    }
    return {};
}

std::string escaped(std::string_view text)
{
    std::string out;
    for (const char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default: out += c;
        }
    }
    return out;
}

} // namespace

bool SniffSoc(std::string_view bytes)
{
    const std::string_view head = bytes.substr(0, 4096);
    return head.find("<?xml") != std::string_view::npos && head.find("color-table") != std::string_view::npos;
}

PaletteReadResult ReadSoc(std::string_view bytes)
{
    PaletteReadResult result;
    if (!IsValidUtf8(bytes)) {
        result.error = "it is not UTF-8 text";
        return result;
    }
    bool inTable = false;
    bool sawTable = false;
    const std::string error = scanTags(bytes, [&](const Tag& tag) -> std::string {
        const std::string_view local = localName(tag.name);
        if (local == "color-table") {
            inTable = !tag.closing;
            sawTable = true;
            return {};
        }
        if (!inTable || tag.closing || local != "color")
            return {};
        const std::size_t number = result.palette.entries.size() + 1;
        const Attribute* name = nullptr;
        const Attribute* color = nullptr;
        for (const Attribute& attribute : tag.attributes) {
            if (localName(attribute.name) == "name")
                name = &attribute;
            else if (localName(attribute.name) == "color")
                color = &attribute;
        }
        const std::string_view hex = color ? std::string_view(color->value) : std::string_view();
        const auto value = hex.size() == 7 && hex[0] == '#' ? ParseRgbRecord(hex.substr(1)) : std::nullopt;
        if (!value)
            return "colour " + std::to_string(number) + " has no colour of the form #RRGGBB";
        if (number > kMaxPaletteColors)
            return "it holds more than " + std::to_string(kMaxPaletteColors) + " colours";
        result.palette.entries.push_back({*value, name ? CleanName(name->value) : std::string()});
        return {};
    });
    if (error.empty() && !sawTable)
        result.error = "it holds no color-table element";
    else
        result.error = error;
    return result;
}

std::string WriteSoc(const PaletteData& palette)
{
    std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<ooo:color-table xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
                      "xmlns:draw=\"urn:oasis:names:tc:opendocument:xmlns:drawing:1.0\" "
                      "xmlns:xlink=\"http://www.w3.org/1999/xlink\" xmlns:svg=\"http://www.w3.org/2000/svg\" "
                      "xmlns:ooo=\"http://openoffice.org/2004/office\">\n";
    for (const PaletteEntry& entry : palette.entries) {
        out += "  <draw:color draw:name=\"" + escaped(CleanName(entry.name)) + "\" draw:color=\"" +
               HtmlHex(entry.color) + "\"/>\n";
    }
    out += "</ooo:color-table>\n";
    return out;
}

} // namespace prismara::formats
