#include "storage/data_folder_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

#include "i18n/cp1250.h"
#include "i18n/text.h"
#include "storage/atomic_file.h"
#include "storage/restore_archive.h"
#include "storage/write_failure.h"

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

Status lock_outcome(const DataFolderLock& lock, const std::filesystem::path& folder) {
    const std::string name = utf8_to_cp1250(folder.string()).value_or(folder.filename().string());
    switch (lock.status()) {
        case DataFolderLock::Status::Held:
            return {};
        case DataFolderLock::Status::Busy:
            return Status::failure(tr("msg_DataFolderLocked",
                                      "Program Tabrel jest już uruchomiony z folderem danych ") +
                                   name);
        case DataFolderLock::Status::Failed:
            break;
    }
    return Status::failure(tr("msg_DataFolderNoLock", "Nie można zablokować folderu danych ") +
                           name + "\r\n" +
                           write_failure_text(folder / kLockFileName, lock.error()));
}

}  // namespace tabrel
