// fileio.h - the one layer through which Prismara reads and writes its data files.
//
// Every read, write, flush, rename and delete of a data file goes through these functions, so
// that a test can make the Nth mutating operation fail or stop there (FaultInjection) and check
// that no file is ever left missing or half-written, and so that no data file can hang the
// program or exhaust its memory.
#pragma once

#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace prismara {

namespace fs = std::filesystem;

// Test hooks on the mutating operations (create, write, flush, rename, remove), counted from the
// last reset. failAt makes operation `operation` (1-based) fail with the system error `error`
// (EIO unless given); stopAt makes the process stop itself (SIGSTOP) just before operation
// `operation`, so that a test can kill it there. 0 disables either.
class FaultInjection
{
public:
    static void failAt(int operation, int error = 0);
    static void stopAt(int operation);
    static void reset();
    static int count(); // operations performed since the last reset
    static bool next(); // true when the operation about to run must fail (errno is set)
};

// Whole-file reads never take more than a limit: a file that is larger is refused, not read.
// The palette index, the saved-scheme lists and the settings files are small text files.
inline constexpr std::size_t kSmallFileLimit = std::size_t{1} << 20; // 1 MiB
// Every other whole-file read: palette and scheme data that a command rewrites, imported files.
inline constexpr std::size_t kWholeFileLimit = std::size_t{64} << 20; // 64 MiB

// The outcome of a file operation: success, or why it failed in the system's words ("No space
// left on device", "not a regular file"). Converts to bool (true on success).
class [[nodiscard]] FileResult
{
public:
    static FileResult success() { return FileResult(); }
    static FileResult fromErrno(int error);
    static FileResult failure(std::string reason) { return FileResult(std::move(reason), 0); }

    bool ok() const { return reason_.empty(); }
    operator bool() const { return ok(); } // NOLINT: reads as the bool these functions returned
    // Empty on success.
    const std::string& reason() const { return reason_; }
    // The file does not exist (ENOENT).
    bool missing() const { return errno_ == ENOENT; }

private:
    FileResult() = default;
    FileResult(std::string reason, int error) : reason_(std::move(reason)), errno_(error) {}
    std::string reason_;
    int errno_ = 0;
};

// Every function below opens without blocking and uses only regular files (a symbolic link
// counts as what it points to): a FIFO, a device, a socket or a folder in a data file's place is
// never read, written, truncated or deleted. Each fails with the reason instead.

// Reads the whole file into `out`, refusing a file of more than `limit` bytes.
FileResult ReadWholeFile(const fs::path& path, std::string& out, std::size_t limit = kWholeFileLimit);
// The same, nullopt on any failure.
std::optional<std::string> ReadFile(const fs::path& path, std::size_t limit = kWholeFileLimit);

// Reads `size` bytes from `offset`; returns fewer at the end of the file, nullopt when the file
// cannot be opened.
std::optional<std::string> ReadRange(const fs::path& path, std::uintmax_t offset, std::size_t size);

// Size in bytes, 0 for a missing, unreadable or not regular file.
std::uintmax_t FileSize(const fs::path& path);

// True for an existing regular file.
bool FileExists(const fs::path& path);

// Success when the path names nothing or a regular file; else why it cannot be a data file
// ("not a regular file (a FIFO)").
FileResult CheckDataFile(const fs::path& path);

// Appends bytes at the end, creating the file when it does not exist. An append that fails
// part-way (a full disk) is taken back, so the file keeps exactly its old bytes.
FileResult AppendToFile(const fs::path& path, std::string_view bytes);

// Appends one record of a file of fixed `recordSize`-byte records, creating the file when
// needed. Bytes after the last whole record (an append cut short) are overwritten, so the new
// record starts on a record boundary; the rest of the file is neither read nor copied. On
// failure the file keeps its old bytes.
FileResult AppendRecord(const fs::path& path, std::string_view record, std::size_t recordSize);

// Creates an empty file when none exists; an existing file is left as it is.
FileResult CreateIfMissing(const fs::path& path);

// Deletes the file; a missing file counts as success.
FileResult RemoveFile(const fs::path& path);

// Replaces `target` with `content` in one step: the content is written to `temp` (created anew,
// so a stale temporary never contributes), flushed to disk, closed, and renamed over `target`.
// On any failure the temporary is removed, `target` is untouched and the reason is returned.
FileResult ReplaceFile(const fs::path& target, const fs::path& temp, std::string_view content);

// The two halves of ReplaceFile, for rewrites that must prepare several files before any
// of them replaces its original.
FileResult WriteTempFile(const fs::path& temp, std::string_view content);
FileResult RenameOver(const fs::path& temp, const fs::path& target);

// Memory straight from the system, zero-filled, given back whole when the buffer goes: the
// rewrites of large palettes hold their pieces and their record sets here, so the program's
// resident size returns to where it was when they end.
class PageBuffer
{
public:
    // `populate`: every page is made at once, in one call, instead of one fault each (two, when
    // read first) when first touched: for memory that will be touched all over.
    explicit PageBuffer(std::size_t size, bool populate = false);
    ~PageBuffer();
    PageBuffer(const PageBuffer&) = delete;
    PageBuffer& operator=(const PageBuffer&) = delete;
    bool ok() const { return data_ != nullptr; }
    char* data() const { return data_; }
    std::size_t size() const { return size_; }

private:
    char* data_ = nullptr;
    std::size_t size_ = 0;
};

// A data file read piece by piece at any size, with the memory of one piece.
class PieceReader
{
public:
    PieceReader() = default;
    ~PieceReader();
    PieceReader(const PieceReader&) = delete;
    PieceReader& operator=(const PieceReader&) = delete;
    // Regular files only, as every function here.
    FileResult open(const fs::path& path);
    // The size when it was opened.
    std::uintmax_t size() const { return size_; }
    // Up to `size` bytes from `offset` into `buffer`; `got` says how many (fewer at the end).
    FileResult read(std::uintmax_t offset, char* buffer, std::size_t size, std::size_t& got) const;

private:
    int fd_ = -1;
    std::uintmax_t size_ = 0;
};

// A temporary file written piece by piece: created anew (a stale temporary never contributes),
// flushed to disk and closed by finish(); one that is not finished is removed when the writer
// goes. Counted by FaultInjection like WriteTempFile: create, write, flush.
class TempFileWriter
{
public:
    explicit TempFileWriter(fs::path temp) : temp_(std::move(temp)) {}
    ~TempFileWriter();
    TempFileWriter(const TempFileWriter&) = delete;
    TempFileWriter& operator=(const TempFileWriter&) = delete;
    FileResult create();
    FileResult write(std::string_view bytes);
    FileResult finish();
    // Removes the temporary (written or not).
    void discard();
    const fs::path& path() const { return temp_; }

private:
    fs::path temp_;
    int fd_ = -1;
    bool written_ = false;
    bool finished_ = false;
};

// Changes of one data file, one thread at a time: while one thread holds the lock for a path,
// another that asks for the same path waits until it is given back. A long rewrite that runs on
// a thread of its own holds it, so that an append from elsewhere waits for the rewrite instead
// of being lost under it.
class FileChangeLock
{
public:
    explicit FileChangeLock(const fs::path& path);
    ~FileChangeLock();
    FileChangeLock(const FileChangeLock&) = delete;
    FileChangeLock& operator=(const FileChangeLock&) = delete;

private:
    std::string key_;
};

// Splits text into lines at CR LF, lone LF or lone CR; the last line counts only when it is
// not empty.
std::vector<std::string> SplitLines(std::string_view text);

} // namespace prismara
