#include "worker_commands.h"

#include "editing/group_editor.h"
#include "editing/worker_editor.h"
#include "group_commands.h"
#include "worker_dialog.h"

namespace tabrel {

namespace {

bool has_group(const Roster& roster) {
    return !listed_groups(roster).empty();
}

bool has_worker(const Roster& roster, int worker_index) {
    return worker_index >= 0 && worker_index < static_cast<int>(roster.workers.size());
}

}  // namespace

bool run_worker_add(RegisterEditors& editors, int worker_index) {
    AppState& app = editors.app();
    if (!has_group(app.roster())) {
        app.prompter().inform(group_need_message());
        return run_group_add(editors);
    }
    if (has_worker(app.roster(), worker_index))
        app.roster().current_worker = static_cast<uint16_t>(worker_index);
    WorkerDialog& editor = editors.worker();
    editor.prepare_new();
    return editor.exec() == QDialog::Accepted;
}

bool run_worker_edit(RegisterEditors& editors, int worker_index) {
    AppState& app = editors.app();
    if (!has_group(app.roster()) || !has_worker(app.roster(), worker_index)) {
        if (has_group(app.roster())) app.prompter().inform(worker_need_message());
        return run_worker_add(editors, worker_index);
    }
    WorkerDialog& editor = editors.worker();
    editor.prepare_edit(worker_index);
    return editor.exec() == QDialog::Accepted;
}

bool run_worker_delete(RegisterEditors& editors, int worker_index) {
    AppState& app = editors.app();
    if (!has_group(app.roster()) || !has_worker(app.roster(), worker_index)) {
        if (has_group(app.roster())) app.prompter().inform(worker_need_message());
        return run_worker_add(editors, worker_index);
    }
    return delete_worker(app.roster(), app.prompter(), worker_index);
}

bool run_worker_restore(RegisterEditors& editors, int worker_index) {
    return restore_worker(editors.app().roster(), worker_index);
}

}  // namespace tabrel
