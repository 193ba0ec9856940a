#pragma once

#include <filesystem>

#include "base/locale.h"
#include "storage/archive.h"

namespace tabrel {

// "backup/backup_" + the short date + ".bak" under the data folder.
std::filesystem::path backup_archive_path(const std::filesystem::path& data_folder,
                                          const Locale& locale, Date date);

struct BackupResult {
    Date last_backup;       // what "last_backup" becomes
    bool written = false;   // an archive was made
    ArchiveResult archive;  // its outcome when one was attempted
};

// The exit's archive of the data folder ("*.ini", "*.inr", "*.tbr") when it is due: never with
// an interval of 0, else when the last archive is more than `interval_days` old or its file is
// gone. A failed archive keeps the old date, so the next exit tries again.
BackupResult archive_when_due(const std::filesystem::path& data_folder, int interval_days,
                              Date last_backup, const Clock& clock, const Locale& locale,
                              const ArchiveProgress& progress = {});

}  // namespace tabrel
