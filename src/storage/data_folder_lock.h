#pragma once

#include <filesystem>

#include "base/status.h"

namespace tabrel {

constexpr const char* kLockFileName = "tabrel.lock";

// Keeps other running programs out of a data folder while it exists. The lock is an flock on
// a file in the folder: the system drops it when the holder ends, even after a crash, so a
// leftover lock file never blocks a start.
class DataFolderLock {
public:
    enum class Status {
        Held,    // this object holds the folder
        Busy,    // another holder has it
        Failed,  // the lock file cannot be opened
    };

    explicit DataFolderLock(const std::filesystem::path& folder);
    ~DataFolderLock();
    DataFolderLock(const DataFolderLock&) = delete;
    DataFolderLock& operator=(const DataFolderLock&) = delete;

    Status status() const { return status_; }
    // Why the lock file could not be opened (errno) when the status is Failed, else 0.
    int error() const { return error_; }

private:
    int fd_ = -1;
    Status status_ = Status::Failed;
    int error_ = 0;
};

// The lock as the user reads it: success when held, else why `folder` cannot be used.
Status lock_outcome(const DataFolderLock& lock, const std::filesystem::path& folder);

}  // namespace tabrel
