#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "app/law_watch.h"
#include "app/month_switch.h"
#include "app/program_folders.h"
#include "base/locale.h"
#include "base/prompter.h"
#include "editing/view_state.h"
#include "model/roster.h"
#include "storage/options.h"
#include "storage/staff_files.h"

namespace tabrel {

class DataFolderLock;

// The owner of the roster and of the main window's state, with the start-up and shut-down
// steps that do not need a window. The window only calls it.
class AppState {
public:
    // The shown month starts as the clock's month.
    AppState(ProgramFolders folders, Prompter& prompter, const Locale& locale, const Clock& clock);
    ~AppState();

    enum class OpenResult {
        Ok,
        Locked,  // another running program holds the data folder
        Failed,  // the data folder cannot be created or used
    };
    // Creates "dane/" in the work folder when missing, takes the data folder's lock and moves a
    // stray konfiguracja.ini into it (never over one that is there). Tells the user when the
    // folder is locked or unusable; a locked folder is left untouched.
    OpenResult open_data_folder();

    // Reads konfiguracja.ini of the data folder; a missing file gives the defaults, and so does
    // one that cannot be read (the user is told; such a file is never written over).
    void load_options();

    // Loads groups and staff (legacy file included). Tells the user when a file stopped loading.
    void load_staff();

    // The shut-down save of groups and staff; a file whose load failed is kept as it was, and
    // the user is told so once.
    bool save_staff();

    const StaffLoadResult& staff_load() const { return staff_load_; }

    // The month change of the month selector, the year field and the month buttons.
    MonthSwitch& months() { return months_; }
    // The shut-down save of the shown month when a group exists; a month whose load stopped on
    // a bad value is kept as it was.
    bool save_month() { return months_.save_at_exit(); }
    // At exit: "last_backup" and the window geometry into konfiguracja.ini.
    bool save_exit_state();
    // The configuration as the user set it; the shown month keeps its own day-off norm flags.
    Options& options() { return options_; }

    // The show switches and the selected cell of the main window.
    ViewState& view() { return view_; }
    const ViewState& view() const { return view_; }

    Roster& roster() { return roster_; }
    const Roster& roster() const { return roster_; }
    // The work folder (dane/, wydruki/, the user's templates/) and the shipped files' folder.
    const ProgramFolders& folders() const { return folders_; }
    const std::filesystem::path& data_folder() const { return roster_.data_folder; }
    Prompter& prompter() { return prompter_; }
    const Locale& locale() const { return locale_; }
    const Clock& clock() const { return clock_; }
    // The working-time findings of the plan as the window last computed them.
    LawWatch& law() { return law_; }
    const LawWatch& law() const { return law_; }

private:
    void move_stray_configuration();

    ProgramFolders folders_;
    Prompter& prompter_;
    const Locale& locale_;
    const Clock& clock_;
    Roster roster_;
    StaffLoadResult staff_load_;
    bool kept_files_told_ = false;
    std::unique_ptr<DataFolderLock> lock_;
    Options options_;
    ViewState view_;
    LawWatch law_;
    MonthSwitch months_{roster_, options_, prompter_, locale_, clock_};
};

}  // namespace tabrel
