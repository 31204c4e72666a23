// fileio.h - the one layer through which Prismara reads and writes its data files.
//
// Every write, flush, rename and delete of a data file goes through these functions, so that
// a test can make the Nth such operation fail (FaultInjection) and check that no file is ever
// left missing or half-written.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace prismara {

namespace fs = std::filesystem;

// Test hook: counts the mutating operations (create, write, flush, rename, remove) and makes the
// one numbered failAt (1-based) fail. failAt = 0 disables injection.
class FaultInjection
{
public:
    static void failAt(int operation);
    static void reset();
    static int count();           // operations performed since the last reset
    static bool next();           // true when the operation about to run must fail
};

// Reads the whole file; nullopt when it cannot be opened.
std::optional<std::string> ReadFile(const fs::path& path);

// Reads `size` bytes from `offset`; returns fewer at the end of the file, nullopt when the file
// cannot be opened.
std::optional<std::string> ReadRange(const fs::path& path, std::uintmax_t offset, std::size_t size);

// Size in bytes, 0 for a missing or unreadable file.
std::uintmax_t FileSize(const fs::path& path);

bool FileExists(const fs::path& path);

// Appends bytes at the end, creating the file when it does not exist. An append that fails
// part-way (a full disk) is taken back, so the file keeps exactly its old bytes.
bool AppendToFile(const fs::path& path, std::string_view bytes);

// Creates an empty file when none exists; an existing file is left as it is.
bool CreateIfMissing(const fs::path& path);

// Deletes the file; a missing file counts as success.
bool RemoveFile(const fs::path& path);

// Replaces `target` with `content` in one step: the content is written to `temp` (created anew,
// so a stale temporary never contributes), flushed to disk, closed, and renamed over `target`.
// On any failure the temporary is removed, `target` is untouched and false is returned.
bool ReplaceFile(const fs::path& target, const fs::path& temp, std::string_view content);

// The two halves of ReplaceFile, for rewrites that must prepare several files before any
// of them replaces its original.
bool WriteTempFile(const fs::path& temp, std::string_view content);
bool RenameOver(const fs::path& temp, const fs::path& target);

// Splits text into lines at CR LF, lone LF or lone CR; the last line counts only when it is
// not empty.
std::vector<std::string> SplitLines(std::string_view text);

} // namespace prismara
