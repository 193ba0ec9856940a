#include "planner/trimming.h"

#include <algorithm>

#include "editing/entry_operations.h"
#include "planner/removal_weight.h"
#include "planner/used_time.h"

namespace tabrel {

namespace {

// Weighs every duty of the worker and gives the day index of the duty to remove first, -1 when
// none of the run's own weighs more than 0.
int heaviest_placed(const PlanRun& run, const std::vector<ReferenceStaffing>& reference,
                    Worker& worker) {
    int chosen = -1;
    float heaviest = 0.0f;
    const int days = std::min(static_cast<int>(run.roster.calendar.days.size()), kMonthSlots);
    for (int d = 0; d < days; ++d) {
        Duty& duty = worker.duties[d];
        if (duty.seq == 0) continue;
        duty.weight = removal_weight(run.roster, reference, worker, d, duty.shift_no);
        if (run.placed_here(duty) && duty.weight > heaviest) {
            heaviest = duty.weight;
            chosen = d;
        }
    }
    return chosen;
}

}  // namespace

std::optional<std::vector<ReferenceStaffing>> trim_to_norm(const PlanRun& run, int worker_index) {
    std::optional<std::vector<ReferenceStaffing>> reference;
    Worker& worker = run.roster.workers[worker_index];
    run.refresh(worker_index);
    if (worker.norma <= 0) return reference;
    while (used_time(worker) > worker.norma) {
        reference = reference_staffing(run.roster);
        const int day = heaviest_placed(run, *reference, worker);
        if (day < 0) break;
        usun_dyzur(
            run.roster, run.options, run.prompter, worker_index, day + 1, day + 1,
            {.any_group = false, .recompute = false, .unaccepted_only = true, .silent = true});
        run.refresh(worker_index);
    }
    return reference;
}

}  // namespace tabrel
