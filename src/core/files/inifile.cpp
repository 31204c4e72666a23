// inifile.cpp - INI parsing and writing.
#include "core/files/inifile.h"

#include "core/files/fileio.h"

namespace prismara {

namespace {
std::string_view trim(std::string_view s)
{
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    const auto last = s.find_last_not_of(" \t");
    return s.substr(first, last - first + 1);
}

// Keeps a written value on one line: line breaks would split it into a second entry.
std::string oneLine(std::string_view value)
{
    std::string out(value);
    for (char& c : out)
        if (c == '\r' || c == '\n')
            c = ' ';
    return out;
}
} // namespace

IniFile IniFile::parse(std::string_view text)
{
    IniFile ini;
    std::string current;
    for (const std::string& raw : SplitLines(text)) {
        const std::string_view line = trim(raw);
        if (line.empty() || line.front() == ';' || line.front() == '#')
            continue;
        if (line.front() == '[' && line.back() == ']') {
            current = std::string(trim(line.substr(1, line.size() - 2)));
            ini.section(current);
            continue;
        }
        const auto eq = line.find('=');
        if (eq == std::string_view::npos)
            continue;
        const std::string_view key = trim(line.substr(0, eq));
        if (key.empty())
            continue;
        ini.set(current, key, trim(line.substr(eq + 1)));
    }
    return ini;
}

IniFile::Section& IniFile::section(std::string_view name)
{
    for (Section& s : sections_)
        if (s.name == name)
            return s;
    sections_.push_back(Section{std::string(name), {}});
    return sections_.back();
}

std::optional<std::string> IniFile::get(std::string_view sectionName, std::string_view key) const
{
    for (const Section& s : sections_) {
        if (s.name != sectionName)
            continue;
        for (const Entry& e : s.entries)
            if (e.key == key)
                return e.value;
    }
    return std::nullopt;
}

void IniFile::set(std::string_view sectionName, std::string_view key, std::string_view value)
{
    Section& s = section(sectionName);
    for (Entry& e : s.entries) {
        if (e.key == key) {
            e.value = oneLine(value);
            return;
        }
    }
    s.entries.push_back(Entry{oneLine(key), oneLine(value)});
}

std::string IniFile::serialize() const
{
    // Keys outside any section go first: after a [section] header a reader would put them
    // into that section.
    std::string out;
    for (const Section& s : sections_) {
        if (s.name.empty()) {
            for (const Entry& e : s.entries)
                out += e.key + "=" + e.value + "\n";
        }
    }
    for (const Section& s : sections_) {
        if (s.name.empty() || s.entries.empty())
            continue;
        if (!out.empty())
            out += '\n';
        out += "[" + s.name + "]\n";
        for (const Entry& e : s.entries)
            out += e.key + "=" + e.value + "\n";
    }
    return out;
}

} // namespace prismara
