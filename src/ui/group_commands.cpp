#include "group_commands.h"

#include <QPointer>

#include "editing/group_editor.h"
#include "group_dialog.h"

namespace tabrel {

namespace {

bool has_visible_group(const Roster& roster) {
    for (const Group& g : roster.groups)
        if (!g.old) return true;
    return false;
}

}  // namespace

GroupDialog& group_editor(AppState& app, QWidget* parent) {
    static QPointer<GroupDialog> editor;
    if (editor && (editor->parentWidget() != parent || &editor->app() != &app)) delete editor;
    if (!editor) editor = new GroupDialog(app, parent);
    return *editor;
}

bool run_group_add(AppState& app, QWidget* parent) {
    GroupDialog& editor = group_editor(app, parent);
    editor.prepare_new();
    return editor.exec() == QDialog::Accepted;
}

bool run_group_edit(AppState& app, QWidget* parent) {
    const Roster& roster = app.roster();
    const Group* current = roster.current();
    if (!current || current->old || !has_visible_group(roster)) {
        app.prompter().inform(group_need_message());
        return run_group_add(app, parent);
    }
    GroupDialog& editor = group_editor(app, parent);
    editor.prepare_edit(*current);
    return editor.exec() == QDialog::Accepted;
}

bool run_group_delete(AppState& app, QWidget* parent) {
    const Group* current = app.roster().current();
    if (!current || current->old) {
        app.prompter().inform(group_need_message());
        return run_group_add(app, parent);
    }
    return delete_group(app.roster(), app.prompter());
}

}  // namespace tabrel
