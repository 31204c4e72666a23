// fuzzsupport.h - what the fuzz targets share: a private scratch folder, a check that stops the
// run with a message (libFuzzer then saves the input that broke the rule), and plain second
// implementations of the file rules, written for clarity, to compare the real code against.
#pragma once

#include "core/files/fileio.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>
#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

namespace prismara::fuzz {

[[noreturn]] inline void fail(const char* file, int line, const char* condition, const std::string& detail)
{
    std::fprintf(stderr, "%s:%d: rule broken: %s\n  %s\n", file, line, condition, detail.c_str());
    std::abort();
}

#define FUZZ_CHECK(condition, detail)                                                              \
    do {                                                                                           \
        if (!(condition))                                                                          \
            ::prismara::fuzz::fail(__FILE__, __LINE__, #condition, (detail));                      \
    } while (false)

// A folder of this process only, on a memory file system when there is one, emptied before
// every input and removed when the process ends.
class ScratchFolder
{
public:
    static const std::filesystem::path& path()
    {
        static ScratchFolder folder;
        return folder.path_;
    }

    // Removes every file the previous input left.
    static const std::filesystem::path& fresh()
    {
        const auto& folder = path();
        if (DIR* dir = ::opendir(folder.c_str())) {
            while (const dirent* entry = ::readdir(dir)) {
                const std::string_view name = entry->d_name;
                if (name != "." && name != "..")
                    ::unlinkat(::dirfd(dir), entry->d_name, 0);
            }
            ::closedir(dir);
        }
        return folder;
    }

private:
    ScratchFolder()
    {
        std::error_code ec;
        const std::filesystem::path base =
            std::filesystem::is_directory("/dev/shm", ec) ? std::filesystem::path("/dev/shm")
                                                          : std::filesystem::temp_directory_path();
        std::string templ = (base / "prismara-fuzz-XXXXXX").string();
        if (::mkdtemp(templ.data()) == nullptr) {
            std::perror("mkdtemp");
            std::abort();
        }
        path_ = templ;
    }
    ~ScratchFolder()
    {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }

    std::filesystem::path path_;
};

// Writes test input into the scratch folder. The file layer under test is not used for this,
// so an injected or real fault in it cannot go unnoticed.
inline void put(const std::filesystem::path& file, std::string_view bytes)
{
    std::FILE* f = std::fopen(file.c_str(), "wb");
    if (f == nullptr) {
        std::perror("fopen");
        std::abort();
    }
    if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size())
        std::abort();
    std::fclose(f);
}

inline std::string get(const std::filesystem::path& file)
{
    return ReadFile(file).value_or(std::string("<missing>"));
}

// Takes bytes off the front of the input as small numbers.
class Input
{
public:
    Input(const std::uint8_t* data, std::size_t size) : rest_(reinterpret_cast<const char*>(data), size) {}

    std::uint8_t byte()
    {
        if (rest_.empty())
            return 0;
        const auto b = static_cast<std::uint8_t>(rest_.front());
        rest_.remove_prefix(1);
        return b;
    }
    std::uint16_t word() { return static_cast<std::uint16_t>(byte() | (byte() << 8)); }
    std::string_view rest() const { return rest_; }

private:
    std::string_view rest_;
};

// Lines split at CR LF, lone CR or lone LF; a last line without its end counts when not empty.
inline std::vector<std::string> referenceLines(std::string_view text)
{
    std::vector<std::string> lines;
    std::string line;
    bool open = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(line);
            line.clear();
            open = false;
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else {
            line += c;
            open = true;
        }
    }
    if (open)
        lines.push_back(line);
    return lines;
}

inline bool referenceBlank(std::string_view line)
{
    return line.find_first_not_of(' ') == std::string_view::npos;
}

inline int referenceHexDigit(char c)
{
    const std::string_view digits = "0123456789ABCDEF";
    const std::string_view lower = "0123456789abcdef";
    if (const auto at = digits.find(c); at != std::string_view::npos)
        return static_cast<int>(at);
    if (const auto at = lower.find(c); at != std::string_view::npos)
        return static_cast<int>(at);
    return -1;
}

// Six hexadecimal digits as one number, nullopt otherwise.
inline std::optional<std::int32_t> referenceHex6(std::string_view text)
{
    if (text.size() != 6)
        return std::nullopt;
    std::int32_t value = 0;
    for (const char c : text) {
        const int d = referenceHexDigit(c);
        if (d < 0)
            return std::nullopt;
        value = value * 16 + d;
    }
    return value;
}

// A palette record "RRGGBB" as the colour value 0x00BBGGRR.
inline std::optional<std::int32_t> referenceRecordColor(std::string_view record)
{
    const auto rgb = referenceHex6(record);
    if (!rgb)
        return std::nullopt;
    const std::int32_t red = *rgb >> 16;
    const std::int32_t green = (*rgb >> 8) & 255;
    const std::int32_t blue = *rgb & 255;
    return blue * 65536 + green * 256 + red;
}

inline std::string printable(const std::string& text)
{
    std::string out = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte >= 0x7F || c == '"' || c == '\\') {
            const char* digits = "0123456789ABCDEF";
            out += "\\x";
            out += digits[byte >> 4];
            out += digits[byte & 15];
        } else {
            out += c;
        }
    }
    return out + "\"";
}

} // namespace prismara::fuzz
