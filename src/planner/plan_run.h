#pragma once

#include <cstdint>

#include "base/prompter.h"
#include "model/roster.h"
#include "storage/options.h"
#include "worktime/hour_split.h"

namespace tabrel {

// One planner run on the current group. `all_groups` is the reading of the worker summaries the
// run measures used time with: every group's entries, or only the planned group's, as the ward
// sister has chosen to see them.
struct PlanRun {
    Roster& roster;
    const Options& options;
    Prompter& prompter;
    bool all_groups = false;

    uint16_t group_id() const { return roster.current()->id; }
    // The worker's month summary in the run's reading.
    void refresh(int worker_index) const {
        odswiez_pracownika(roster, options, worker_index, all_groups);
    }
    // A duty this run placed for the planned group; nothing else is the planner's to move or
    // remove.
    bool placed_here(const Duty& duty) const {
        return duty.seq != 0 && !duty.accepted && duty.group_id == group_id();
    }
};

}  // namespace tabrel
