// fuzzsupport.h - what the fuzz targets share: a private scratch folder and a check that stops
// the run with a message (libFuzzer then saves the input that broke the rule).
#pragma once

#include "core/files/fileio.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
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

} // namespace prismara::fuzz
