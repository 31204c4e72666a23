// palette_testutil.h - helpers shared by the palette store tests.
#pragma once

#include "core/files/fileio.h"
#include "support/tempdir.h"

#include <filesystem>
#include <set>
#include <string>

namespace prismara::test {

// The bytes of a fixture in tests/data, and of one in tests/data/palette.
inline std::string fixture(const std::string& name)
{
    const auto bytes = ReadFile(std::filesystem::path(PRISMARA_TEST_DATA_DIR) / name);
    return bytes ? *bytes : std::string("<missing fixture " + name + ">");
}
inline std::string paletteFixture(const std::string& name) { return fixture("palette/" + name); }

// The names of the files in a folder.
inline std::set<std::string> filesIn(const std::filesystem::path& folder)
{
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

// Turns "FF0000 00FF00" into the bytes of a palette file.
inline std::string records(std::string spaced)
{
    std::erase(spaced, ' ');
    return spaced;
}

// An index of three-line records "file|name|flag", one record per argument.
inline std::string indexOf(std::initializer_list<std::string> recordTexts)
{
    std::string out;
    for (const std::string& record : recordTexts) {
        std::string field;
        for (const char c : record + "|") {
            if (c == '|') {
                out += field + "\r\n";
                field.clear();
            } else {
                field += c;
            }
        }
    }
    return out;
}

} // namespace prismara::test
