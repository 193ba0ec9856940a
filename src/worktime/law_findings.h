#pragma once

#include "model/roster.h"
#include "storage/law_neighbours.h"
#include "worktime/law_check.h"

namespace tabrel {

// One worker's work in every group: the shown month's duties from the roster, the neighbouring
// months' from their files, and the year's overtime.
WorkerTime worker_time(const Roster& roster, int worker_index, const LawNeighbours& n);

// The neighbouring months of the roster's shown month, read from its data folder, with the
// settlement period of its current group; none for a roster without a data folder.
LawNeighbours shown_month_neighbours(const Roster& roster);
// As above, the files taken from `files` while they are unchanged.
LawNeighbours shown_month_neighbours(const Roster& roster, MonthFileCache& files);

// The period of the shown month for the rules.
LawPeriod law_period(const Roster& roster, const LawNeighbours& n);

// The findings of the group's members (every worker of the register when `group_id` is 0),
// blocked and deleted workers left out, in register order and then by start. The window and
// tabrel-cli both take their findings from here.
// `room` is a list no longer needed whose memory the findings reuse.
std::vector<LawFinding> law_findings(const Roster& roster, const LawNeighbours& n,
                                     const LawLimits& limits, uint16_t group_id,
                                     std::vector<LawFinding> room = {});

}  // namespace tabrel
