#pragma once

#include <optional>
#include <vector>

#include "app/prompter.h"
#include "model/roster.h"
#include "planner/staffing.h"
#include "storage/options.h"

namespace tabrel {

// Takes the worker's unaccepted duties away one at a time, the one with the highest removal
// weight first (the earliest day on equal weights), until the worker's used time no longer
// exceeds the norm or no duty with a weight above 0 is left. Every slot holding a duty keeps
// the weight last computed for it. Returns the reference staffing last computed, none when
// the worker needed no trimming.
std::optional<std::vector<ReferenceStaffing>> trim_to_norm(Roster& roster, const Options& options,
                                                           Prompter& prompter, int worker_index);

}  // namespace tabrel
