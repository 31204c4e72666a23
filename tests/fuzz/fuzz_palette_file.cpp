// Fuzzes one palette file: counting, reading records and pages, and the three rewrites
// (Clear Duplicate Colors, Delete Selected Color, the append that replaces a partial record).
//
// Input: two bytes choosing the record to delete, one the page, three the colour to append,
// then the bytes of the palette file.
#include "fuzzsupport.h"
#include "core/palette/palettefile.h"
#include "core/palette/palettepage.h"

#include <set>

using namespace prismara;
using namespace prismara::fuzz;

namespace {

const std::string kName = "c4.rgb";

bool onlyPalette(const std::filesystem::path& folder)
{
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (entry.path().filename() != kName)
            return false;
    }
    return true;
}

std::string record(std::string_view bytes, std::size_t k) { return std::string(bytes.substr(6 * (k - 1), 6)); }

void checkReads(const PaletteFile& palette, std::string_view bytes, std::int32_t pageWanted)
{
    const auto n = static_cast<std::int32_t>(bytes.size() / 6);
    FUZZ_CHECK(palette.count() == n, "count " + std::to_string(palette.count()));
    for (std::int32_t k : {0, 1, n / 2 + 1, n, n + 1}) {
        const auto expected = k >= 1 && k <= n ? referenceRecordColor(record(bytes, static_cast<std::size_t>(k)))
                                               : std::nullopt;
        FUZZ_CHECK(palette.color(k) == expected, "colour " + std::to_string(k));
    }
    const auto all = palette.colors(-3, n + 3);
    FUZZ_CHECK(all.size() == static_cast<std::size_t>(n), "colors() size " + std::to_string(all.size()));
    for (std::size_t k = 1; k <= all.size(); ++k)
        FUZZ_CHECK(all[k - 1] == referenceRecordColor(record(bytes, k)), "colors() record " + std::to_string(k));

    const std::int32_t pages = PalettePage::pageCount(n);
    FUZZ_CHECK(pages == (n <= 0 ? 1 : (n - 1) / PalettePage::kCells + 1), "pages " + std::to_string(pages));
    for (const std::int32_t p : {1, pageWanted, pages, pages + 1}) {
        const PalettePageCells cells = palette.page(n, p);
        for (int i = 0; i < PalettePage::kCells; ++i) {
            const std::int32_t shown = n - (p - 1) * PalettePage::kCells - i;
            const std::int32_t expected = p >= 1 && shown >= 1 && shown <= n ? shown : 0;
            const PaletteCell& cell = cells[static_cast<std::size_t>(i)];
            FUZZ_CHECK(cell.record == expected, "page " + std::to_string(p) + " cell " + std::to_string(i));
            if (expected != 0)
                FUZZ_CHECK(cell.color == referenceRecordColor(record(bytes, static_cast<std::size_t>(expected))),
                           "page " + std::to_string(p) + " cell " + std::to_string(i) + " colour");
            else
                FUZZ_CHECK(!cell.color.has_value(), "empty cell with a colour");
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Input in(data, size);
    const std::uint16_t which = in.word();
    const auto pageWanted = static_cast<std::int32_t>(in.byte() % 8);
    const std::uint8_t rgb[3] = {in.byte(), in.byte(), in.byte()};
    const std::string bytes(in.rest());
    const std::size_t n = bytes.size() / 6;
    const std::string whole = bytes.substr(0, n * 6);

    const std::filesystem::path& folder = ScratchFolder::fresh();
    const std::filesystem::path file = folder / kName;
    const PaletteFile palette(folder, kName);
    put(file, bytes);
    checkReads(palette, bytes, pageWanted);
    FUZZ_CHECK(get(file) == bytes, "reading changed the file");

    // Clear Duplicate Colors keeps the first occurrence of each record, in order.
    std::string unique;
    std::set<std::string> seen;
    for (std::size_t k = 1; k <= n; ++k) {
        if (seen.insert(record(bytes, k)).second)
            unique += record(bytes, k);
    }
    FUZZ_CHECK(palette.removeDuplicates().ok(), "removeDuplicates failed");
    const std::string deduped = get(file);
    if (n <= 1) {
        FUZZ_CHECK(deduped == bytes, "a palette of one colour was changed");
    } else {
        FUZZ_CHECK(deduped.size() % 6 == 0, "length " + std::to_string(deduped.size()));
        FUZZ_CHECK(deduped == unique, "deduplicated to " + printable(deduped));
    }
    FUZZ_CHECK(onlyPalette(folder), "a temporary was left");
    FUZZ_CHECK(palette.removeDuplicates().ok() && get(file) == deduped, "a second pass changed the file");

    // Delete Selected Color on the original bytes: record s goes, the others keep their order.
    put(file, bytes);
    const auto s = static_cast<std::int32_t>(which % (n + 2)); // 0 and n + 1 are refused
    const StoreResult removed = palette.removeRecord(s);
    if (s >= 1 && static_cast<std::size_t>(s) <= n) {
        FUZZ_CHECK(removed.ok(), "removeRecord failed");
        const std::string expected = whole.substr(0, 6 * static_cast<std::size_t>(s - 1)) +
                                     whole.substr(6 * static_cast<std::size_t>(s));
        FUZZ_CHECK(get(file) == expected, "record " + std::to_string(s) + " removed to " + printable(get(file)));
    } else {
        FUZZ_CHECK(!removed.ok() && removed.file() == kName, "record " + std::to_string(s) + " accepted");
        FUZZ_CHECK(get(file) == bytes, "a refused removal changed the file");
    }
    FUZZ_CHECK(onlyPalette(folder), "a temporary was left");

    // An append always ends on a record boundary with the new record last.
    put(file, bytes);
    const std::string hex = HtmlHex(MakeColor(rgb[0], rgb[1], rgb[2]));
    FUZZ_CHECK(palette.append(hex).ok(), "append failed");
    FUZZ_CHECK(get(file) == whole + hex.substr(1), "appended to " + printable(get(file)));
    FUZZ_CHECK(palette.color(palette.count()) == MakeColor(rgb[0], rgb[1], rgb[2]), "appended colour");
    const std::string appended = get(file);
    FUZZ_CHECK(!palette.append(hex.substr(1)).ok() && get(file) == appended, "appended a text without #");
    const std::string_view text = std::string_view(bytes).substr(0, 7);
    const bool isHtmlHex = text.size() == 7 && text[0] == '#' && referenceHex6(text.substr(1)).has_value();
    FUZZ_CHECK(palette.append(text).ok() == isHtmlHex, "append of " + printable(std::string(text)));
    FUZZ_CHECK(get(file) == (isHtmlHex ? appended + std::string(text.substr(1)) : appended), "append of text");
    FUZZ_CHECK(onlyPalette(folder), "a temporary was left");
    return 0;
}
