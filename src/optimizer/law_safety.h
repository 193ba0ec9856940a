#pragma once

#include <vector>

#include "model/roster.h"
#include "optimizer/optimal_planner.h"
#include "storage/law_limits.h"
#include "storage/law_neighbours.h"

namespace tabrel {

// The last check before a plan is handed out: takes out of `duties` every duty without which
// the month would have no law finding it did not have before, and returns those taken out.
std::vector<PlannedDuty> drop_law_breaking(const Roster& roster, const LawNeighbours& neighbours,
                                           const LawLimits& limits,
                                           std::vector<PlannedDuty>& duties);

}  // namespace tabrel
