// tempdir.h - a private temporary folder for one test, removed afterwards.
#pragma once

#include "support/privatedir.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace prismara::test {

class TempDir
{
public:
    TempDir() : path_(makePrivateDir("test")) {}
    ~TempDir() { removePrivateDir(path_); }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

    void write(const std::string& name, const std::string& bytes) const
    {
        std::ofstream out(path_ / name, std::ios::binary | std::ios::trunc);
        out << bytes;
    }
    std::string read(const std::string& name) const
    {
        std::ifstream in(path_ / name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    bool exists(const std::string& name) const { return std::filesystem::exists(path_ / name); }

private:
    std::filesystem::path path_;
};

} // namespace prismara::test
