#pragma once

#include <filesystem>

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

private:
    int fd_ = -1;
    Status status_ = Status::Failed;
};

}  // namespace tabrel
