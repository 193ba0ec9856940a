#include "app/exit_procedure.h"

#include "i18n/text.h"
#include "printouts/printouts.h"
#include "storage/backup_archive.h"
#include "storage/write_failure.h"

namespace tabrel {

namespace fs = std::filesystem;

namespace {

bool saved_or_closing_anyway(AppState& app) {
    const bool staff_saved = app.save_staff();
    const bool month_saved = app.save_month();
    if (staff_saved && month_saved) return true;
    // What was not written lives only in memory: the user may stay and try again.
    return app.prompter().ask(
        tr("msg_ExitUnsaved", "Nie udało się zapisać danych. Czy mimo to zamknąć program?"));
}

void archive_if_due(AppState& app, const ArchiveProgress& progress) {
    Options& options = app.options();
    const BackupResult backup =
        archive_when_due(app.data_folder(), options.autoarchiving, options.last_backup, app.clock(),
                         app.locale(), progress);
    options.last_backup = backup.last_backup;
    if (!backup.archive.skipped.empty()) app.prompter().inform(skipped_files_text(backup.archive));
    if (backup.archive.error == ArchiveError::None) return;
    const fs::path archive =
        backup_archive_path(app.data_folder(), app.locale(), app.clock().today());
    std::string text = archive_failure_text(backup.archive, archive);
    if (backup.archive.system_error != 0)
        text += "\r\n" + write_failure_text(archive, backup.archive.system_error);
    app.prompter().error(text);
}

}  // namespace

bool run_exit_procedure(AppState& app, const ExitRequest& request) {
    if (!app.prompter().ask(tr("msg_Exit", "Czy na pewno zamknąć program?"))) return false;
    if (!saved_or_closing_anyway(app)) return false;
    archive_if_due(app, request.progress);
    app.options().window = request.geometry;
    app.save_exit_state();
    if (app.options().DeletePrintoutsFilesAfterClose && request.printouts)
        request.printouts->delete_generated();
    return true;
}

}  // namespace tabrel
