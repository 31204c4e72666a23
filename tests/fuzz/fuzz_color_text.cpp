// Fuzzes the colour-text reader: any bytes as a typed or pasted colour. A text that is read gives a
// colour in range whose CSS texts all read back as it; a text that is not gives one line of error.
//
// Input: the text as it is.
#include "core/colour/colorparse.h"
#include "core/colour/cssnotation.h"
#include "fuzzsupport.h"

using namespace prismara;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const ColorParseResult parsed = ParseColorText(text);
    if (!parsed.ok()) {
        FUZZ_CHECK(parsed.color == kBlack, parsed.error);
        FUZZ_CHECK(parsed.error.find_first_of("\r\n") == std::string::npos, "one line: " + parsed.error);
        return 0;
    }
    FUZZ_CHECK(parsed.color >= 0 && parsed.color <= kWhite, std::string(text));
    for (const CssNotationInfo& info : CssNotations()) {
        const std::string css = CssText(info.notation, parsed.color);
        FUZZ_CHECK(ParseColorText(css).color == parsed.color, css);
    }
    return 0;
}
