// instancelock.h - the lock that lets one copy of Prismara run per user.
//
// The lock is an advisory lock (flock) on a file in a folder of the user's own: the system
// holds it exactly as long as the process that took it lives, so a copy that was killed never
// leaves a stale lock behind. Only a lock held by a live process means another copy runs; any
// other failure (a lock file that cannot be opened, a folder that cannot be made) is reported
// with its reason and does not stop the program.
#pragma once

#include <filesystem>
#include <string>

namespace prismara {

class InstanceLock
{
public:
    enum class State {
        Held,            // this copy holds the lock
        HeldByOtherCopy, // a live process holds it: another copy runs
        Failed,          // the lock could not be used; see reason()
    };

    // Takes the lock on `file`, creating its folder (mode 0700) and the file when needed.
    explicit InstanceLock(std::filesystem::path file);
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    State state() const { return state_; }
    // Why the lock could not be used, in the system's words; empty unless Failed.
    const std::string& reason() const { return reason_; }
    const std::filesystem::path& file() const { return file_; }

    // Where the lock of `programName` lives: "<runtime>/<programName>.lock" when `runtimeDir`
    // ($XDG_RUNTIME_DIR) is a folder of this user's that only they may enter, else
    // "<cacheDir>/prismara/<programName>.lock" in the per-user cache ($XDG_CACHE_HOME, else
    // ~/.cache). Never a folder that other users share.
    static std::filesystem::path lockFile(const std::string& programName, const std::string& runtimeDir,
                                          const std::string& cacheDir);

private:
    std::filesystem::path file_;
    int fd_ = -1;
    State state_ = State::Failed;
    std::string reason_;
};

} // namespace prismara
