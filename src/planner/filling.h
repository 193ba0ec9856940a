#pragma once

#include "base/prompter.h"
#include "editing/staffing.h"
#include "model/roster.h"
#include "storage/options.h"

namespace tabrel {

// The first unstaffed slot the group requires staff on, else the first under-staffed one,
// days and then shifts ascending; not found when every slot has its staff.
StaffingSlot znajdz_puste_iledy(const Roster& roster);

// Finds the first over-staffed donor slot for `target` (more than one duty, and more than
// required unless the target has none) and moves one duty there: the unaccepted duty the
// planner gave the first rotation worker of the group who works the donor slot and is free on
// the target day. The moved duty
// keeps its length and acceptance and takes the target shift's start. Returns the donor, also
// when no worker could move; not found when there is no donor.
StaffingSlot znajdz_nadmiarowe_iledy(Roster& roster, const Options& options, Prompter& prompter,
                                     StaffingSlot target);

// Moves rotation duties from over-staffed slots to under-staffed ones until every slot has its
// staff, a slot comes up a second time, or 200 rounds have passed.
void fill_understaffed(Roster& roster, const Options& options, Prompter& prompter);

}  // namespace tabrel
