#include "planner/filling.h"

#include <algorithm>
#include <vector>

#include "editing/entry_operations.h"

namespace tabrel {

namespace {

constexpr int kMaxRounds = 200;

int month_length(const Roster& roster) {
    return std::min(static_cast<int>(roster.calendar.days.size()), kMonthSlots);
}

template <typename Wanted>
StaffingSlot first_slot(const Roster& roster, Wanted wanted) {
    const int shifts = shift_count(roster);
    for (int d = 0; d < month_length(roster); ++d) {
        for (int s = 0; s < shifts; ++s) {
            if (wanted(staffing(roster, d, s), required_staffing(roster, d, s))) return {d, s};
        }
    }
    return {};
}

// The first rotation worker of the group with a duty on the donor slot and none on the target
// day; -1 when there is none. Only a duty the planner placed for this group and nobody accepted
// may move: hand-placed duties and other groups' duties stay where they are.
int donor_worker(const Roster& roster, StaffingSlot donor, int target_day) {
    const uint16_t group_id = roster.current()->id;
    for (int i = 0; i < static_cast<int>(roster.workers.size()); ++i) {
        const Worker& w = roster.workers[i];
        const Duty& duty = w.duties[donor.day];
        if (belongs_to(w, group_id) && w.pref_system && duty.seq != 0 && !duty.accepted &&
            duty.group_id == group_id && duty.shift_no == donor.shift + 1 &&
            w.duties[target_day].seq == 0)
            return i;
    }
    return -1;
}

void move_duty(Roster& roster, const Options& options, Prompter& prompter, int worker_index,
               StaffingSlot from, StaffingSlot to) {
    Worker& worker = roster.workers[worker_index];
    Duty moved = worker.duties[from.day];
    usun_dyzur(roster, options, prompter, worker_index, from.day + 1, from.day + 1,
               {.any_group = true, .recompute = true, .unaccepted_only = false, .silent = true});
    moved.day_no = static_cast<uint16_t>(to.day + 1);
    moved.shift_no = static_cast<uint8_t>(to.shift + 1);
    moved.start = 0;
    // Whether a day off covers the day belongs to the day, not to the duty moved onto it.
    moved.day_off_marker = worker.duties[to.day].day_off_marker;
    dodaj_dyzur(roster, options, moved, true, worker_index);
}

}  // namespace

StaffingSlot znajdz_puste_iledy(const Roster& roster) {
    const StaffingSlot empty =
        first_slot(roster, [](int count, int required) { return count == 0 && required > 0; });
    if (empty.found()) return empty;
    return first_slot(roster, [](int count, int required) { return count < required; });
}

StaffingSlot znajdz_nadmiarowe_iledy(Roster& roster, const Options& options, Prompter& prompter,
                                     StaffingSlot target) {
    if (!roster.current() || !target.found() || target.day >= month_length(roster)) return {};
    const int target_count = staffing(roster, target.day, target.shift);
    const StaffingSlot donor = first_slot(roster, [&](int count, int required) {
        return count > 1 && (count > required || target_count == 0);
    });
    if (!donor.found()) return {};
    const int worker = donor_worker(roster, donor, target.day);
    if (worker >= 0) move_duty(roster, options, prompter, worker, donor, target);
    return donor;
}

void fill_understaffed(Roster& roster, const Options& options, Prompter& prompter) {
    std::vector<StaffingSlot> visited;
    for (int round = 0; round < kMaxRounds; ++round) {
        const StaffingSlot p = znajdz_puste_iledy(roster);
        if (!p.found()) return;
        // A slot served once and wanting again cannot be helped: the whole step ends.
        if (std::find(visited.begin(), visited.end(), p) != visited.end()) return;
        if (znajdz_nadmiarowe_iledy(roster, options, prompter, p).found())
            raise_staffing(roster, p.day, p.shift);
        visited.push_back(p);
    }
}

}  // namespace tabrel
