#pragma once

#include "app/app_state.h"
#include "storage/archive.h"
#include "storage/options.h"

namespace tabrel {

class Printouts;

// What the window hands to the exit procedure.
struct ExitRequest {
    WindowGeometry geometry;         // the main window as it is now
    ArchiveProgress progress;        // shown while the archive is written
    Printouts* printouts = nullptr;  // the printouts of this run, when there are any
};

// The close query of the main window, in its order: asks msg_Exit (No keeps the program
// running); saves groups, staff and the shown month; archives the data folder when due; writes
// "last_backup" and the window geometry; deletes this run's printouts when the configuration
// asks for it. When a save failed the user may still stay. True when the program may close.
bool run_exit_procedure(AppState& app, const ExitRequest& request);

}  // namespace tabrel
