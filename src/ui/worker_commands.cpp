#include "worker_commands.h"

#include <QPointer>

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

WorkerDialog& worker_editor(AppState& app, QWidget* parent) {
    static QPointer<WorkerDialog> editor;
    if (editor && (editor->parentWidget() != parent || &editor->app() != &app)) delete editor;
    if (!editor) editor = new WorkerDialog(app, parent);
    return *editor;
}

bool run_worker_add(AppState& app, int worker_index, QWidget* parent) {
    if (!has_group(app.roster())) {
        app.prompter().inform(group_need_message());
        return run_group_add(app, parent);
    }
    if (has_worker(app.roster(), worker_index))
        app.roster().current_worker = static_cast<uint16_t>(worker_index);
    WorkerDialog& editor = worker_editor(app, parent);
    editor.prepare_new();
    return editor.exec() == QDialog::Accepted;
}

bool run_worker_edit(AppState& app, int worker_index, QWidget* parent) {
    if (!has_group(app.roster()) || !has_worker(app.roster(), worker_index)) {
        if (has_group(app.roster())) app.prompter().inform(worker_need_message());
        return run_worker_add(app, worker_index, parent);
    }
    WorkerDialog& editor = worker_editor(app, parent);
    editor.prepare_edit(worker_index);
    return editor.exec() == QDialog::Accepted;
}

bool run_worker_delete(AppState& app, int worker_index, QWidget* parent) {
    if (!has_group(app.roster()) || !has_worker(app.roster(), worker_index)) {
        if (has_group(app.roster())) app.prompter().inform(worker_need_message());
        return run_worker_add(app, worker_index, parent);
    }
    return delete_worker(app.roster(), app.prompter(), worker_index);
}

bool run_worker_restore(AppState& app, int worker_index, QWidget*) {
    return restore_worker(app.roster(), worker_index);
}

}  // namespace tabrel
