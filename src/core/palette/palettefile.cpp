// palettefile.cpp - counting, reading, appending and rewriting one palette's colour file.
#include "core/palette/palettefile.h"

#include "core/palette/chartindex.h"
#include "core/files/fileio.h"

#include <algorithm>
#include <array>
#include <cstring>
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

// Records per piece of a rewrite: 1 MiB of them.
constexpr std::size_t kPieceRecords = (std::size_t{1} << 20) / kRecordSize;

// The records met so far, byte for byte. A record of six hexadecimal digits in one case (every
// record the program writes, and most that other programs write) is one bit of 2^24 in the bit
// set of its case; any other record (mixed case, bytes that are no colour) is kept in a hash set,
// and there are few of those. The bit sets take memory only where they are touched. A palette of
// few records keeps them all in one small table instead, cheaper than touching the bit sets.
class RecordSet
{
public:
    explicit RecordSet(std::uint64_t records)
        : small_(records <= kSmallRecords ? tableSize(records) : 0), upper_(small_.empty() ? kSetBytes : 0, true),
          lower_(small_.empty() ? kSetBytes : 0)
    {
    }
    bool ok() const { return !small_.empty() || (upper_.ok() && lower_.ok()); }

    // True when `record` was not in the set yet (it is now).
    bool insert(const char* record)
    {
        if (!small_.empty())
            return insertSmall(recordKey(record) | kTaken);
        unsigned value = 0;
        unsigned kinds = 0;
        for (std::size_t j = 0; j < kRecordSize; ++j) {
            const unsigned digit = kDigits[static_cast<unsigned char>(record[j])];
            kinds |= digit;
            value = (value << 4) | (digit & 15u);
        }
        kinds >>= 4;
        if (kinds == kUpper >> 4 || kinds == 0)
            return insertBit(upper_, value);
        if (kinds == kLower >> 4)
            return insertBit(lower_, value);
        return others_.insert(recordKey(record)).second;
    }

private:
    static constexpr std::size_t kSetBytes = std::size_t{1} << 21; // 2^24 bits
    static constexpr std::uint64_t kSmallRecords = 32768;
    static constexpr std::uint64_t kTaken = std::uint64_t{1} << 63; // marks a used slot of small_

    // Open addressing, at most half full (it grows when a palette that grew since it was
    // counted fills it).
    static std::size_t tableSize(std::uint64_t records)
    {
        std::size_t size = 16;
        while (size < 2 * records)
            size *= 2;
        return size;
    }
    bool insertSmall(std::uint64_t key)
    {
        const std::size_t mask = small_.size() - 1;
        for (std::size_t at = static_cast<std::size_t>((key * 0x9E3779B97F4A7C15ULL) >> 40) & mask;; at = (at + 1) & mask) {
            if (small_[at] == key)
                return false;
            if (small_[at] == 0) {
                small_[at] = key;
                if (++used_ * 2 > small_.size())
                    grow();
                return true;
            }
        }
    }
    void grow()
    {
        std::vector<std::uint64_t> old(small_.size() * 2);
        old.swap(small_);
        used_ = 0;
        for (const std::uint64_t key : old)
            if (key != 0)
                insertSmall(key);
    }
    static constexpr unsigned kUpper = 0x10, kLower = 0x20, kOther = 0x40;

    static bool insertBit(const PageBuffer& set, unsigned value)
    {
        auto& byte = reinterpret_cast<unsigned char&>(set.data()[value >> 3]);
        const auto bit = static_cast<unsigned char>(1u << (value & 7));
        if (byte & bit)
            return false;
        byte = static_cast<unsigned char>(byte | bit);
        return true;
    }

    // A byte's digit value with a mark of its kind: a decimal digit has none, an upper-case
    // letter kUpper, a lower-case letter kLower, any other byte kOther.
    static constexpr std::array<unsigned, 256> kDigits = [] {
        std::array<unsigned, 256> digits{};
        digits.fill(kOther);
        for (unsigned c = '0'; c <= '9'; ++c)
            digits[c] = c - '0';
        for (unsigned c = 'A'; c <= 'F'; ++c)
            digits[c] = (c - 'A' + 10) | kUpper;
        for (unsigned c = 'a'; c <= 'f'; ++c)
            digits[c] = (c - 'a' + 10) | kLower;
        return digits;
    }();

