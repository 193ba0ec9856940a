#pragma once

#include "register_editors.h"

namespace tabrel {

// The main window's group commands. Each returns true when the roster changed: the caller then
// rebuilds the group list (whose current group the roster names), recomputes the month's norm
// and shows everything again.
bool run_group_add(RegisterEditors& editors);
// With no group it says so and runs the new-group path instead.
bool run_group_edit(RegisterEditors& editors);
bool run_group_delete(RegisterEditors& editors);

}  // namespace tabrel
