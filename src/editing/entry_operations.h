#pragma once

#include "base/prompter.h"
#include "model/day_off.h"
#include "model/duty.h"
#include "model/roster.h"
#include "storage/options.h"

namespace tabrel {

// Every insertion and removal of a duty or a day off, whatever its source (drops, dialogs,
// trash, bulk deletion, the planner), goes through these four. Days are 1-based throughout.

// Puts the duty into the worker's slot of its `day_no`, replacing what the slot held: a new
// `seq`, weight 1 and, for a start of 0, the start of its shift in the current group. A day past
// the month places nothing; a worker index beyond the register keeps the duty detached. Checks
// neither the norm nor the blocked flag nor an existing duty, and leaves the staffing counters
// to the tile layout. With `recompute` the worker's month summary is computed again.
bool dodaj_dyzur(Roster& roster, const Options& options, Duty duty, bool recompute,
                 int worker_index);

struct DutyRemoval {
    bool any_group = false;        // else only duties of the current group
    bool recompute = true;         // the worker's month summary afterwards
    bool unaccepted_only = false;  // only duties the planner placed and nobody accepted
    bool silent = false;           // else ask "Czy napewno usunąć?" first
};

// Empties the worker's duty slots from `first_day` to `last_day` that the flags select: the
// staffing counter of each day and shift drops by one, and a day inside a day off has its leave
// accounts corrected. The rest of the slot stays, the weight among it. Returns how many duties
// went; 0 also when the user answered No.
int usun_dyzur(Roster& roster, const Options& options, Prompter& prompter, int worker_index,
               int first_day, int last_day, DutyRemoval how);

// Puts the day off into the slot of its first day with a new `seq`, cut to the month with a
// notice, and marks its days as covered (kind "Bez dyżuru" excepted). A worker index beyond the
// register keeps it detached and gives false.
bool dodaj_wolne(Roster& roster, Prompter& prompter, DayOff entry, int worker_index);

struct DayOffRemoval {
    bool any_group = false;  // else only entries of the current group
    bool silent = false;     // else ask "Czy napewno usunąć?" first
};

// Removes the worker's days off whose first day lies from `first_day` to `last_day`: the day's
// day-off tile count drops, the leave taken is given back ("Wypoczynkowy" and "Na żądanie" to
// `urlop`, computed anew for the same days; care and rehabilitation days to `opieka` and
// `reha`), the covered marks are cleared, and the worker's summary is computed again. Returns
// how many entries went; 0 also when the user answered No.
int usun_wolne(Roster& roster, const Options& options, Prompter& prompter, int worker_index,
               int first_day, int last_day, DayOffRemoval how);

// The staffing counter of a day and shift, and the day-off tile count of a day, drop by one.
// Both are recounted whenever the tiles are laid out; in between a counter may already be 0
// for an entry that had no tile, and then stays 0.
void lower_staffing(Roster& roster, int day, int shift_no);
void lower_extra(Roster& roster, int day);

// The "8" length of the current group, the default one without a group.
uint16_t current_day8(const Roster& roster);

// The month summary after an edit, counting the worker's entries of every group as the
// worker list shows them.
void recompute_worker(Roster& roster, const Options& options, int worker_index);

}  // namespace tabrel
