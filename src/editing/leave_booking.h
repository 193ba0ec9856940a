#pragma once

#include "model/day_off.h"
#include "model/roster.h"

namespace tabrel {

// Gives back what the entry took from the worker's leave: its leave value, counted anew for the
// same days, to `urlop` for "Wypoczynkowy" and "Na żądanie"; its days to `opieka` for "Opieka
// nad dzieckiem" and to `reha` for "Rehabilitacyjny". The balances are signed and never cut, so
// booking and giving back cancel exactly.
void give_back_leave(const Roster& roster, Worker& worker, const DayOff& entry);

// An entry cut from `before` to the shorter `after` gives back the care or rehabilitation days
// it no longer spans.
void give_back_cut_days(Worker& worker, const DayOff& before, const DayOff& after);

}  // namespace tabrel
