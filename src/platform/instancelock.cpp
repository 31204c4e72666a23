// instancelock.cpp - one copy per user through an advisory lock.
#include "platform/instancelock.h"

#include <cerrno>
#include <cstring>
#include <string>
#include <utility>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace prismara {

namespace {
bool isPrivateFolder(const std::string& dir)
{
    struct stat st
    {
    };
    return !dir.empty() && ::stat(dir.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::geteuid() &&
           (st.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}
} // namespace

std::filesystem::path InstanceLock::lockFile(const std::string& programName, const std::string& runtimeDir,
                                             const std::string& cacheDir)
{
    const std::string name = programName + ".lock";
    if (isPrivateFolder(runtimeDir))
        return std::filesystem::path(runtimeDir) / name;
    return std::filesystem::path(cacheDir) / "prismara" / name;
}

InstanceLock::InstanceLock(std::filesystem::path file) : file_(std::move(file))
{
    std::error_code ec;
    std::filesystem::create_directories(file_.parent_path(), ec);
    if (ec) {
        reason_ = "its folder could not be made: " + ec.message();
        return;
    }
    // Never blocks, never follows a link planted in the lock's place.
    fd_ = ::open(file_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY, 0600);
    if (fd_ < 0) {
        reason_ = std::strerror(errno);
        return;
    }
    struct stat st
    {
    };
    if (::fstat(fd_, &st) != 0 || !S_ISREG(st.st_mode)) {
        reason_ = "it is not a regular file";
        return;
    }
    if (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
        if (errno == EWOULDBLOCK)
            state_ = State::HeldByOtherCopy;
        else
            reason_ = std::strerror(errno);
        return;
    }
    state_ = State::Held;
    // The holder's process number, for people who look; the lock itself is the flock.
    const std::string pid = std::to_string(::getpid()) + "\n";
    if (::ftruncate(fd_, 0) == 0)
        (void)!::write(fd_, pid.data(), pid.size());
}

InstanceLock::~InstanceLock()
{
    // The file stays: removing it could let a copy that opened it just now lock a file that no
    // longer has a name while a third copy locks a new one.
    if (fd_ >= 0)
        ::close(fd_);
}

} // namespace prismara
