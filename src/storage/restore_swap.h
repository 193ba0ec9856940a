#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "base/locale.h"
#include "base/status.h"

namespace tabrel {

// The dated companion copy a restore takes its data from: file + ".bak".
std::filesystem::path backup_copy(const std::filesystem::path& file);

// The local date of a file's last change; nothing when it cannot be read.
std::optional<Date> file_date(const std::filesystem::path& path);

// Exchanges a data file with its ".bak" through the restore marker file + ".~ak": the marker
// takes the file (the ".bak" when there is no file), the file takes the ".bak", the ".bak" takes
// the marker, so a second exchange brings the replaced state back. Copies keep their dates. On
// success the marker stays, to keep the month switch from saving over the restored file, and
// the caller removes it after reloading. A failed step puts back what was changed, removes the
// marker and fails with the first step's reason.
Status swap_with_backup(const std::filesystem::path& file);

}  // namespace tabrel
