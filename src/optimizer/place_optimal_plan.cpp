#include "editing/entry_operations.h"
#include "optimizer/optimal_planner.h"
#include "optimizer/planned_entry.h"
#include "planner/acceptance.h"
#include "planner/month_snapshot.h"

namespace tabrel {

namespace {

// A plan made for another state of the month never overwrites an entry.
bool fits(const Roster& roster, int index, const PlannedDuty& p) {
    const int shifts = static_cast<int>(roster.current()->profile.shifts.size());
    return index >= 0 && p.day >= 1 && p.day <= roster.month_days() && p.shift >= 1 &&
           p.shift <= shifts && roster.workers[index].duties[p.day - 1].seq == 0;
}

bool any_new_duty(const Roster& roster, const MonthSnapshot& before) {
    for (size_t i = 0; i < roster.workers.size(); ++i)
        for (int d = 0; d < kMonthSlots; ++d)
            if (roster.workers[i].duties[d].seq != 0 && before.workers[i].duties[d].seq == 0)
                return true;
    return false;
}

}  // namespace

bool place_optimal_plan(Roster& roster, const Options& options, Prompter& prompter,
                        const OptimalPlan& plan, bool all_groups) {
    if (!roster.current()) return false;
    const MonthSnapshot before = take_snapshot(roster);
    for (const PlannedDuty& p : plan.duties) {
        const int index = register_index(roster, p.worker);
        if (fits(roster, index, p))
            dodaj_dyzur(roster, options, planned_entry(roster, p), false, index);
    }
    accept_or_discard({roster, options, prompter, all_groups}, before);
    return any_new_duty(roster, before);
}

}  // namespace tabrel
