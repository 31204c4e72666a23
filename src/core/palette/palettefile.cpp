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
    return CreateIfMissing(path()) ? StoreResult::success() : StoreResult::notWritten(fileName_);
}

StoreResult PaletteFile::append(std::string_view hexText) const
{
    if (!hasPlainName())
        return refusedName();
    if (hexText.size() != 1 + kRecordSize || hexText.front() != '#' ||
        !std::all_of(hexText.begin() + 1, hexText.end(), isHexDigit))
        return StoreResult::refused(fileName_, std::string("\"").append(hexText).append("\" is not a colour"));
    const std::string_view record = hexText.substr(1);

    const std::uintmax_t size = FileSize(path());
    if (size % kRecordSize == 0)
        return AppendToFile(path(), record) ? StoreResult::success() : StoreResult::notWritten(fileName_);

    // An earlier append was cut short: put the new record where the partial one starts.
    auto data = ReadFile(path());
    if (!data)
        return StoreResult::notRead(fileName_);
    data->resize(data->size() - data->size() % kRecordSize);
    data->append(record);
    if (!ReplaceFile(path(), folder_ / (fileName_ + ".tmp"), *data))
        return StoreResult::notWritten(fileName_);
    return StoreResult::success();
}

StoreResult PaletteFile::clear() const
{
    if (!hasPlainName())
        return refusedName();
    return RemoveFile(path()) ? StoreResult::success() : StoreResult::notDeleted(fileName_);
}

StoreResult PaletteFile::removeDuplicates() const
{
    if (!hasPlainName())
        return refusedName();
    if (count() <= 1)
        return StoreResult::success();
    const auto data = ReadFile(path());
    if (!data)
        return StoreResult::notRead(fileName_);
    const std::size_t n = data->size() / kRecordSize;
    std::string kept;
    kept.reserve(n * kRecordSize);
    std::unordered_set<std::uint64_t> seen;
    seen.reserve(n);
    for (std::size_t i = 0; i < n; ++i) {
        const char* record = data->data() + i * kRecordSize;
        if (seen.insert(recordKey(record)).second)
            kept.append(record, kRecordSize);
    }
    if (kept == *data)
        return StoreResult::success();
    if (!ReplaceFile(path(), folder_ / (fileName_ + ".tmp"), kept))
        return StoreResult::notWritten(fileName_);
    return StoreResult::success();
}

StoreResult PaletteFile::removeRecord(std::int32_t s) const
{
    if (!hasPlainName())
        return refusedName();
    const auto data = ReadFile(path());
    if (!data)
        return StoreResult::notRead(fileName_);
    const std::size_t n = data->size() / kRecordSize;
    if (s < 1 || static_cast<std::size_t>(s) > n)
        return StoreResult::refused(fileName_, fileName_ + " has no colour " + std::to_string(s));
    const std::size_t at = static_cast<std::size_t>(s - 1) * kRecordSize;
    std::string rest;
    rest.reserve((n - 1) * kRecordSize);
    rest.append(*data, 0, at);
    rest.append(*data, at + kRecordSize, (n - static_cast<std::size_t>(s)) * kRecordSize);
    if (!ReplaceFile(path(), folder_ / (fileName_ + ".ctm"), rest))
        return StoreResult::notWritten(fileName_);
    return StoreResult::success();
}

StoreResult AppendChartColor(const std::filesystem::path& folder, std::string_view fileName,
                             std::string_view hexText)
{
    return PaletteFile(folder, std::string(fileName)).append(hexText);
}

} // namespace prismara
