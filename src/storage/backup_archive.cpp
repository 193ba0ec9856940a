#include "storage/backup_archive.h"

#include <chrono>

#include "i18n/cp1250.h"
#include "storage/restore_archive.h"

namespace tabrel {

namespace fs = std::filesystem;

namespace {

int days_between(Date from, Date to) {
    using namespace std::chrono;
    const sys_days a{year{from.year} / from.month / from.day};
    const sys_days b{year{to.year} / to.month / to.day};
    return static_cast<int>((b - a).count());
}

}  // namespace

fs::path backup_archive_path(const fs::path& data_folder, const Locale& locale, Date date) {
    const std::string name = "backup_" + file_name_date(locale, date.year, date.month, date.day);
    return backup_folder(data_folder) / (cp1250_to_utf8(name) + ".bak");
}

BackupResult archive_when_due(const fs::path& data_folder, int interval_days, Date last_backup,
                              const Clock& clock, const Locale& locale,
                              const ArchiveProgress& progress) {
    BackupResult result{last_backup, false, {}};
    const Date today = clock.today();
    if (interval_days == 0) return result;
    std::error_code ec;
    if (days_between(last_backup, today) <= interval_days &&
        fs::exists(backup_archive_path(data_folder, locale, last_backup), ec))
        return result;
    const fs::path archive = backup_archive_path(data_folder, locale, today);
    fs::create_directories(archive.parent_path(), ec);
    result.archive =
        create_archive({(data_folder / "*.ini").string(), (data_folder / "*.inr").string(),
                        (data_folder / "*.tbr").string()},
                       archive, clock, progress);
    if (!result.archive.ok) return result;
    result.written = true;
    result.last_backup = today;
    return result;
}

}  // namespace tabrel
