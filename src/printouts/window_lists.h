#pragma once

#include "editing/view_state.h"
#include "printouts/generation_context.h"

namespace tabrel {

// Fills what a generation reads of the main window as the window shows it under `view`, the
// same for a printout made in the window and one made by tabrel-cli. The tiles are laid out
// for the current worker, which counts every day's staffing counters; then the lists: the
// groups that are not deleted, the worker rows `view` asks for on the current group followed by
// a temporary row for each worker with tiles but no row, the current worker when listed (else
// the first row, -1 for none), and the selected day (0 when no cell is selected).
void fill_window_lists(GenerationContext& ctx, const ViewState& view);

}  // namespace tabrel
