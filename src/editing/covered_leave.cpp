#include "editing/covered_leave.h"

#include "editing/entry_operations.h"
#include "worktime/leave_account.h"

namespace tabrel {

DutySnapshot duty_snapshot(const Worker& worker) {
    DutySnapshot seqs{};
    for (int i = 0; i < kMonthSlots; ++i) seqs[i] = worker.duties[i].seq;
    return seqs;
}

bool correct_covered_leave(Roster& roster, int worker_index, const DutySnapshot& before) {
    Worker& worker = roster.workers[worker_index];
    bool changed = false;
    for (int i = 0; i < kMonthSlots; ++i) {
        const Duty& duty = worker.duties[i];
        if (duty.seq == before[i]) continue;
        changed = true;
        if (duty.day_off_marker)
            aktualizuj_urlop(roster.calendar, worker, i + 1, current_day8(roster));
    }
    return changed;
}

}  // namespace tabrel
