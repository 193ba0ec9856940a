#include "planner/trimming.h"

#include <algorithm>

#include "editing/entry_operations.h"
#include "planner/removal_weight.h"
#include "planner/used_time.h"

namespace tabrel {

namespace {

// Weighs every duty of the worker and gives the day index of the unaccepted one to remove
// first, -1 when none weighs more than 0.
int heaviest_unaccepted(Roster& roster, const std::vector<ReferenceStaffing>& reference,
                        Worker& worker) {
    int chosen = -1;
    float heaviest = 0.0f;
    const int days = std::min(static_cast<int>(roster.calendar.days.size()), kMonthSlots);
    for (int d = 0; d < days; ++d) {
        Duty& duty = worker.duties[d];
        if (duty.seq == 0) continue;
        duty.weight = removal_weight(roster, reference, worker, d, duty.shift_no);
        if (!duty.accepted && duty.weight > heaviest) {
            heaviest = duty.weight;
            chosen = d;
        }
    }
    return chosen;
}

}  // namespace

std::optional<std::vector<ReferenceStaffing>> trim_to_norm(Roster& roster, const Options& options,
                                                           Prompter& prompter, int worker_index) {
    std::optional<std::vector<ReferenceStaffing>> reference;
    Worker& worker = roster.workers[worker_index];
    recompute_worker(roster, options, worker_index);
    if (worker.norma <= 0) return reference;
    while (used_time(worker) > worker.norma) {
        reference = reference_staffing(roster);
        const int day = heaviest_unaccepted(roster, *reference, worker);
        if (day < 0) break;
        usun_dyzur(
            roster, options, prompter, worker_index, day + 1, day + 1,
            {.any_group = true, .recompute = true, .unaccepted_only = false, .silent = true});
    }
    return reference;
}

}  // namespace tabrel
