// fileio.cpp - data-file access with atomic replacement and fault injection.
#include "core/files/fileio.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <condition_variable>
#include <mutex>
#include <set>
#include <utility>

namespace prismara {

namespace {
int g_failAt = 0;
int g_failErrno = EIO;
int g_stopAt = 0;
int g_count = 0;

// A small RAII wrapper around a POSIX descriptor: we need fsync, pread and ftruncate.
class Fd
{
public:
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd() { close(); }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }
    bool ok() const { return fd_ >= 0; }
    void reset(int fd)
    {
        close();
        fd_ = fd;
    }
    // Gives up the descriptor without closing it.
    int release() { return std::exchange(fd_, -1); }
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

// Opens never wait (a FIFO without a writer, a device) and never make a terminal ours.
constexpr int kOpenFlags = O_CLOEXEC | O_NONBLOCK | O_NOCTTY;

const char* kindOf(mode_t mode)
{
    if (S_ISDIR(mode))
        return "a folder";
    if (S_ISFIFO(mode))
        return "a FIFO";
    if (S_ISCHR(mode))
        return "a character device";
    if (S_ISBLK(mode))
        return "a block device";
    if (S_ISSOCK(mode))
        return "a socket";
    return "not a file";
}

FileResult notRegular(mode_t mode)
{
    return FileResult::failure(std::string("not a regular file (") + kindOf(mode) + ")");
}

// The errno of the failure just seen, kept across the clean-up calls that follow it.
FileResult lastError()
{
    return FileResult::fromErrno(errno);
}

// Refuses a path that exists and is not a regular file, before anything opens it.
FileResult checkBeforeOpen(const fs::path& path)
{
    struct stat st
    {
    };
    if (::stat(path.c_str(), &st) != 0)
        return errno == ENOENT ? FileResult::success() : lastError();
    return S_ISREG(st.st_mode) ? FileResult::success() : notRegular(st.st_mode);
}

// What was opened must be a regular file (the path may have changed since it was checked).
FileResult checkOpened(const Fd& fd, struct stat* out = nullptr)
{
    struct stat st
    {
    };
    if (::fstat(fd.get(), &st) != 0)
        return lastError();
    if (!S_ISREG(st.st_mode))
        return notRegular(st.st_mode);
    if (out)
        *out = st;
    return FileResult::success();
}

FileResult openRegular(const fs::path& path, int flags, Fd& fd, struct stat* st = nullptr)
{
    if (FileResult checked = checkBeforeOpen(path); !checked)
        return checked;
    fd.reset(::open(path.c_str(), flags | kOpenFlags, 0644));
    if (!fd.ok())
        return lastError();
    return checkOpened(fd, st);
}

bool writeAll(int fd, std::string_view bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR || errno == EAGAIN)
                continue;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

bool pwriteAll(int fd, std::string_view bytes, off_t offset)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n =
            ::pwrite(fd, bytes.data() + done, bytes.size() - done, offset + static_cast<off_t>(done));
        if (n < 0) {
            if (errno == EINTR || errno == EAGAIN)
                continue;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// Reads into `data` from the descriptor at `offset` until `size` bytes or the end of the file;
// `done` is the count read.
bool preadAll(int fd, char* data, std::size_t size, std::uintmax_t offset, std::size_t& done)
{
    done = 0;
    while (done < size) {
        const ssize_t n = ::pread(fd, data + done, size - done, static_cast<off_t>(offset + done));
        if (n < 0) {
            if (errno == EINTR || errno == EAGAIN)
                continue;
            return false;
        }
        if (n == 0)
            break;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// Reads the descriptor from its start to the end of the file, at most `most` bytes. The buffer
// starts at the size fstat gave, which is only a first guess (the file may grow meanwhile), and
// grows with what is read.
bool preadToEnd(int fd, std::string& out, std::size_t expected, std::size_t most)
{
    std::size_t want = std::min(expected + 1, most);
    std::size_t have = 0;
    for (;;) {
        out.resize(want);
        std::size_t done = 0;
        if (!preadAll(fd, out.data() + have, want - have, have, done))
            return false;
        have += done;
        if (have < want || want == most)
            break;
        want = std::min(want * 2, most);
    }
    out.resize(have);
    return true;
}

// Reads from the descriptor at `offset` until `size` bytes or the end of the file.
bool preadUpTo(int fd, std::string& out, std::size_t size, std::uintmax_t offset)
{
    out.resize(size);
    std::size_t done = 0;
    const bool read = preadAll(fd, out.data(), size, offset, done);
    out.resize(done);
    return read;
}

std::string byteCount(std::size_t bytes)
{
    if (bytes % (std::size_t{1} << 20) == 0)
        return std::to_string(bytes >> 20) + " MiB";
    return std::to_string(bytes) + " bytes";
}
} // namespace

FileResult FileResult::fromErrno(int error)
{
    if (error == 0)
        error = EIO;
    return FileResult(std::strerror(error), error);
}

void FaultInjection::failAt(int operation, int error)
{
    g_failAt = operation;
    g_failErrno = error != 0 ? error : EIO;
    g_count = 0;
}

void FaultInjection::stopAt(int operation)
{
    g_stopAt = operation;
    g_count = 0;
}

void FaultInjection::reset()
{
    g_failAt = 0;
    g_failErrno = EIO;
    g_stopAt = 0;
    g_count = 0;
}

int FaultInjection::count()
{
    return g_count;
}

bool FaultInjection::next()
{
    ++g_count;
    if (g_stopAt > 0 && g_count == g_stopAt)
        ::raise(SIGSTOP);
    if (g_failAt > 0 && g_count == g_failAt) {
        errno = g_failErrno;
        return true;
    }
    return false;
}

FileResult ReadWholeFile(const fs::path& path, std::string& out, std::size_t limit)
{
    out.clear();
    Fd fd(-1);
    struct stat st
    {
    };
    if (FileResult opened = openRegular(path, O_RDONLY, fd, &st); !opened)
        return opened;
    const auto tooLarge = [&] {
        return FileResult::failure("larger than " + byteCount(limit) + ", the most this file may hold");
    };
    if (static_cast<std::uintmax_t>(st.st_size) > limit)
        return tooLarge();
    // One byte more than the limit tells a file grown past it since fstat.
    if (!preadToEnd(fd.get(), out, static_cast<std::size_t>(st.st_size), limit + 1)) {
        out.clear();
        return lastError();
    }
    if (out.size() > limit) {
        out.clear();
        return tooLarge();
    }
    return FileResult::success();
}

std::optional<std::string> ReadFile(const fs::path& path, std::size_t limit)
{
    std::string out;
    if (!ReadWholeFile(path, out, limit))
        return std::nullopt;
    return out;
}

std::optional<std::string> ReadRange(const fs::path& path, std::uintmax_t offset, std::size_t size)
{
    Fd fd(-1);
    if (!openRegular(path, O_RDONLY, fd))
        return std::nullopt;
    std::string out;
    if (!preadUpTo(fd.get(), out, size, offset))
        return std::nullopt;
    return out;
}

std::uintmax_t FileSize(const fs::path& path)
{
    struct stat st
    {
    };
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return 0;
    return static_cast<std::uintmax_t>(st.st_size);
}

bool FileExists(const fs::path& path)
{
    struct stat st
    {
    };
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

FileResult CheckDataFile(const fs::path& path)
{
    return checkBeforeOpen(path);
}

FileResult AppendToFile(const fs::path& path, std::string_view bytes)
{
    if (FaultInjection::next())
        return lastError();
    Fd fd(-1);
    struct stat before
    {
    };
    if (FileResult opened = openRegular(path, O_WRONLY | O_APPEND | O_CREAT, fd, &before); !opened)
        return opened;
    if (!writeAll(fd.get(), bytes)) {
        const FileResult failed = lastError();
        // A write cut short (a full disk) must not leave part of a record behind.
        (void)::ftruncate(fd.get(), before.st_size);
        return failed;
    }
    return fd.close() ? FileResult::success() : lastError();
}

FileResult AppendRecord(const fs::path& path, std::string_view record, std::size_t recordSize)
{
    if (FaultInjection::next())
        return lastError();
    Fd fd(-1);
    struct stat before
    {
    };
    if (FileResult opened = openRegular(path, O_RDWR | O_CREAT, fd, &before); !opened)
        return opened;
    const auto size = static_cast<std::uintmax_t>(before.st_size);
    const std::uintmax_t boundary = recordSize == 0 ? size : size - size % recordSize;
    // The bytes of a partial record are kept aside so that a failed write can put them back.
    std::string tail;
    if (boundary < size && !preadUpTo(fd.get(), tail, static_cast<std::size_t>(size - boundary), boundary))
        return lastError();
    if (!pwriteAll(fd.get(), record, static_cast<off_t>(boundary)) ||
        (boundary + record.size() < size &&
         ::ftruncate(fd.get(), static_cast<off_t>(boundary + record.size())) != 0)) {
        const FileResult failed = lastError();
        (void)::ftruncate(fd.get(), static_cast<off_t>(boundary));
        (void)pwriteAll(fd.get(), tail, static_cast<off_t>(boundary));
        return failed;
    }
    return fd.close() ? FileResult::success() : lastError();
}

FileResult CreateIfMissing(const fs::path& path)
{
    if (FileResult checked = checkBeforeOpen(path); !checked)
        return checked;
    if (FileExists(path))
        return FileResult::success();
    if (FaultInjection::next())
        return lastError();
    Fd fd(-1);
    if (FileResult opened = openRegular(path, O_WRONLY | O_CREAT, fd); !opened)
        return opened;
    return fd.close() ? FileResult::success() : lastError();
}

FileResult RemoveFile(const fs::path& path)
{
    if (FileResult checked = checkBeforeOpen(path); !checked)
        return checked;
    if (FaultInjection::next())
        return lastError();
    if (::unlink(path.c_str()) == 0 || errno == ENOENT)
        return FileResult::success();
    return lastError();
}

FileResult WriteTempFile(const fs::path& temp, std::string_view content)
{
    // A temporary left by an interrupted rewrite is discarded, never appended to; whatever has
    // its name (a link, a FIFO) is replaced by a new file, never written through.
    if (FaultInjection::next()) {
        const FileResult failed = lastError();
        ::unlink(temp.c_str());
        return failed;
    }
    if (::unlink(temp.c_str()) != 0 && errno != ENOENT)
        return lastError();
    Fd fd(::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | kOpenFlags, 0644));
    if (!fd.ok())
        return lastError();
    FileResult result = FileResult::success();
    if (FaultInjection::next() || !writeAll(fd.get(), content))
        result = lastError();
    else if (FaultInjection::next() || ::fsync(fd.get()) != 0)
        result = lastError();
    if (!fd.close() && result)
        result = lastError();
    if (!result)
        ::unlink(temp.c_str());
    return result;
}

FileResult RenameOver(const fs::path& temp, const fs::path& target)
{
    FileResult result = checkBeforeOpen(target);
    if (result && (FaultInjection::next() || ::rename(temp.c_str(), target.c_str()) != 0))
        result = lastError();
    if (!result)
        ::unlink(temp.c_str());
    return result;
}

FileResult ReplaceFile(const fs::path& target, const fs::path& temp, std::string_view content)
{
    // A target that is not a regular file is refused before anything is written.
    if (FileResult checked = checkBeforeOpen(target); !checked)
        return checked;
    if (FileResult written = WriteTempFile(temp, content); !written)
        return written;
    return RenameOver(temp, target);
}

PageBuffer::PageBuffer(std::size_t size, bool populate) : size_(size)
{
    if (size == 0)
        return;
    const int flags = MAP_PRIVATE | MAP_ANONYMOUS | (populate ? MAP_POPULATE : 0);
    void* mapped = ::mmap(nullptr, size, PROT_READ | PROT_WRITE, flags, -1, 0);
    if (mapped == MAP_FAILED) {
        size_ = 0;
        return;
    }
    data_ = static_cast<char*>(mapped);
}

PageBuffer::~PageBuffer()
{
    if (data_)
        ::munmap(data_, size_);
}

PieceReader::~PieceReader()
{
    if (fd_ >= 0)
        ::close(fd_);
}

FileResult PieceReader::open(const fs::path& path)
{
    Fd fd(-1);
    struct stat st {};
    if (FileResult opened = openRegular(path, O_RDONLY, fd, &st); !opened)
        return opened;
    size_ = static_cast<std::uintmax_t>(st.st_size);
    fd_ = fd.release();
    return FileResult::success();
}

FileResult PieceReader::read(std::uintmax_t offset, char* buffer, std::size_t size, std::size_t& got) const
{
    got = 0;
    while (got < size) {
        const ssize_t n = ::pread(fd_, buffer + got, size - got, static_cast<off_t>(offset + got));
        if (n < 0) {
            if (errno == EINTR || errno == EAGAIN)
                continue;
            return lastError();
        }
        if (n == 0)
            break;
        got += static_cast<std::size_t>(n);
    }
    return FileResult::success();
}

TempFileWriter::~TempFileWriter()
{
    if (!finished_)
        discard();
}

FileResult TempFileWriter::create()
{
    // As WriteTempFile: whatever has the temporary's name is replaced, never written through.
    if (FaultInjection::next()) {
        const FileResult failed = lastError();
        ::unlink(temp_.c_str());
        return failed;
    }
    if (::unlink(temp_.c_str()) != 0 && errno != ENOENT)
        return lastError();
    fd_ = ::open(temp_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | kOpenFlags, 0644);
    return fd_ >= 0 ? FileResult::success() : lastError();
}

FileResult TempFileWriter::write(std::string_view bytes)
{
    const bool first = !written_;
    written_ = true;
    if ((first && FaultInjection::next()) || !writeAll(fd_, bytes)) {
        const FileResult failed = lastError();
        discard();
        return failed;
    }
    return FileResult::success();
}

FileResult TempFileWriter::finish()
{
    FileResult result = FileResult::success();
    if (!written_)
        result = write({});
    if (result && (FaultInjection::next() || ::fsync(fd_) != 0))
        result = lastError();
    if (result && ::close(fd_) != 0)
        result = lastError();
    else if (!result)
        ::close(fd_);
    fd_ = -1;
    if (!result) {
        discard();
        return result;
    }
    finished_ = true;
    return result;
}

void TempFileWriter::discard()
{
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
    ::unlink(temp_.c_str());
    finished_ = true;
}

namespace {
std::mutex g_lockMutex;
std::condition_variable g_lockReleased;
std::set<std::string> g_locked;
} // namespace

FileChangeLock::FileChangeLock(const fs::path& path) : key_(path.lexically_normal().string())
{
    std::unique_lock lock(g_lockMutex);
    g_lockReleased.wait(lock, [this] { return g_locked.count(key_) == 0; });
    g_locked.insert(key_);
}

FileChangeLock::~FileChangeLock()
{
    {
        const std::lock_guard lock(g_lockMutex);
        g_locked.erase(key_);
    }
    g_lockReleased.notify_all();
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
