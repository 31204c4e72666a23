// Fuzzes the settings file: any bytes parsed as INI text, every value read as a setting number,
// and the round trip of a save: storing one setting keeps every other value as it was.
//
// Input: one byte choosing the setting to store, four bytes of the number, then the INI text.
#include "core/files/inifile.h"
#include "core/app/settingstable.h"
#include "fuzzsupport.h"

#include <climits>
#include <map>
#include <utility>

using namespace prismara;
using namespace prismara::fuzz;

namespace {

// Optional blanks, an optional sign, decimal digits, optional blanks; within the range of int.
std::optional<int> referenceNumber(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    const std::size_t digitsFrom = i;
    long long value = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
        value = value * 10 + (text[i++] - '0');
        if (value > 1LL << 40)
            return std::nullopt;
    }
    if (i == digitsFrom)
        return std::nullopt;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    if (i != text.size())
        return std::nullopt;
    value = negative ? -value : value;
    if (value < INT_MIN || value > INT_MAX)
        return std::nullopt;
    return static_cast<int>(value);
}

// Every (section, key) -> value that a text holds, as the reader sees it.
using Values = std::map<std::pair<std::string, std::string>, std::string>;

Values valuesOf(std::string_view text)
{
    // The lines the reader takes, found again without its help: [section] and key = value,
    // blanks and tabs around each part ignored, ";" and "#" lines skipped.
    const auto trim = [](std::string_view s) {
        const auto first = s.find_first_not_of(" \t");
        if (first == std::string_view::npos)
            return std::string_view();
        return s.substr(first, s.find_last_not_of(" \t") - first + 1);
    };
    Values values;
    std::string section;
    for (const std::string& raw : referenceLines(text)) {
        const std::string_view line = trim(raw);
        if (line.empty() || line[0] == ';' || line[0] == '#')
            continue;
        if (line.front() == '[' && line.back() == ']') {
            section = std::string(trim(line.substr(1, line.size() - 2)));
            continue;
        }
        const auto eq = line.find('=');
        if (eq == std::string_view::npos || trim(line.substr(0, eq)).empty())
            continue;
        values[{section, std::string(trim(line.substr(0, eq)))}] = std::string(trim(line.substr(eq + 1)));
    }
    return values;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Input in(data, size);
    const SettingDef& def = kSettings[in.byte() % std::size(kSettings)];
    const auto number = static_cast<int>(static_cast<std::uint32_t>(in.word()) | (static_cast<std::uint32_t>(in.word()) << 16));
    const std::string_view text = in.rest();

    const IniFile ini = IniFile::parse(text);
    const Values values = valuesOf(text);
    for (const auto& [where, value] : values) {
        const auto got = ini.get(where.first, where.second);
        FUZZ_CHECK(got == value, "[" + printable(where.first) + "] " + printable(where.second) + " read as " +
                                     printable(got.value_or("<absent>")));
        FUZZ_CHECK(ParseSettingNumber(value) == referenceNumber(value), "number " + printable(value));
        if (const auto n = ParseSettingNumber(value))
            FUZZ_CHECK(ParseSettingNumber(std::to_string(*n)) == n, "number " + std::to_string(*n));
    }

    // Writing the file and reading it again gives the same values.
    const std::string written = ini.serialize();
    FUZZ_CHECK(valuesOf(written) == values, "values lost by writing " + printable(written));
    FUZZ_CHECK(IniFile::parse(written).serialize() == written, "a second write differs: " + printable(written));

    // Saving one setting changes that value only.
    IniFile saved = ini;
    const std::string section(def.section);
    const std::string key(def.key);
    saved.set(section, key, std::to_string(number));
    Values expected = values;
    expected[{section, key}] = std::to_string(number);
    const std::string savedText = saved.serialize();
    FUZZ_CHECK(valuesOf(savedText) == expected, "saving " + key + " gives " + printable(savedText));
    FUZZ_CHECK(ParseSettingNumber(IniFile::parse(savedText).get(section, key).value_or("")) == number,
               "stored number read back");
    return 0;
}
