#pragma once

#include <QString>

#include "app/app_state.h"

namespace tabrel {

class MainWindow;

// Binds "Odzyskaj z kopii zapasowej...": the enabling of its commands each time it opens, the
// restore of the month and of groups and staff with the window redrawn after them, and the
// restore of an archive chosen in a file dialog.
void bind_restore_menu(MainWindow& form, AppState& app);

// The language file's filter ("Backup file (*.bak)|*.bak", description and mask pairs split by
// "|") as a file dialog's filter.
QString file_dialog_filter(const QString& filter);

}  // namespace tabrel
