// Fuzzes a style's list file: the names read from any bytes, then a save and a delete, which
// must keep every other name with its own record.
//
// Input: one byte choosing the style, one the position to delete, one the length of the name to
// save, that many bytes of name, then the bytes of the list file.
#include "fuzzsupport.h"
#include "core/scheme/schemefiles.h"

using namespace prismara;
using namespace prismara::fuzz;

namespace {

// Record k holds the colour k in every field, so a record that moves is seen at once.
std::string dataFor(const SchemeStyle& style, std::size_t records)
{
    std::string out;
    for (std::size_t k = 1; k <= records; ++k) {
        for (std::size_t f = 0; f < style.elements.size(); ++f)
            out += BgrHex(static_cast<ColorValue>(k));
    }
    return out;
}

SchemeFiles::Record recordOf(const SchemeStyle& style, ColorValue color)
{
    return SchemeFiles::Record(style.elements.size(), color);
}

bool noTemporaries(const std::filesystem::path& folder)
{
    return !std::filesystem::exists(folder / SchemeFiles::kTempListName) &&
           !std::filesystem::exists(folder / SchemeFiles::kTempDataName);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Input in(data, size);
    const std::size_t styleIndex = in.byte() % SchemeStyles::all().size();
    const std::size_t position = in.byte();
    const std::size_t nameLength = in.byte() % 16;
    std::string answer(in.rest().substr(0, nameLength));
    const std::string list(in.rest().substr(answer.size()));

    const std::filesystem::path& folder = ScratchFolder::fresh();
    const SchemeFiles files(folder, styleIndex);
    const SchemeStyle& style = files.style();
    const std::vector<std::string> lines = referenceLines(list);
    if (lines.size() > 400)
        return 0; // long lists add nothing but time
    put(files.listPath(), list);
    put(files.dataPath(), dataFor(style, lines.size()));
    const std::string dataBytes = get(files.dataPath());

    // Each name is its line less the first and the last character.
    std::vector<std::string> names;
    for (const std::string& line : lines)
        names.push_back(line.size() < 2 ? std::string() : line.substr(1, line.size() - 2));
    FUZZ_CHECK(files.names() == names, "names of " + printable(list));
    FUZZ_CHECK(files.lineCount() == lines.size(), "line count " + std::to_string(files.lineCount()));
    for (std::size_t k = 1; k <= lines.size(); k += 1 + lines.size() / 8)
        FUZZ_CHECK(files.readRecord(k) == recordOf(style, static_cast<ColorValue>(k)), "record " + std::to_string(k));
    FUZZ_CHECK(!files.readRecord(lines.size() + 1).has_value() && !files.readRecord(0).has_value(),
               "a record beyond the data file");
    FUZZ_CHECK(get(files.listPath()) == list && get(files.dataPath()) == dataBytes, "reading changed a file");

    // Delete: the other names keep their order and their records.
    const SchemeFileResult removed = files.remove(position);
    if (position < lines.size()) {
        FUZZ_CHECK(removed.ok(), "delete failed");
        std::vector<std::string> left = names;
        left.erase(left.begin() + static_cast<std::ptrdiff_t>(position));
        FUZZ_CHECK(files.names() == left, "names after deleting " + std::to_string(position));
        std::string quotedLines;
        for (const std::string& name : left)
            quotedLines += "\"" + name + "\"\r\n";
        FUZZ_CHECK(get(files.listPath()) == quotedLines, "list after delete " + printable(get(files.listPath())));
        for (std::size_t k = 1; k <= left.size(); ++k) {
            const auto was = static_cast<ColorValue>(k <= position ? k : k + 1);
            FUZZ_CHECK(files.readRecord(k) == recordOf(style, was), "record " + std::to_string(k) + " after delete");
        }
        FUZZ_CHECK(FileSize(files.dataPath()) == left.size() * style.recordLength, "data length after delete");
        names = left;
    } else {
        FUZZ_CHECK(removed.status == SchemeFileStatus::NoSuchScheme, "deleted a position without a line");
        FUZZ_CHECK(get(files.listPath()) == list && get(files.dataPath()) == dataBytes, "a refused delete wrote");
    }
    FUZZ_CHECK(noTemporaries(folder), "a temporary was left");

    // Save: the name is the last line, its record the last record; nothing else moves.
    const auto name = SchemeFiles::nameFromAnswer(answer);
    FUZZ_CHECK(name.has_value() != answer.empty(), "cancel rule for " + printable(answer));
    if (!name)
        return 0;
    FUZZ_CHECK(name->find_first_of("\r\n") == std::string::npos && !name->empty(), "name " + printable(*name));
    const std::vector<ColorValue> colors(style.elements.size(), 0xABCDEF);
    FUZZ_CHECK(files.save(*name, colors).ok(), "save failed");
    const std::vector<std::string> saved = files.names();
    FUZZ_CHECK(saved.size() == names.size() + 1 && saved.back() == *name, "saved name read as " + printable(saved.back()));
    FUZZ_CHECK(std::equal(names.begin(), names.end(), saved.begin()), "a save changed another name");
    FUZZ_CHECK(files.readRecord(saved.size()) == recordOf(style, 0xABCDEF), "saved record");
    for (std::size_t k = 1; k < saved.size(); k += 1 + saved.size() / 8) {
        const auto was = static_cast<ColorValue>(position < lines.size() && k > position ? k + 1 : k);
        FUZZ_CHECK(files.readRecord(k) == recordOf(style, was), "record " + std::to_string(k) + " after save");
    }
    FUZZ_CHECK(noTemporaries(folder), "a temporary was left");
    return 0;
}
