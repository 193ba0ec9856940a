#pragma once

#include "register_editors.h"

namespace tabrel {

// The main window's worker commands on the worker at `worker_index` (-1 when the worker list
// is empty). Each returns true when the roster changed: the caller then rebuilds the worker
// list on the roster's current worker, recomputes the month's norm and redraws the grid. With
// no group they say so and run the new-group path; edit and delete without a worker say so and
// run the new-worker path.
bool run_worker_add(RegisterEditors& editors, int worker_index);
bool run_worker_edit(RegisterEditors& editors, int worker_index);
bool run_worker_delete(RegisterEditors& editors, int worker_index);
// "Przywróć": false when the worker was not deleted.
bool run_worker_restore(RegisterEditors& editors, int worker_index);

}  // namespace tabrel
