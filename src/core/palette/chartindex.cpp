// chartindex.cpp - reading, repairing and rewriting the palette index.
#include "core/palette/chartindex.h"

#include "core/palette/chartkind.h"
#include "core/palette/palettenames.h"
#include "core/files/fileio.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <set>
#include <utility>

namespace prismara {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

std::string_view trimSpaces(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

// The lines RepairFile keeps.
std::vector<std::string> nonBlankLines(std::string_view text)
{
    std::vector<std::string> lines = SplitLines(text);
    std::erase_if(lines, [](const std::string& line) { return trimSpaces(line).empty(); });
    return lines;
}

std::string joinLines(const std::vector<std::string>& lines)
{
    std::string out;
    for (const std::string& line : lines) {
        out += line;
        out += kLineEnd;
    }
    return out;
}

std::string chartFileName(std::uint64_t number)
{
    return std::string("c").append(std::to_string(number)).append(".rgb");
}

const std::string kIndexName(kChartIndexFile);

const std::string kNotText = kIndexName + " is not a text file (it holds NUL bytes); it is left as it is";

bool isText(std::string_view text) { return text.find('\0') == std::string_view::npos; }

StoreResult readIndexText(const std::filesystem::path& path, std::string& text)
{
    if (const FileResult read = ReadWholeFile(path, text, kSmallFileLimit); !read)
        return StoreResult::notRead(kIndexName, read.reason());
    return StoreResult::success();
}

// The index's text for a command that rewrites it: a file that is not text (NUL bytes: UTF-16,
// binary garbage) is refused, so that no rewrite turns it into something else.
StoreResult readIndexTextToRewrite(const std::filesystem::path& path, std::string& text)
{
    if (StoreResult read = readIndexText(path, text); !read)
        return read;
    return isText(text) ? StoreResult::success() : StoreResult::refused(kIndexName, kNotText);
}

StoreResult written(const FileResult& result)
{
    return result ? StoreResult::success() : StoreResult::notWritten(kIndexName, result.reason());
}

} // namespace

ChartIndex::ChartIndex(std::filesystem::path folder) : folder_(std::move(folder)) {}

std::filesystem::path ChartIndex::path() const
{
    return folder_ / kChartIndexFile;
}

bool ChartIndex::isPlainFileName(std::string_view name)
{
    if (trimSpaces(name).empty() || name == "." || name == "..")
        return false;
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '/' || c == '\\' || byte < 0x20 || byte == 0x7F)
            return false;
    }
    return name != kChartIndexFile && name != kChartIndexTemp;
}

bool ChartIndex::isChartName(std::string_view name)
{
    return !trimSpaces(name).empty() && name.find_first_of("\r\n") == std::string_view::npos;
}

std::optional<std::uint64_t> ChartIndex::chartNumber(std::string_view file)
{
    constexpr std::string_view suffix = ".rgb";
    if (file.size() <= 1 + suffix.size() || file.front() != 'c' || !file.ends_with(suffix))
        return std::nullopt;
    const std::string_view digits = file.substr(1, file.size() - 1 - suffix.size());
    std::uint64_t number = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9')
            return std::nullopt;
    }
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (ec != std::errc() || end != digits.data() + digits.size())
        return std::nullopt;
    return number;
}

StoreResult ChartIndex::RepairFile() const
{
    std::string data;
    if (StoreResult read = readIndexTextToRewrite(path(), data); !read)
        return read;
    const std::string repaired = joinLines(nonBlankLines(data));
    if (repaired == data)
        return StoreResult::success();
    return written(ReplaceFile(path(), folder_ / kChartIndexTemp, repaired));
}

