#include "staff_commands.h"

#include <iostream>
#include <memory>

#include "app/tell_user.h"
#include "base/locale.h"
#include "cli_messages.h"
#include "cli_prompter.h"
#include "roster_json.h"
#include "storage/data_folder_lock.h"
#include "storage/staff_files.h"

namespace fs = std::filesystem;

namespace tabrel {

namespace {

// Takes the folder's lock as the program does; nothing when the folder cannot be used.
std::unique_ptr<DataFolderLock> lock_folder(const fs::path& data_folder) {
    if (!fs::is_directory(data_folder)) {
        fail("no such data folder: " + data_folder.string());
        return nullptr;
    }
    auto lock = std::make_unique<DataFolderLock>(data_folder);
    if (lock->status() == DataFolderLock::Status::Held) return lock;
    CliPrompter prompter(std::cerr);
    tell(prompter, lock_outcome(*lock, data_folder));
    fail(lock->status() == DataFolderLock::Status::Busy
             ? "the data folder is in use by a running program: " + data_folder.string()
             : "the data folder cannot be locked: " + data_folder.string());
    return nullptr;
}

}  // namespace

int resave_command(const fs::path& data_folder) {
    const auto lock = lock_folder(data_folder);
    if (!lock) return 1;
    CliPrompter prompter(std::cerr);
    const Locale locale;
    Roster roster;
    roster.data_folder = data_folder;
    const StaffLoadResult load = wczytaj(roster);
    tell(prompter, load.notices);
    // As at the program's exit: a file whose load stopped is kept as it was.
    const Notices saved =
        zapisz(roster, locale, system_clock(), {load.groups_failed, load.staff_failed});
    tell(prompter, saved);
    if (load.groups_failed || load.staff_failed)
        return fail("a file did not load completely and was left unchanged");
    return saved.ok() ? 0 : fail("the data could not be saved");
}

int dump_command(const fs::path& data_folder) {
    const auto lock = lock_folder(data_folder);
    if (!lock) return 1;
    CliPrompter prompter(std::cerr);
    Roster roster;
    roster.data_folder = data_folder;
    const StaffLoadResult load = wczytaj(roster, LoadPurpose::Reading);
    tell(prompter, load.notices);
    if (load.groups_failed || load.staff_failed) return fail("a file did not load completely");
    std::cout << roster_json(roster).dump(2) << '\n';
    return 0;
}

}  // namespace tabrel
