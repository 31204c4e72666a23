// Fuzzes a style's data file: records read from any bytes, loaded into the samples, and saved
// back; a record read, loaded and saved again must give the same fields.
//
// Input: one byte choosing the style, then the bytes of the data file.
#include "fuzzsupport.h"
#include "core/scheme/schemefiles.h"
#include "core/scheme/schemestate.h"

using namespace prismara;
using namespace prismara::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Input in(data, size);
    const std::size_t styleIndex = in.byte() % SchemeStyles::all().size();
    const std::string bytes(in.rest());

    const std::filesystem::path& folder = ScratchFolder::fresh();
    const SchemeFiles files(folder, styleIndex);
    const SchemeStyle& style = files.style();
    const std::size_t length = style.recordLength;
    const std::size_t fields = style.elements.size();
    FUZZ_CHECK(length == fields * SchemeStyles::kFieldLength, "record length of " + style.stem);
    const std::size_t records = (bytes.size() + length - 1) / length; // a cut-short record counts
    if (records > 300)
        return 0;
    put(files.dataPath(), bytes);
    std::string list;
    for (std::size_t k = 1; k <= records; ++k)
        list += "\"s" + std::to_string(k) + "\"\r\n";
    put(files.listPath(), list);

    SchemeState state;
    for (std::size_t k = 1; k <= records + 1; ++k) {
        const auto record = files.readRecord(k);
        if (k > records) {
            FUZZ_CHECK(!record.has_value(), "a record beyond the end of the file");
            break;
        }
        FUZZ_CHECK(record.has_value() && record->size() == fields, "record " + std::to_string(k));
        const std::string_view raw = std::string_view(bytes).substr((k - 1) * length, length);
        for (std::size_t f = 0; f < fields; ++f) {
            const auto expected = (f + 1) * 6 <= raw.size() ? referenceHex6(raw.substr(f * 6, 6)) : std::nullopt;
            FUZZ_CHECK((*record)[f] == expected, "record " + std::to_string(k) + " field " + std::to_string(f));
            FUZZ_CHECK(!(*record)[f] || (*(*record)[f] >= 0 && *(*record)[f] <= 0xFFFFFF), "colour out of range");
        }
        FUZZ_CHECK(SchemeFiles::decodeRecord(raw, fields) == *record, "decodeRecord differs from readRecord");

        // Loading sets each element that has a colour; saving the samples gives those colours back.
        const SchemeState before = state;
        state.loadRecord(styleIndex, *record);
        const std::vector<ColorValue> sources = state.sourceColors(styleIndex);
        FUZZ_CHECK(sources.size() == fields, "source colours");
        for (std::size_t f = 0; f < fields; ++f) {
            if ((*record)[f])
                FUZZ_CHECK(sources[f] == *(*record)[f], "field " + std::to_string(f) + " not loaded");
        }
        FUZZ_CHECK(SchemeFiles::decodeRecord(SchemeFiles::encodeRecord(sources), fields) ==
                       SchemeFiles::Record(sources.begin(), sources.end()),
                   "encode/decode round trip");
        for (std::size_t other = 0; other < SchemeStyles::all().size(); ++other) {
            if (other != styleIndex)
                FUZZ_CHECK(state.looks(other) == before.looks(other), "loading changed another style");
        }
    }
    state.loadRecord(SchemeStyles::all().size(), {0}); // a style out of range changes nothing
    FUZZ_CHECK(get(files.dataPath()) == bytes && get(files.listPath()) == list, "reading changed a file");

    // Saving after the last line: the record goes where the list says, the others stay.
    const std::vector<ColorValue> colors = state.sourceColors(styleIndex);
    FUZZ_CHECK(files.save("saved", colors).ok(), "save failed");
    FUZZ_CHECK(files.readRecord(records + 1) == SchemeFiles::Record(colors.begin(), colors.end()), "saved record");
    const std::string after = get(files.dataPath());
    FUZZ_CHECK(after.size() == (records + 1) * length, "data length after save " + std::to_string(after.size()));
    const std::size_t keep = bytes.size() - bytes.size() % SchemeStyles::kFieldLength;
    FUZZ_CHECK(after.compare(0, keep, bytes, 0, keep) == 0, "a save changed earlier records");
    FUZZ_CHECK(!std::filesystem::exists(folder / SchemeFiles::kTempDataName), "a temporary was left");
    return 0;
}
