#pragma once

#include "planner/month_snapshot.h"
#include "planner/plan_run.h"

namespace tabrel {

// The end of a run. When any worker of the register holds an unaccepted duty, asks "Czy
// zatwierdzić automatycznie wpisane dyżury?": Yes accepts every duty; No puts the month back as
// `before` holds it and removes any unaccepted duty left in it. A run that left no unaccepted
// duty asks nothing and leaves the month as it was before. Every worker's summary is then
// computed in the run's reading.
void accept_or_discard(const PlanRun& run, const MonthSnapshot& before);

}  // namespace tabrel
