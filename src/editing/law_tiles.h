#pragma once

#include <vector>

#include "editing/tile_layout.h"
#include "worktime/law_check.h"

namespace tabrel {

// Marks the duty tiles that lie in the employee day or the week of a finding about rest or
// the length of a day's work. Findings over the whole month or year mark no tile: they would
// mark every duty.
void mark_law_tiles(TileLayout& layout, const Roster& roster,
                    const std::vector<LawFinding>& findings);

// The texts of the findings a marked tile lies in, the lines its hint ends with. Put together
// only when the hint is shown: a full ward has thousands of marked tiles.
std::vector<std::string> law_tile_texts(const Tile& tile, const Roster& roster,
                                        const std::vector<LawFinding>& findings);

}  // namespace tabrel
