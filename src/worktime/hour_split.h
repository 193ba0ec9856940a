#pragma once

#include <vector>

#include "model/month_summary.h"
#include "model/roster.h"
#include "storage/options.h"

namespace tabrel {

// Kinds "1", "5", "7", "9" and "Bez dyżuru" only put their symbol on the grid; the others
// carry hours.
bool carries_hours(char kind);

// True when the worker has a duty on any day of the entry's range.
bool czy_sa_dyzury(const Worker& worker, const DayOff& entry);

// Recomputes the month summary and the norm of worker `worker_index` from its days off and
// duties (all of them with `all_groups`, else only the current group's) and returns its day
// rows: one per day of the month and one for the first day of the next month. An index beyond
// the list changes nothing and gives no rows.
std::vector<DaySummary> odswiez_pracownika(Roster& roster, const Options& options, int worker_index,
                                           bool all_groups);

// Every worker's summary counting all groups, as a month change needs.
void odswiez_wszystkich(Roster& roster, const Options& options);

// A copy of the worker with its summary and norm counted over all groups; the roster stays as
// it is, so writing a month never changes what the window shows.
Worker counted_over_all_groups(const Roster& roster, const Options& options, const Worker& worker);

}  // namespace tabrel
