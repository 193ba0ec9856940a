#pragma once

#include <filesystem>

#include "app/app_state.h"
#include "storage/archive.h"
#include "worktime/month_rebuild.h"

namespace tabrel {

// Which restore commands the menu "Odzyskaj z kopii zapasowej..." offers.
struct RestoreMenuState {
    bool month = false;    // a_RestoreMonth: the shown month's file has a ".bak"
    bool workers = false;  // a_RestoreWorkers: grupy.ini or kadra.inr has a ".bak"
};

// Recomputes the month paths, as the menu opening does, and tells what may be restored.
RestoreMenuState restore_menu_state(Roster& roster);

enum class RestoreOutcome {
    NotAvailable,  // no backup to restore from
    Declined,      // the user answered No
    Restored,      // the data in memory now come from the backup
    Failed,        // nothing was restored; the user has been told why
};

struct RestoreResult {
    RestoreOutcome outcome = RestoreOutcome::NotAvailable;
    NormStatus norm;  // the month as reloaded, for the norm boxes
};

// a_RestoreMonth: saves the shown month, asks with the backup's date and swaps the month file
// with its ".bak", then reloads the month without saving over it. A second run brings the
// replaced state back.
RestoreResult restore_month(AppState& app);

// a_RestoreWorkers: asks with the earlier backup date, saves groups, staff and month, swaps
// grupy.ini and kadra.inr with their ".bak" files and reloads them and the month. The window
// then rebuilds its group and worker lists.
RestoreResult restore_workers(AppState& app);

// mi_RestoreArchive once a file was chosen: takes the archive out into "backup/dane/" and
// tells the user where the files are, or what went wrong.
bool restore_archive_file(AppState& app, const std::filesystem::path& archive,
                          const ArchiveProgress& progress = {});

}  // namespace tabrel
