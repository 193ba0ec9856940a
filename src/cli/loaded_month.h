#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "app/month_switch.h"
#include "base/locale.h"
#include "cli_prompter.h"
#include "model/roster.h"
#include "storage/data_folder_lock.h"
#include "storage/options.h"

namespace tabrel {

// Loads the groups and the staff of the roster's data folder, with the id index; an error text
// (UTF-8), empty when both loaded whole.
std::string load_staff(Roster& roster, Prompter& prompter, LoadPurpose purpose);

// The data folder loaded as the program loads it, with one month shown; the folder is locked
// for as long as the object lives, so that no running program writes it meanwhile. Loaded for
// reading, it changes no file.
class LoadedMonth {
public:
    LoadedMonth(const std::filesystem::path& data_dir, LoadPurpose purpose);

    // An error text (UTF-8), empty when the month is shown.
    std::string open(int year, int month, std::optional<int> group_id);
    // The month save of a month switch; the command asked for it, so it writes even an
    // unchanged month.
    bool save() { return months_.save_written(); }

    Roster& roster() { return roster_; }
    Options& options() { return options_; }
    const Locale& locale() const { return locale_; }
    const Clock& clock() const { return system_clock(); }
    const NormStatus& status() const { return status_; }

private:
    DataFolderLock lock_;
    CliPrompter prompter_;
    Locale locale_;
    Roster roster_;
    Options options_;
    LoadPurpose purpose_;
    MonthSwitch months_;
    NormStatus status_;
};

}  // namespace tabrel
