// storeresult.h - the outcome of a palette-store operation that reads or changes files.
#pragma once

#include <string>
#include <utility>

namespace prismara {

// Success, or a failure with a message the window can show as it is ("c7.rgb could not be
// written: No space left on device"). A failed operation has changed no file unless its own
// comment says otherwise. `reason` is the system's word for why (FileResult::reason()).
class [[nodiscard]] StoreResult
{
public:
    static StoreResult success() { return StoreResult(); }
    static StoreResult notRead(const std::string& file, const std::string& reason = {})
    {
        return {file, withReason(file + " could not be read", reason)};
    }
    static StoreResult notWritten(const std::string& file, const std::string& reason = {})
    {
        return {file, withReason(file + " could not be written", reason)};
    }
    static StoreResult notDeleted(const std::string& file, const std::string& reason = {})
    {
        return {file, withReason(file + " could not be deleted", reason)};
    }
    // A request the files cannot satisfy (no such record, a name that is not a plain file name);
    // nothing was touched.
    static StoreResult refused(const std::string& file, std::string message)
    {
        return {file, std::move(message)};
    }

    // A long rewrite stopped on request before it changed anything.
    static StoreResult cancelled(const std::string& file)
    {
        StoreResult result(file, file + " was left as it was: the command was cancelled");
        result.cancelled_ = true;
        return result;
    }

    bool ok() const { return message_.empty(); }
    bool wasCancelled() const { return cancelled_; }
    explicit operator bool() const { return ok(); }
    // The file concerned; empty on success.
    const std::string& file() const { return file_; }
    const std::string& message() const { return message_; }

private:
    static std::string withReason(std::string message, const std::string& reason)
    {
        return reason.empty() ? message : message + ": " + reason;
    }

    StoreResult() = default;
    StoreResult(std::string file, std::string message) : file_(std::move(file)), message_(std::move(message))
    {
    }

    std::string file_;
    std::string message_;
    bool cancelled_ = false;
};

} // namespace prismara