    std::vector<std::uint64_t> small_;
    std::size_t used_ = 0;
    PageBuffer upper_;
    PageBuffer lower_;
    std::unordered_set<std::uint64_t> others_;
};

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
    const FileChangeLock lock(path());
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
    const FileChangeLock lock(path());
    const auto remove = [&] {
        const FileResult removed = RemoveFile(path());
        return removed ? StoreResult::success() : StoreResult::notDeleted(fileName_, removed.reason());
    };
    if (!FileExists(folder_ / namesFileName()))
        return remove();
    // Clearing drops the side file: the palette's bytes are not needed for that.
    return changeKeepingNames({}, std::nullopt, {}, remove);
}

StoreResult PaletteFile::removeDuplicates(const RewriteProgress& progress) const
{
    if (!hasPlainName())
        return refusedName();
    const FileChangeLock lock(path());
    if (count() <= 1)
        return StoreResult::success();
    RecordSet seen(static_cast<std::uint64_t>(count()));
    if (!seen.ok())
        return StoreResult::notRead(fileName_, "not enough memory");
    return filterRecords(fileName_ + ".tmp", [&](std::uint64_t, const char* record) { return seen.insert(record); },
                         progress);
}

StoreResult PaletteFile::removeRecord(std::int32_t s, const RewriteProgress& progress) const
{
    if (!hasPlainName())
        return refusedName();
    const FileChangeLock lock(path());
    PieceReader reader;
    if (const FileResult opened = reader.open(path()); !opened)
        return StoreResult::notRead(fileName_, opened.reason());
    if (s < 1 || static_cast<std::uint64_t>(s) > reader.size() / kRecordSize)
        return StoreResult::refused(fileName_, fileName_ + " has no colour " + std::to_string(s));
    const auto removed = static_cast<std::uint64_t>(s - 1);
    return filterRecords(fileName_ + ".ctm", [removed](std::uint64_t record, const char*) { return record != removed; },
                         progress);
}

