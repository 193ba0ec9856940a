#pragma once

#include <QWidget>

#include "app/app_state.h"

namespace tabrel {

class WorkerDialog;

// The worker editor of this window, created on first use and kept, so that it remembers the
// address and planner settings between showings.
WorkerDialog& worker_editor(AppState& app, QWidget* parent);

// The main window's worker commands on the worker at `worker_index` (-1 when the worker list
// is empty). Each returns true when the roster changed: the caller then rebuilds the worker
// list on the roster's current worker, recomputes the month's norm and redraws the grid. With
// no group they say so and run the new-group path; edit and delete without a worker say so and
// run the new-worker path.
bool run_worker_add(AppState& app, int worker_index, QWidget* parent);
bool run_worker_edit(AppState& app, int worker_index, QWidget* parent);
bool run_worker_delete(AppState& app, int worker_index, QWidget* parent);
// "Przywróć": false when the worker was not deleted.
bool run_worker_restore(AppState& app, int worker_index, QWidget* parent);

}  // namespace tabrel
