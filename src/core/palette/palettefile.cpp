// palettefile.cpp - counting, reading, appending and rewriting one palette's colour file.
#include "core/palette/palettefile.h"

#include "core/palette/chartindex.h"
#include "core/files/fileio.h"

#include <algorithm>
#include <limits>
#include <unordered_set>
#include <utility>

namespace prismara {

namespace {

bool isHexDigit(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

// Records [first, first + n) as read; a short read (the file shrank) leaves the rest empty.
std::vector<std::optional<ColorValue>> readRecords(const std::filesystem::path& path, std::int32_t first,
                                                   std::int32_t n)
{
    std::vector<std::optional<ColorValue>> out(static_cast<std::size_t>(n));
    const auto bytes = ReadRange(path, static_cast<std::uintmax_t>(first - 1) * kRecordSize,
                                 static_cast<std::size_t>(n) * kRecordSize);
    if (!bytes)
        return out;
    const std::string_view view(*bytes);
    for (std::size_t k = 0; k < out.size() && (k + 1) * kRecordSize <= view.size(); ++k)
        out[k] = ParseRgbRecord(view.substr(k * kRecordSize, kRecordSize));
    return out;
}

// The six bytes of a record as one number: equal keys mean equal records, byte for byte.
std::uint64_t recordKey(const char* record)
{
    std::uint64_t key = 0;
    for (std::size_t j = 0; j < kRecordSize; ++j)
        key = (key << 8) | static_cast<unsigned char>(record[j]);
    return key;
}

} // namespace

PaletteFile::PaletteFile(std::filesystem::path folder, std::string fileName)
    : folder_(std::move(folder)), fileName_(std::move(fileName))
{
}

bool PaletteFile::hasPlainName() const
{
    return ChartIndex::isPlainFileName(fileName_);
}

StoreResult PaletteFile::refusedName() const
{
    return StoreResult::refused(fileName_,
                                "\"" + fileName_ + "\" is not a palette file of the program folder");
}

std::int32_t PaletteFile::count() const
{
    if (!hasPlainName())
        return 0;
    const std::uintmax_t records = FileSize(path()) / kRecordSize;
    constexpr auto kMax = static_cast<std::uintmax_t>(std::numeric_limits<std::int32_t>::max());
    return static_cast<std::int32_t>(records < kMax ? records : kMax);
}

std::optional<ColorValue> PaletteFile::color(std::int32_t k) const
{
    if (k < 1 || !hasPlainName())
        return std::nullopt;
    return readRecords(path(), k, 1).front();
}

std::vector<std::optional<ColorValue>> PaletteFile::colors(std::int32_t first, std::int32_t last) const
{
    first = std::max<std::int32_t>(first, 1);
    last = std::min(last, count());
    if (last < first)
        return {};
    return readRecords(path(), first, last - first + 1);
}

PalettePageCells PaletteFile::page(std::int32_t colorCount, std::int32_t page) const
{
    PalettePageCells cells{};
    const PalettePage::Records shown = PalettePage::records(colorCount, page);
    if (shown.empty())
        return cells;
    const auto colours = hasPlainName()
                             ? readRecords(path(), shown.first, shown.size())
                             : std::vector<std::optional<ColorValue>>(static_cast<std::size_t>(shown.size()));
    for (std::int32_t i = 0; i < shown.size(); ++i) {
        const std::int32_t record = shown.last - i;
        cells[static_cast<std::size_t>(i)] = {record,
                                              colours[static_cast<std::size_t>(record - shown.first)]};
    }
    return cells;
}

StoreResult PaletteFile::create() const
{
    if (!hasPlainName())
        return refusedName();
    const FileResult created = CreateIfMissing(path());
    return created ? StoreResult::success() : StoreResult::notWritten(fileName_, created.reason());
}

StoreResult PaletteFile::append(std::string_view hexText) const
{
    if (!hasPlainName())
        return refusedName();
    if (hexText.size() != 1 + kRecordSize || hexText.front() != '#' ||
        !std::all_of(hexText.begin() + 1, hexText.end(), isHexDigit))
        return StoreResult::refused(fileName_, std::string("\"").append(hexText).append("\" is not a colour"));
    const std::string_view record = hexText.substr(1);
    if (!FileExists(folder_ / namesFileName()))
        return appendRecord(record);

    const std::string before = ReadFile(path()).value_or(std::string());
    const std::size_t whole = before.size() - before.size() % kRecordSize;
    return changeKeepingNames(
        before, before.substr(0, whole).append(record),
        [&](std::vector<std::string>& names) {
            names.resize(whole / kRecordSize);
            names.emplace_back();
        },
        [&] { return appendRecord(record); });
}

StoreResult PaletteFile::appendRecord(std::string_view record) const
{
    // A trailing partial record (an append cut short) is overwritten in place: only the tail of
    // the file is touched, however long the palette is.
    const FileResult appended = AppendRecord(path(), record, kRecordSize);
    return appended ? StoreResult::success() : StoreResult::notWritten(fileName_, appended.reason());
}

StoreResult PaletteFile::clear() const
{
    if (!hasPlainName())
        return refusedName();
    const auto remove = [&] {
        const FileResult removed = RemoveFile(path());
        return removed ? StoreResult::success() : StoreResult::notDeleted(fileName_, removed.reason());
    };
    if (!FileExists(folder_ / namesFileName()))
        return remove();
    return changeKeepingNames(ReadFile(path()).value_or(std::string()), std::nullopt, {}, remove);
}

StoreResult PaletteFile::removeDuplicates() const
{
    if (!hasPlainName())
        return refusedName();
    if (count() <= 1)
        return StoreResult::success();
    std::string bytes;
    if (const FileResult read = ReadWholeFile(path(), bytes); !read)
        return StoreResult::notRead(fileName_, read.reason());
    const std::size_t n = bytes.size() / kRecordSize;
    std::string kept;
    kept.reserve(n * kRecordSize);
    std::unordered_set<std::uint64_t> seen;
    seen.reserve(n);
    std::vector<bool> keep(n, false);
    for (std::size_t i = 0; i < n; ++i) {
        const char* record = bytes.data() + i * kRecordSize;
        if (seen.insert(recordKey(record)).second) {
            kept.append(record, kRecordSize);
            keep[i] = true;
        }
    }
    if (kept == bytes)
        return StoreResult::success();
    return changeKeepingNames(
        bytes, kept,
        [&](std::vector<std::string>& names) {
            std::size_t out = 0;
            for (std::size_t i = 0; i < names.size(); ++i) {
                if (keep[i] && out++ != i)
                    names[out - 1] = std::move(names[i]);
            }
            names.resize(out);
        },
        [&] { return rewrite(fileName_ + ".tmp", kept); });
}

StoreResult PaletteFile::removeRecord(std::int32_t s) const
{
    if (!hasPlainName())
        return refusedName();
    std::string bytes;
    if (const FileResult read = ReadWholeFile(path(), bytes); !read)
        return StoreResult::notRead(fileName_, read.reason());
    const std::size_t n = bytes.size() / kRecordSize;
    if (s < 1 || static_cast<std::size_t>(s) > n)
        return StoreResult::refused(fileName_, fileName_ + " has no colour " + std::to_string(s));
    const std::size_t at = static_cast<std::size_t>(s - 1) * kRecordSize;
    std::string rest;
    rest.reserve((n - 1) * kRecordSize);
    rest.append(bytes, 0, at);
    rest.append(bytes, at + kRecordSize, (n - static_cast<std::size_t>(s)) * kRecordSize);
    return changeKeepingNames(
        bytes, rest,
        [&](std::vector<std::string>& names) { names.erase(names.begin() + (s - 1)); },
        [&] { return rewrite(fileName_ + ".ctm", rest); });
}

std::optional<PaletteNames> PaletteFile::names() const
{
    if (!hasPlainName())
        return std::nullopt;
    const auto side = ReadFile(folder_ / namesFileName());
    if (!side)
        return std::nullopt;
    return ParsePaletteNames(*side, ReadFile(path()).value_or(std::string()));
}

StoreResult PaletteFile::setNames(const PaletteNames& names) const
{
    if (!hasPlainName())
        return refusedName();
    const std::string bytes = ReadFile(path()).value_or(std::string());
    if (names.names.size() != bytes.size() / kRecordSize)
        return StoreResult::refused(namesFileName(), std::string(fileName_)
                                                         .append(" holds ")
                                                         .append(std::to_string(bytes.size() / kRecordSize))
                                                         .append(" colours, not ")
                                                         .append(std::to_string(names.names.size())));
    const FileResult written =
        ReplaceFile(folder_ / namesFileName(), folder_ / (namesFileName() + ".tmp"), SerializePaletteNames(names, bytes));
    return written ? StoreResult::success() : StoreResult::notWritten(namesFileName(), written.reason());
}

StoreResult PaletteFile::changeKeepingNames(std::string_view before, const std::optional<std::string>& after,
                                            const std::function<void(std::vector<std::string>&)>& edit,
                                            const std::function<StoreResult()>& change) const
{
    const std::filesystem::path side = folder_ / namesFileName();
    const std::filesystem::path temp = folder_ / (namesFileName() + ".tmp");
    const auto oldSide = ReadFile(side);
    if (!oldSide)
        return change();
    std::optional<std::string> newSide;
    if (after) {
        if (auto names = ParsePaletteNames(*oldSide, before)) {
            edit(names->names);
            newSide = SerializePaletteNames(*names, *after);
        }
    }
    if (const FileResult sideDone = newSide ? ReplaceFile(side, temp, *newSide) : RemoveFile(side); !sideDone)
        return newSide ? StoreResult::notWritten(namesFileName(), sideDone.reason())
                       : StoreResult::notDeleted(namesFileName(), sideDone.reason());
    StoreResult result = change();
    if (!result && !ReplaceFile(side, temp, *oldSide))
        (void)RemoveFile(side);
    return result;
}

StoreResult PaletteFile::rewrite(const std::string& temp, std::string_view bytes) const
{
    const FileResult written = ReplaceFile(path(), folder_ / temp, bytes);
    return written ? StoreResult::success() : StoreResult::notWritten(fileName_, written.reason());
}

StoreResult AppendChartColor(const std::filesystem::path& folder, std::string_view fileName,
                             std::string_view hexText)
{
    return PaletteFile(folder, std::string(fileName)).append(hexText);
}

} // namespace prismara