template <typename Keep>
StoreResult PaletteFile::filterRecords(const std::string& temp, Keep keep, const RewriteProgress& progress) const
{
    PieceReader reader;
    if (const FileResult opened = reader.open(path()); !opened)
        return StoreResult::notRead(fileName_, opened.reason());
    const std::uint64_t size = reader.size();
    const std::uint64_t records = size / kRecordSize;
    const std::filesystem::path side = folder_ / namesFileName();
    const bool named = FileExists(side);
    PageBuffer in(kPieceRecords * kRecordSize);
    PageBuffer out(kPieceRecords * kRecordSize);
    if (!in.ok() || !out.ok())
        return StoreResult::notRead(fileName_, "not enough memory");
    // For the side file: which records stay, and the checksums of the file before and after.
    std::vector<bool> stays(named ? records : 0, true);
    std::uint64_t before = kPaletteChecksumStart;
    std::uint64_t after = kPaletteChecksumStart;

    TempFileWriter writer(folder_ / temp);
    bool writing = false;
    std::size_t pending = 0; // bytes in `out` not yet written
    auto flush = [&]() -> FileResult {
        if (named)
            after = PaletteChecksum(std::string_view(out.data(), pending), after);
        const FileResult written = writer.write(std::string_view(out.data(), pending));
        pending = 0;
        return written;
    };
    auto put = [&](const char* bytes, std::size_t length) -> FileResult {
        while (length > 0) {
            const std::size_t take = std::min(length, out.size() - pending);
            std::memcpy(out.data() + pending, bytes, take);
            pending += take;
            bytes += take;
            length -= take;
            if (pending == out.size()) {
                if (const FileResult written = flush(); !written)
                    return written;
            }
        }
        return FileResult::success();
    };
    std::uint64_t scanned = 0; // records looked at so far, the progress reported
    auto cancelled = [&] { return progress && !progress(scanned, records); };
    // The records before the first one left out are copied as they are.
    auto startWriting = [&](std::uint64_t upTo) -> StoreResult {
        writing = true;
        if (const FileResult created = writer.create(); !created)
            return StoreResult::notWritten(fileName_, created.reason());
        for (std::uint64_t at = 0; at < upTo * kRecordSize;) {
            const auto length = static_cast<std::size_t>(std::min<std::uint64_t>(upTo * kRecordSize - at, out.size()));
            std::size_t got = 0;
            if (const FileResult read = reader.read(at, out.data(), length, got); !read || got != length)
                return StoreResult::notRead(fileName_, read ? "the file shrank while it was read" : read.reason());
            pending = got;
            if (const FileResult written = flush(); !written)
                return StoreResult::notWritten(fileName_, written.reason());
            at += got;
            if (cancelled())
                return StoreResult::cancelled(fileName_);
        }
        return StoreResult::success();
    };

    for (std::uint64_t offset = 0; offset < size; offset += in.size()) {
        const auto length = static_cast<std::size_t>(std::min<std::uint64_t>(size - offset, in.size()));
        std::size_t got = 0;
        if (const FileResult read = reader.read(offset, in.data(), length, got); !read || got != length)
            return StoreResult::notRead(fileName_, read ? "the file shrank while it was read" : read.reason());
        if (named)
            before = PaletteChecksum(std::string_view(in.data(), got), before);
        const std::uint64_t first = offset / kRecordSize;
        const std::size_t whole = got / kRecordSize;
        std::size_t run = 0; // the first record of this piece not yet copied
        for (std::size_t k = 0; k < whole; ++k) {
            if (keep(first + k, in.data() + k * kRecordSize))
                continue;
            if (named)
                stays[first + k] = false;
            if (!writing) {
                if (StoreResult started = startWriting(first + k); !started)
                    return started;
            } else if (const FileResult copied = put(in.data() + run * kRecordSize, (k - run) * kRecordSize); !copied) {
                return StoreResult::notWritten(fileName_, copied.reason());
            }
            run = k + 1;
        }
        if (writing) {
            if (const FileResult copied = put(in.data() + run * kRecordSize, (whole - run) * kRecordSize); !copied)
                return StoreResult::notWritten(fileName_, copied.reason());
        }
        scanned = first + whole;
        if (cancelled())
            return StoreResult::cancelled(fileName_);
    }
    if (!writing) {
        // Every record stays: only a partial record at the end makes a rewrite.
        if (size % kRecordSize == 0)
            return StoreResult::success();
        if (StoreResult started = startWriting(records); !started)
            return started;
    }
    if (pending > 0) {
        if (const FileResult written = flush(); !written)
            return StoreResult::notWritten(fileName_, written.reason());
    }
    // A cancel before the flush to disk spares the wait for it.
    if (cancelled())
        return StoreResult::cancelled(fileName_);
    if (const FileResult finished = writer.finish(); !finished)
        return StoreResult::notWritten(fileName_, finished.reason());
    // The last moment a cancel leaves everything as it was.
    if (cancelled()) {
        writer.discard();
        return StoreResult::cancelled(fileName_);
    }

    // The side file changes first; a side file out of step goes.
    std::optional<std::string> oldSide = named ? ReadFile(side) : std::nullopt;
    const std::filesystem::path sideTemp = folder_ / (namesFileName() + ".tmp");
    if (oldSide) {
        std::optional<std::string> newSide;
        if (auto names = ParsePaletteNames(*oldSide, before, static_cast<std::size_t>(records))) {
            std::size_t kept = 0;
            for (std::size_t i = 0; i < names->names.size(); ++i) {
                if (stays[i] && kept++ != i)
                    names->names[kept - 1] = std::move(names->names[i]);
            }
            names->names.resize(kept);
            newSide = SerializePaletteNames(*names, after);
        }
        if (const FileResult sideDone = newSide ? ReplaceFile(side, sideTemp, *newSide) : RemoveFile(side); !sideDone) {
            writer.discard();
            return newSide ? StoreResult::notWritten(namesFileName(), sideDone.reason())
                           : StoreResult::notDeleted(namesFileName(), sideDone.reason());
        }
    }
    if (const FileResult renamed = RenameOver(writer.path(), path()); !renamed) {
        if (oldSide && !ReplaceFile(side, sideTemp, *oldSide))
            (void)RemoveFile(side);
        return StoreResult::notWritten(fileName_, renamed.reason());
    }
    return StoreResult::success();
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
    const FileChangeLock lock(path());
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

StoreResult AppendChartColor(const std::filesystem::path& folder, std::string_view fileName,
                             std::string_view hexText)
{
    return PaletteFile(folder, std::string(fileName)).append(hexText);
}

} // namespace prismara
