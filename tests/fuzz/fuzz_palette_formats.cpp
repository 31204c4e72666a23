// Fuzzes every palette format reader (and the detection in front of them), every writer on what
// was read, and the names side file.
//
// Input: one byte choosing a reader of the format table, or detection by content for the values
// past the table; then the bytes of the file.
// Rules: a refused file gives a message and no colours; a read palette holds valid colours and
// clean UTF-8 names; whatever was read, every writer writes, and its own reader reads the same
// colours back (and the same names where the format keeps them); the side file written for the
// names reads back unchanged, and the side file parser takes any bytes.
#include "fuzzsupport.h"
#include "core/formats/paletteformat.h"
#include "core/palette/palettefile.h"
#include "core/palette/palettenames.h"

using namespace prismara;
using namespace prismara::fuzz;

namespace {

bool cleanUtf8(std::string_view text)
{
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t n = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
        if (n == 0 || i + n > text.size() || lead < 0x20 || lead == 0x7F || lead > 0xF4)
            return false;
        for (std::size_t k = 1; k < n; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80)
                return false;
        i += n;
    }
    return true;
}

std::string colors(const PaletteData& palette)
{
    std::string out;
    for (const PaletteEntry& entry : palette.entries)
        out += HtmlHex(entry.color);
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Input in(data, size);
    const std::span<const PaletteFormat> table = PaletteFormats();
    const std::size_t choice = in.byte() % (table.size() + 1);
    const std::string_view bytes = in.rest();
    const PaletteReadResult read = choice < table.size() ? table[choice].read(bytes) : ReadPalette("fuzz", bytes);

    if (!read.ok()) {
        FUZZ_CHECK(read.palette.entries.empty(), "a refused file gave colours: " + read.error);
        return 0;
    }
    const PaletteData& palette = read.palette;
    FUZZ_CHECK(palette.entries.size() <= kMaxPaletteColors, "too many colours");
    FUZZ_CHECK(cleanUtf8(palette.name), "palette name " + printable(palette.name));
    for (const PaletteEntry& entry : palette.entries) {
        FUZZ_CHECK(entry.color >= 0 && entry.color <= 0xFFFFFF, "colour " + std::to_string(entry.color));
        FUZZ_CHECK(cleanUtf8(entry.name), "colour name " + printable(entry.name));
    }

    for (const PaletteFormat& format : table) {
        if (!format.write || (format.maxColors != 0 && palette.entries.size() > format.maxColors))
            continue;
        const std::string written = WritePalette(format, palette);
        const PaletteReadResult back = format.read(written);
        const std::string what = std::string(format.id) + " of " + printable(std::string(bytes.substr(0, 64)));
        FUZZ_CHECK(back.ok(), what + ": " + back.error);
        FUZZ_CHECK(colors(back.palette) == colors(palette), what + ": other colours");
        if (format.naming == ExportNaming::Kept) {
            const std::vector<std::string> names = ExportNames(palette, format.naming);
            for (std::size_t i = 0; i < names.size(); ++i)
                FUZZ_CHECK(back.palette.entries[i].name == names[i], what + ": name " + printable(names[i]));
        }
    }

    PaletteNames names{palette.name, {}};
    std::string records;
    for (const PaletteEntry& entry : palette.entries) {
        names.names.push_back(entry.name);
        records += HtmlHex(entry.color).substr(1);
    }
    FUZZ_CHECK(ParsePaletteNames(SerializePaletteNames(names, records), records) == names, "side file round trip");
    (void)ParsePaletteNames(bytes, records);
    return 0;
}
