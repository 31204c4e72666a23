// inifile.h - a small, human-readable INI document: [section] groups of key=value lines.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace prismara {

class IniFile
{
public:
    // Parses INI text. Lines that are neither a [section] header nor key=value are kept out;
    // keys outside any section belong to the section "". Any line end is accepted.
    static IniFile parse(std::string_view text);

    std::optional<std::string> get(std::string_view section, std::string_view key) const;
    void set(std::string_view section, std::string_view key, std::string_view value);

    // Text with LF line ends; sections and keys in the order they were first seen.
    std::string serialize() const;

private:
    struct Entry
    {
        std::string key;
        std::string value;
    };
    struct Section
    {
        std::string name;
        std::vector<Entry> entries;
    };
    Section& section(std::string_view name);
    std::vector<Section> sections_;
};

} // namespace prismara
