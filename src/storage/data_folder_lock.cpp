#include "storage/data_folder_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

#include "storage/atomic_file.h"
#include "storage/restore_archive.h"

namespace tabrel {

DataFolderLock::DataFolderLock(const std::filesystem::path& folder) {
    const auto path = folder / kLockFileName;
    fd_ = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fd_ < 0) {
        error_ = errno;
        return;
    }
    int rc;
    do {
        rc = ::flock(fd_, LOCK_EX | LOCK_NB);
    } while (rc != 0 && errno == EINTR);
    if (rc == 0) {
        status_ = Status::Held;
        // Nobody else writes here now, so a temporary file is what a killed save left behind.
        remove_stale_temporaries(folder);
        remove_stale_temporaries(backup_folder(folder));
        remove_stale_temporaries(restore_folder(folder));
        return;
    }
    status_ = errno == EWOULDBLOCK ? Status::Busy : Status::Failed;
    if (status_ == Status::Failed) error_ = errno;
    ::close(fd_);
    fd_ = -1;
}

DataFolderLock::~DataFolderLock() {
    // Closing the descriptor releases the lock; the file stays so that no other holder can be
    // left locking a removed name.
    if (fd_ >= 0) ::close(fd_);
}

}  // namespace tabrel
