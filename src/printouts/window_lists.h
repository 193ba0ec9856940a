#pragma once

#include <vector>

#include "app/view_state.h"
#include "printouts/generation_context.h"

namespace tabrel {

// Fills the lists a generation reads as the main window shows them: the groups that are not
// deleted, the worker rows `view` asks for on the current group followed by the `temporary`
// rows, the current worker when listed (else the first row, -1 for none), and the selected
// day (0 when no cell is selected).
void fill_window_lists(GenerationContext& ctx, const ViewState& view,
                       const std::vector<int>& temporary = {});

}  // namespace tabrel
