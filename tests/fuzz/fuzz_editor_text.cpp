// Fuzzes the text rules of the current-colour editors: any UTF-16 text as the text of txtHex,
// of a decimal box and of a hexadecimal box.
//
// Input: the text as UTF-16 code units, low byte first.
#include "core/editors/editortext.h"
#include "fuzzsupport.h"

#include <algorithm>

using namespace prismara;
using namespace prismara::fuzz;

namespace {

bool isDigit(char16_t c) { return c >= u'0' && c <= u'9'; }
bool isHexDigit(char16_t c) { return isDigit(c) || (c >= u'A' && c <= u'F') || (c >= u'a' && c <= u'f'); }

std::string show(std::u16string_view text)
{
    std::string out;
    for (const char16_t c : text) {
        if (c >= 0x20 && c < 0x7F && c != '\\') {
            out += static_cast<char>(c);
        } else {
            const char* digits = "0123456789ABCDEF";
            out += "\\u";
            for (int shift = 12; shift >= 0; shift -= 4)
                out += digits[(c >> shift) & 15];
        }
    }
    return "\"" + out + "\"";
}

// What the box's value is, the way a reader of the rules would work it out: 256 stands for any
// number above 255, -1 for a text that is not a number.
int referenceValue(std::u16string_view text, int base)
{
    long long value = 0;
    for (const char16_t c : text) {
        const bool ok = base == 10 ? isDigit(c) : isHexDigit(c);
        if (!ok)
            return -1;
        const int digit = isDigit(c) ? c - u'0' : (c >= u'a' ? c - u'a' : c - u'A') + 10;
        value = std::min(value * base + digit, 256LL);
    }
    return static_cast<int>(value);
}

void checkChannel(std::u16string_view text, int base)
{
    const ChannelTextChange change = base == 10 ? EditorText::decimalChanged(text) : EditorText::hexChannelChanged(text);
    const int value = referenceValue(text, base);
    using Action = ChannelTextChange::Action;
    const std::string what = (base == 10 ? "decimal " : "hex ") + show(text);
    if (text.empty()) {
        FUZZ_CHECK(change.action == Action::None, what);
    } else if (value < 0) {
        FUZZ_CHECK(change.action == Action::Replace && change.replacement == u"0", what);
    } else if (value > 255) {
        FUZZ_CHECK(change.action == Action::Replace && change.replacement == (base == 10 ? u"255" : u"FF"), what);
    } else {
        FUZZ_CHECK(change.action == Action::Apply && change.value == value, what);
    }
    // A repaired text is applied on its own next change, and to the same colour every time.
    if (change.action == Action::Replace) {
        const ChannelTextChange again =
            base == 10 ? EditorText::decimalChanged(change.replacement) : EditorText::hexChannelChanged(change.replacement);
        FUZZ_CHECK(again.action == Action::Apply && (again.value == 0 || again.value == 255), what + " repaired");
    }
    const int boxValue = base == 10 ? EditorText::decimalValue(text) : EditorText::hexValue(text);
    FUZZ_CHECK(boxValue == (value < 0 ? 0 : std::min(value, 255)), what + " box value");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::u16string text;
    for (std::size_t i = 0; i + 1 < size; i += 2)
        text += static_cast<char16_t>(data[i] | (data[i + 1] << 8));

    std::u16string s = text;
    std::erase(s, u'#');
    const HtmlTextChange html = EditorText::htmlChanged(text);
    FUZZ_CHECK(html.ignored == s.empty(), "txtHex " + show(text));
    if (!html.ignored) {
        FUZZ_CHECK(html.emptyBox == !std::all_of(s.begin(), s.end(), isHexDigit), "txtHex emptied " + show(text));
        // The pieces are characters 1-2, 3-4 and 5-6; an empty piece is followed only by empty ones.
        FUZZ_CHECK(html.red.size() <= 2 && html.green.size() <= 2 && html.blue.size() <= 2, "pieces of " + show(text));
        FUZZ_CHECK(html.red + html.green + html.blue == s.substr(0, 6), "pieces of " + show(text));
        FUZZ_CHECK(html.red.size() == 2 || html.green.empty(), "green before red is whole: " + show(text));
        FUZZ_CHECK(html.green.size() == 2 || html.blue.empty(), "blue before green is whole: " + show(text));
        for (const std::u16string* piece : {&html.red, &html.green, &html.blue})
            checkChannel(*piece, 16);
    } else {
        FUZZ_CHECK(!html.emptyBox && html.red.empty() && html.green.empty() && html.blue.empty(), show(text));
    }
    checkChannel(text, 10);
    checkChannel(text, 16);
    return 0;
}
