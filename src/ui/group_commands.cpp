#include "group_commands.h"

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

bool run_group_add(RegisterEditors& editors) {
    GroupDialog& editor = editors.group();
    editor.prepare_new();
    return editor.exec() == QDialog::Accepted;
}

bool run_group_edit(RegisterEditors& editors) {
    AppState& app = editors.app();
    const Roster& roster = app.roster();
    const Group* current = roster.current();
    if (!current || current->old || !has_visible_group(roster)) {
        app.prompter().inform(group_need_message());
        return run_group_add(editors);
    }
    GroupDialog& editor = editors.group();
    editor.prepare_edit(*current);
    return editor.exec() == QDialog::Accepted;
}

bool run_group_delete(RegisterEditors& editors) {
    AppState& app = editors.app();
    const Group* current = app.roster().current();
    if (!current || current->old) {
        app.prompter().inform(group_need_message());
        return run_group_add(editors);
    }
    return delete_group(app.roster(), app.prompter());
}

}  // namespace tabrel
