#pragma once

#include <optional>
#include <vector>

#include "editing/staffing.h"
#include "planner/plan_run.h"

namespace tabrel {

// Takes away, one at a time, the duties this run placed for the worker in the planned group,
// the one with the highest removal weight first (the earliest day on equal weights), until the
// worker's used time no longer exceeds the norm or no such duty with a weight above 0 is left.
// Every slot holding a duty keeps the weight last computed for it. Returns the reference
// staffing last computed, none when the worker needed no trimming.
std::optional<std::vector<ReferenceStaffing>> trim_to_norm(const PlanRun& run, int worker_index);

}  // namespace tabrel
