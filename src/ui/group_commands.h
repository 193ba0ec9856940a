#pragma once

#include <QWidget>

#include "app/app_state.h"

namespace tabrel {

class GroupDialog;

// The group editor of this window, created on first use and kept, so that it remembers its
// controls between showings.
GroupDialog& group_editor(AppState& app, QWidget* parent);

// The main window's group commands. Each returns true when the roster changed: the caller then
// rebuilds the group list (whose current group the roster names), recomputes the month's norm
// and shows everything again.
bool run_group_add(AppState& app, QWidget* parent);
// With no group it says so and runs the new-group path instead.
bool run_group_edit(AppState& app, QWidget* parent);
bool run_group_delete(AppState& app, QWidget* parent);

}  // namespace tabrel
