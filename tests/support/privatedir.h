// privatedir.h - private temporary folders for the test and benchmark support.
//
// A folder that cannot be made ends the process with a message: the support never falls back to
// the working directory or to TMPDIR itself, so it never writes into or deletes either.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

#include <unistd.h>

namespace prismara::test {

// A new folder "prismara-<tag>-XXXXXX" of mode 0700 under TMPDIR (else /tmp).
inline std::filesystem::path makePrivateDir(const std::string& tag)
{
    std::error_code ec;
    const std::filesystem::path base = std::filesystem::temp_directory_path(ec);
    std::string templ = ec ? std::string() : (base / ("prismara-" + tag + "-XXXXXX")).string();
    if (ec || ::mkdtemp(templ.data()) == nullptr) {
        std::fprintf(stderr, "prismara test support: cannot create a private temporary folder in \"%s\": %s\n",
                     base.c_str(), (ec ? ec : std::error_code(errno, std::generic_category())).message().c_str());
        std::abort();
    }
    return templ;
}

// Removes a folder made by makePrivateDir, and nothing else (made writable first, so a test that
// took away its write permission does not leave it behind).
inline void removePrivateDir(const std::filesystem::path& dir)
{
    if (!dir.is_absolute() || dir.filename().string().rfind("prismara-", 0) != 0)
        return;
    std::error_code ec;
    std::filesystem::permissions(dir, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(dir, ec);
}

} // namespace prismara::test
