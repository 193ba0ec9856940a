#pragma once

#include <vector>

#include "editing/staffing.h"
#include "model/roster.h"

namespace tabrel {

// How much the worker's duty on `day_index` on shift `shift_no` is worth removing while the
// worker is trimmed to the norm: the more its slot is over-staffed and the less the worker's
// day/night and ordinary/holiday preferences favour it, the higher. A duty weighing 0 or less
// stays.
float removal_weight(const Roster& roster, const std::vector<ReferenceStaffing>& reference,
                     const Worker& worker, int day_index, int shift_no);

}  // namespace tabrel
