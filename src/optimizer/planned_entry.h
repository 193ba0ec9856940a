#pragma once

#include <vector>

#include "model/roster.h"
#include "optimizer/optimal_planner.h"

namespace tabrel {

// The unaccepted duty of the current group a planned duty stands for, starting with its shift.
Duty planned_entry(const Roster& roster, const PlannedDuty& planned);

// The register position of the worker with the id, -1 when there is none.
int register_index(const Roster& roster, int worker_id);

// The roster with the duties put into their slots; summaries are left as they were.
void put_planned(Roster& roster, const std::vector<PlannedDuty>& duties);

}  // namespace tabrel
