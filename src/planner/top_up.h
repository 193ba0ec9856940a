#pragma once

#include "editing/staffing.h"
#include "model/roster.h"
#include "storage/options.h"

namespace tabrel {

// Gives a worker below the norm (by the last summary) one unaccepted duty on shift 1 as long
// as the rest of the norm, but never longer than `longest` minutes. The day is the free one with
// the lowest stored weight (the earliest on equal weights) whose shift 1 is staffed but not beyond
// `shift1_reference`, neither the first of the month nor one following a duty on the group's last
// shift.
void top_up(Roster& roster, const Options& options, int worker_index, float shift1_reference,
            int longest);

}  // namespace tabrel
