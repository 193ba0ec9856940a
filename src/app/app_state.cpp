#include "app/app_state.h"

#include "app/tell_user.h"
#include "i18n/cp1250.h"
#include "i18n/text.h"
#include "model/shown_month.h"
#include "storage/data_folder_lock.h"
#include "storage/group_file.h"
#include "storage/legacy_file.h"
#include "storage/options_file.h"
#include "storage/safe_file.h"

namespace tabrel {

namespace fs = std::filesystem;

namespace {

constexpr const char* kConfigurationFileName = "konfiguracja.ini";

std::string path_text(const fs::path& path) {
    return utf8_to_cp1250(path.string()).value_or(path.filename().string());
}

// The files a failed load keeps from being written over, for the notice at saving.
std::string kept_files(const StaffLoadResult& load) {
    if (load.legacy) return kLegacyFileName;
    std::string names;
    if (load.groups_failed) names = kGroupsFileName;
    if (load.staff_failed) names += (names.empty() ? "" : ", ") + std::string("kadra.inr");
    return names;
}

}  // namespace

AppState::AppState(ProgramFolders folders, Prompter& prompter, const Locale& locale,
                   const Clock& clock)
    : folders_(std::move(folders)), prompter_(prompter), locale_(locale), clock_(clock) {
    const Date today = clock_.today();
    show_year_month(roster_, {today.year, today.month});
    options_.last_backup = today;
}

AppState::~AppState() = default;

AppState::OpenResult AppState::open_data_folder() {
    const fs::path folder = folders_.work / "dane";
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec || !fs::is_directory(folder, ec)) {
        prompter_.error(tr("msg_DataFolderFailed", "Nie można utworzyć folderu danych ") +
                        path_text(folder));
        return OpenResult::Failed;
    }
    auto lock = std::make_unique<DataFolderLock>(folder);
    if (const Status held = lock_outcome(*lock, folder); !held) {
        tell(prompter_, held);
        return lock->status() == DataFolderLock::Status::Busy ? OpenResult::Locked
                                                              : OpenResult::Failed;
    }
    lock_ = std::move(lock);
    roster_.data_folder = folder;
    move_stray_configuration();
    return OpenResult::Ok;
}

// A configuration left beside the program by an older version belongs in the data folder;
// one already there wins and both stay.
void AppState::move_stray_configuration() {
    const fs::path stray = folders_.work / kConfigurationFileName;
    const fs::path target = roster_.data_folder / kConfigurationFileName;
    std::error_code ec;
    if (!fs::is_regular_file(stray, ec) || fs::exists(target, ec)) return;
    tell(prompter_, replace_file(stray, target));
}

void AppState::load_options() {
    options_ = read_options(load_options_file(roster_.data_folder), locale_, clock_.today());
    if (options_file_unreadable(roster_.data_folder)) {
        prompter_.error(tr("msg_CannotReadFile", "Nie można odczytać pliku ") +
                        kConfigurationFileName +
                        tr("msg_OptionsDefaults",
                           ". Program użyje ustawień domyślnych, a plik pozostanie bez zmian."));
    }
}

bool AppState::save_exit_state() {
    const Status saved = tabrel::save_exit_state(roster_.data_folder, options_, locale_);
    tell(prompter_, saved);
    return saved.ok();
}

void AppState::load_staff() {
    staff_load_ = wczytaj(roster_);
    tell(prompter_, staff_load_.notices);
    roster_.rebuild_worker_ids();
    kept_files_told_ = false;
}

bool AppState::save_staff() {
    const StaffSaveOptions options{staff_load_.groups_failed, staff_load_.staff_failed};
    const Notices saved = zapisz(roster_, locale_, clock_, options);
    tell(prompter_, saved);
    if ((options.keep_groups_file || options.keep_staff_file) && !kept_files_told_) {
        prompter_.inform(tr("msg_FilesKept",
                            "Zmiany nie zostały zapisane w plikach, których odczyt przerwał "
                            "błąd. Pozostały bez zmian: ") +
                         kept_files(staff_load_));
        kept_files_told_ = true;
    }
    return saved.ok();
}

}  // namespace tabrel
