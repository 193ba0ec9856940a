#include "planner/top_up.h"

#include <algorithm>

#include "editing/entry_operations.h"
#include "planner/used_time.h"

namespace tabrel {

namespace {

constexpr float kNoneChosen = 100.0f;

bool qualifies(const Roster& roster, const Worker& w, int d, float best, float reference) {
    const Duty& slot = w.duties[d];
    const int shift1 = staffing(roster, d, 0);
    if (d == 0 || slot.seq != 0 || slot.weight >= best) return false;
    if (shift1 <= 0 || static_cast<float>(shift1) > reference) return false;
    const Duty& previous = w.duties[d - 1];
    return previous.seq == 0 || previous.shift_no < shift_count(roster);
}

int chosen_day(const Roster& roster, const Worker& w, float reference) {
    int chosen = -1;
    float best = kNoneChosen;
    const int days = std::min(static_cast<int>(roster.calendar.days.size()), kMonthSlots);
    for (int d = 0; d < days; ++d) {
        if (!qualifies(roster, w, d, best, reference)) continue;
        chosen = d;
        best = w.duties[d].weight;
    }
    return chosen;
}

}  // namespace

void top_up(Roster& roster, const Options& options, int worker_index, float shift1_reference,
            int longest) {
    const Group* group = roster.current();
    if (!group || group->profile.shifts.empty()) return;
    const Worker& w = roster.workers[worker_index];
    const int rest = std::min(w.norma - used_time(w), longest);
    if (rest <= 0) return;
    const int day = chosen_day(roster, w, shift1_reference);
    if (day < 0) return;
    Duty d;
    d.duration = static_cast<uint16_t>(rest);
    d.start = 0;
    d.overtime = 0;
    d.worker_id = w.id;
    d.group_id = group->id;
    d.day_no = static_cast<uint16_t>(day + 1);
    d.shift_no = 1;
    d.day_off_marker = w.duties[day].day_off_marker;
    d.accepted = false;
    d.on_request = false;
    dodaj_dyzur(roster, options, d, true, worker_index);
}

}  // namespace tabrel