ChartList ChartIndex::read() const
{
    ChartList list;
    std::string data;
    if (StoreResult read = readIndexText(path(), data); !read) {
        list.error = read.message() + "; no palettes can be shown";
        return list;
    }
    const std::vector<std::string> lines = nonBlankLines(data);
    const std::string repaired = joinLines(lines);
    // An index that is not text is read as it is, never repaired; it is reported once, its
    // records' own faults with it.
    const bool text = isText(data);
    if (!text)
        list.warnings.push_back(kNotText);
    else if (repaired != data) {
        if (const FileResult saved = ReplaceFile(path(), folder_ / kChartIndexTemp, repaired); !saved)
            list.warnings.push_back(kIndexName + " could not be written (" + saved.reason() +
                                    "): its blank lines were not removed");
    }

    const std::size_t complete = lines.size() / 3;
    std::set<std::string> usedNames;
    std::uint64_t largest = 0;
    for (std::size_t r = 0; r < complete; ++r) {
        ChartEntry entry{lines[3 * r], lines[3 * r + 1], lines[3 * r + 2], static_cast<std::int32_t>(r + 1)};
        usedNames.insert(entry.file);
        if (const auto number = chartNumber(entry.file))
            largest = std::max(largest, *number);
        if (!isPlainFileName(entry.file)) {
            if (text)
                list.warnings.push_back("Palette record " + std::to_string(r + 1) + " of " + kIndexName +
                                        " names \"" + entry.file +
                                        "\", which is not a file of the program folder; it is ignored");
            continue;
        }
        if (ChartKindOf(entry.kind) == ChartKind::Unknown && text)
            list.warnings.push_back("Palette \"" + entry.name + "\" has the unknown kind \"" + entry.kind +
                                    "\"; it is treated as read-only");
        list.entries.push_back(std::move(entry));
    }
    if (lines.size() % 3 != 0 && text)
        list.warnings.push_back(kIndexName + " ends with an incomplete palette record; it is ignored");
    if (complete == 0)
        list.error = kIndexName + " lists no palettes";

    // The next name follows the last record's number. When the last name has no number, one
    // more than the largest number in the index is taken; and a name that another record or an
    // existing file already uses is never given out, so a new palette never inherits colours.
    constexpr std::uint64_t kLimit = std::numeric_limits<std::uint64_t>::max() / 2;
    std::uint64_t next = largest < kLimit ? largest + 1 : 1;
    if (complete > 0) {
        const auto last = chartNumber(lines[3 * (complete - 1)]);
        if (last && *last < kLimit)
            next = *last + 1;
    }
    // A names side file left without its palette must not name the new palette's colours either.
    while (usedNames.count(chartFileName(next)) != 0 || FileExists(folder_ / chartFileName(next)) ||
           FileExists(folder_ / PaletteNamesFileName(chartFileName(next))))
        ++next;
    list.newChartFile = chartFileName(next);
    return list;
}

StoreResult ChartIndex::appendRecord(std::string_view file, std::string_view name) const
{
    if (!isPlainFileName(file))
        return StoreResult::refused(kIndexName, std::string("\"").append(file).append("\" is not a palette file name"));
    if (!isChartName(name))
        return StoreResult::refused(kIndexName, std::string("\"").append(name).append("\" cannot be a palette name"));
    std::string data;
    if (StoreResult read = readIndexTextToRewrite(path(), data); !read)
        return read;

    std::string record;
    record.append(file).append(kLineEnd).append(name).append(kLineEnd).append("1").append(kLineEnd);

    std::vector<std::string> lines = nonBlankLines(data);
    if (lines.size() % 3 == 0 && joinLines(lines) == data)
        return written(AppendToFile(path(), record));

    lines.resize(lines.size() - lines.size() % 3);
    return written(ReplaceFile(path(), folder_ / kChartIndexTemp, joinLines(lines) + record));
}

StoreResult ChartIndex::DeleteChart(std::int32_t Index, std::optional<std::string_view> expectedFile) const
{
    std::string data;
    if (StoreResult read = readIndexTextToRewrite(path(), data); !read)
        return read;
    std::vector<std::string> lines = nonBlankLines(data);
    const std::size_t records = lines.size() / 3;
    if (Index < 1 || static_cast<std::size_t>(Index) > records)
        return StoreResult::refused(kIndexName,
                                    kIndexName + " has no palette record " + std::to_string(Index));
    const auto first = lines.begin() + 3 * static_cast<std::ptrdiff_t>(Index - 1);
    if (expectedFile && *first != *expectedFile)
        return StoreResult::refused(kIndexName, "palette record " + std::to_string(Index) + " of " +
                                                    kIndexName + " no longer names " +
                                                    std::string(*expectedFile));
    lines.erase(first, first + 3);
    return written(ReplaceFile(path(), folder_ / kChartIndexTemp, joinLines(lines)));
}

} // namespace prismara
