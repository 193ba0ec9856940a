#include "app/restore_commands.h"

#include <algorithm>
#include <optional>
#include <tuple>
#include <vector>

#include "app/tell_user.h"
#include "i18n/cp1250.h"
#include "i18n/format_text.h"
#include "i18n/text.h"
#include "model/shown_month.h"
#include "storage/group_file.h"
#include "storage/month_paths.h"
#include "storage/restore_archive.h"
#include "storage/restore_swap.h"

namespace tabrel {

namespace fs = std::filesystem;

namespace {

constexpr const char* kStaffArchiveName = "kadra.inr";

std::vector<fs::path> staff_files(const Roster& roster) {
    return {roster.data_folder / kGroupsFileName, roster.data_folder / kStaffArchiveName};
}

bool present(const fs::path& path) {
    std::error_code ec;
    return fs::exists(path, ec);
}

void remove_quietly(const fs::path& path) {
    std::error_code ec;
    fs::remove(path, ec);
}

bool earlier(const Date& a, const Date& b) {
    return std::tie(a.year, a.month, a.day) < std::tie(b.year, b.month, b.day);
}

bool confirm(AppState& app, const std::string& pattern, Date date) {
    const std::string shown = app.locale().short_date(date.year, date.month, date.day);
    return app.prompter().ask(format_text(pattern, {shown, "\r", "\r", "\r"}));
}

// Swaps every file in order; a failure swaps the ones done back, so groups and staff always
// come from the same state.
Status swap_all(const std::vector<fs::path>& files) {
    for (size_t i = 0; i < files.size(); ++i) {
        Status swapped = swap_with_backup(files[i]);
        if (swapped) continue;
        for (size_t j = i; j-- > 0;) {
            remove_quietly(restore_marker(files[j]));
            if (swap_with_backup(files[j])) remove_quietly(restore_marker(files[j]));
        }
        return swapped;
    }
    return {};
}

bool swapped_all(AppState& app, const std::vector<fs::path>& files) {
    const Status swapped = swap_all(files);
    tell(app.prompter(), swapped);
    return swapped.ok();
}

// The shown month saved before a restore. A month whose load failed was not written, but its
// damaged file is what a restore is for, so the restore goes on.
bool month_saved(AppState& app) {
    return app.months().save_written() || app.months().load_failed();
}

NormStatus reload_month(AppState& app) {
    const YearMonth shown = shown_year_month(app.roster());
    return app.months().switch_to(shown.year, shown.month);
}

}  // namespace

RestoreMenuState restore_menu_state(Roster& roster) {
    plik_save(roster);
    RestoreMenuState state;
    state.month = !roster.month_file.empty() && present(backup_copy(roster.month_file));
    for (const fs::path& file : staff_files(roster))
        state.workers = state.workers || present(backup_copy(file));
    return state;
}

RestoreResult restore_month(AppState& app) {
    Roster& roster = app.roster();
    plik_save(roster);
    RestoreResult result;
    if (roster.month_file.empty()) return result;
    const fs::path file = roster.month_file;
    const std::optional<Date> date = file_date(backup_copy(file));
    if (!month_saved(app)) return {RestoreOutcome::Failed, {}};
    if (!date) return result;
    if (!confirm(app,
                 tr("msg_ConfirmBackupRestore",
                    "Istniejąca kopia zapasowa dla wybranego miesiąca pochodzi z: %s %s Czy ją "
                    "przywrócić? %s%s By ewentualnie przywrócić obecne dane ponownie uruchom "
                    "\"odzyskiwanie danych\"."),
                 *date))
        return {RestoreOutcome::Declined, {}};
    if (!swapped_all(app, {file})) return {RestoreOutcome::Failed, {}};
    result.norm = reload_month(app);
    remove_quietly(restore_marker(file));
    result.outcome = RestoreOutcome::Restored;
    return result;
}

RestoreResult restore_workers(AppState& app) {
    Roster& roster = app.roster();
    std::vector<fs::path> files;
    std::optional<Date> date;
    for (const fs::path& file : staff_files(roster)) {
        const std::optional<Date> bak_date = file_date(backup_copy(file));
        if (!bak_date) continue;
        files.push_back(file);
        if (!date || earlier(*bak_date, *date)) date = bak_date;
    }
    if (files.empty()) return {};
    if (!confirm(app,
                 tr("msg_ConfirmWorkersBackupRestore",
                    "Istniejąca kopia zapasowa danych pracowników pochodzi z: %s %s Czy ją "
                    "przywrócić? %s%s By ewentualnie przywrócić obecne dane ponownie uruchom "
                    "\"odzyskiwanie danych\"."),
                 *date))
        return {RestoreOutcome::Declined, {}};
    // What is in memory must be on disk first: it becomes the backup a second restore returns.
    if (!app.save_staff() || !month_saved(app)) return {RestoreOutcome::Failed, {}};
    if (!swapped_all(app, files)) return {RestoreOutcome::Failed, {}};
    app.load_staff();
    if (roster.current_group >= static_cast<int>(roster.groups.size()))
        roster.current_group = roster.groups.empty() ? -1 : 0;
    roster.month_file.clear();
    RestoreResult result{RestoreOutcome::Restored, reload_month(app)};
    for (const fs::path& file : files) remove_quietly(restore_marker(file));
    return result;
}

bool restore_archive_file(AppState& app, const fs::path& archive, const ArchiveProgress& progress) {
    const ArchiveResult extracted = restore_archive(archive, app.data_folder(), progress);
    if (!extracted.ok) {
        ArchiveResult failed = extracted;
        if (failed.error == ArchiveError::None) failed.error = ArchiveError::ArchiveRead;
        app.prompter().error(archive_failure_text(failed, archive));
        return false;
    }
    const fs::path folder = restore_folder(app.data_folder());
    app.prompter().inform(
        format_text(tr("d_RestoreSuccessful", "Odzyskane pliki zostały zapisane w katalogu: %s%s"),
                    {"\r", utf8_to_cp1250(folder.string()).value_or(folder.filename().string())}));
    return true;
}

}  // namespace tabrel
