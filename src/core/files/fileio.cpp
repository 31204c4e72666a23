// fileio.cpp - data-file access with atomic replacement and fault injection.
#include "core/files/fileio.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace prismara {

namespace {
int g_failAt = 0;
int g_count = 0;

// A small RAII wrapper around a POSIX descriptor: we need fsync, which iostreams lack.
class Fd
{
public:
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd() { close(); }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }
    bool ok() const { return fd_ >= 0; }
    bool close()
    {
        if (fd_ < 0)
            return true;
        const int rc = ::close(fd_);
        fd_ = -1;
        return rc == 0;
    }

private:
    int fd_;
};

bool writeAll(int fd, std::string_view bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}
} // namespace

void FaultInjection::failAt(int operation)
{
    g_failAt = operation;
    g_count = 0;
}

void FaultInjection::reset()
{
    g_failAt = 0;
    g_count = 0;
}

int FaultInjection::count() { return g_count; }

bool FaultInjection::next()
{
    ++g_count;
    return g_failAt > 0 && g_count == g_failAt;
}

std::optional<std::string> ReadFile(const fs::path& path)
{
    Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (!fd.ok())
        return std::nullopt;
    std::string out;
    char buf[65536];
    for (;;) {
        const ssize_t n = ::read(fd.get(), buf, sizeof buf);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return std::nullopt;
        }
        if (n == 0)
            break;
        out.append(buf, static_cast<std::size_t>(n));
    }
    return out;
}

std::optional<std::string> ReadRange(const fs::path& path, std::uintmax_t offset, std::size_t size)
{
    Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (!fd.ok())
        return std::nullopt;
    std::string out(size, '\0');
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::pread(fd.get(), out.data() + done, size - done,
                                  static_cast<off_t>(offset + done));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return std::nullopt;
        }
        if (n == 0)
            break;
        done += static_cast<std::size_t>(n);
    }
    out.resize(done);
    return out;
}

std::uintmax_t FileSize(const fs::path& path)
{
    std::error_code ec;
    const auto size = fs::file_size(path, ec);
    return ec ? 0 : size;
}

bool FileExists(const fs::path& path)
{
    std::error_code ec;
    return fs::is_regular_file(path, ec);
}

bool AppendToFile(const fs::path& path, std::string_view bytes)
{
    if (FaultInjection::next())
        return false;
    Fd fd(::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644));
    if (!fd.ok())
        return false;
    struct stat before {};
    if (::fstat(fd.get(), &before) != 0)
        return false;
    if (!writeAll(fd.get(), bytes)) {
        // A write cut short (a full disk) must not leave part of a record behind.
        (void)::ftruncate(fd.get(), before.st_size);
        return false;
    }
    return fd.close();
}

bool CreateIfMissing(const fs::path& path)
{
    if (FileExists(path))
        return true;
    if (FaultInjection::next())
        return false;
    Fd fd(::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644));
    return fd.ok() && fd.close();
}

bool RemoveFile(const fs::path& path)
{
    if (FaultInjection::next())
        return false;
    if (::unlink(path.c_str()) == 0)
        return true;
    return errno == ENOENT;
}

bool WriteTempFile(const fs::path& temp, std::string_view content)
{
    // A temporary left by an interrupted rewrite is discarded, never appended to.
    if (FaultInjection::next()) {
        ::unlink(temp.c_str());
        return false;
    }
    Fd fd(::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
    if (!fd.ok())
        return false;
    bool ok = !FaultInjection::next() && writeAll(fd.get(), content);
    ok = ok && !FaultInjection::next() && ::fsync(fd.get()) == 0;
    ok = fd.close() && ok;
    if (!ok)
        ::unlink(temp.c_str());
    return ok;
}

bool RenameOver(const fs::path& temp, const fs::path& target)
{
    if (FaultInjection::next() || ::rename(temp.c_str(), target.c_str()) != 0) {
        ::unlink(temp.c_str());
        return false;
    }
    return true;
}

bool ReplaceFile(const fs::path& target, const fs::path& temp, std::string_view content)
{
    return WriteTempFile(temp, content) && RenameOver(temp, target);
}

std::vector<std::string> SplitLines(std::string_view text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            lines.emplace_back(text.substr(start, i - start));
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            start = i + 1;
        }
        ++i;
    }
    if (start < text.size())
        lines.emplace_back(text.substr(start));
    return lines;
}

} // namespace prismara
