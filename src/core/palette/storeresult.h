// storeresult.h - the outcome of a palette-store operation that reads or changes files.
#pragma once

#include <string>
#include <utility>

namespace prismara {

// Success, or a failure with a message the window can show as it is ("c7.rgb could not be
// written"). A failed operation has changed no file unless its own comment says otherwise.
class [[nodiscard]] StoreResult
{
public:
    static StoreResult success() { return StoreResult(); }
    static StoreResult notRead(const std::string& file) { return {file, file + " could not be read"}; }
    static StoreResult notWritten(const std::string& file) { return {file, file + " could not be written"}; }
    static StoreResult notDeleted(const std::string& file) { return {file, file + " could not be deleted"}; }
    // A request the files cannot satisfy (no such record, a name that is not a plain file name);
    // nothing was touched.
    static StoreResult refused(const std::string& file, std::string message)
    {
        return {file, std::move(message)};
    }

    bool ok() const { return message_.empty(); }
    explicit operator bool() const { return ok(); }
    // The file concerned; empty on success.
    const std::string& file() const { return file_; }
    const std::string& message() const { return message_; }

private:
    StoreResult() = default;
    StoreResult(std::string file, std::string message) : file_(std::move(file)), message_(std::move(message))
    {
    }

    std::string file_;
    std::string message_;
};

} // namespace prismara
