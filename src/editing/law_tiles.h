#pragma once

#include <vector>

#include "editing/tile_layout.h"
#include "worktime/law_check.h"

namespace tabrel {

// Marks the duty tiles that lie in the employee day or the week of a finding about rest or
// the length of a day's work, and adds the finding's text to their hints. Findings over the
// whole month or year mark no tile: they would mark every duty.
void mark_law_tiles(TileLayout& layout, const Roster& roster,
                    const std::vector<LawFinding>& findings);

}  // namespace tabrel
