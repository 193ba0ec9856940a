#include "planner/rotation.h"

#include <algorithm>
#include <limits>

#include "editing/entry_operations.h"
#include "editing/pattern_digit.h"
#include "editing/staffing.h"

namespace tabrel {

namespace {

Duty rotation_duty(const Worker& worker, const Group& group, int day, int shift_no) {
    Duty d;
    d.start = 0;
    d.overtime = 0;
    d.worker_id = worker.id;
    d.group_id = group.id;
    d.day_no = static_cast<uint16_t>(day);
    d.shift_no = static_cast<uint8_t>(shift_no);
    d.day_off_marker = worker.duties[day - 1].day_off_marker;
    d.accepted = false;
    d.on_request = false;
    d.duration = group.profile.shifts[shift_no - 1].zile;
    return d;
}

}  // namespace

void place_rotation(Roster& roster, const Options& options, int worker_index, int offset) {
    const Group* group = roster.current();
    if (!group || worker_index < 0 || worker_index >= static_cast<int>(roster.workers.size()))
        return;
    const Worker& worker = roster.workers[worker_index];
    const std::string& pattern = worker.pref_system_pattern;
    if (pattern.empty() || worker.pref_system_as_week) return;
    const int length = static_cast<int>(pattern.size());
    const int shifts = shift_count(roster);
    const int days = std::min(roster.month_days(), kMonthSlots);
    int position = std::clamp<int>(worker.pref_system_start_from, 1, length);
    for (int day = offset + 1; day <= days; ++day) {
        const int k = pattern_digit(pattern[position - 1]);
        // A duty already there was put by hand or by another group; it is not replaced.
        if (k > 0 && k <= shifts && roster.workers[worker_index].duties[day - 1].seq == 0)
            dodaj_dyzur(roster, options, rotation_duty(worker, *group, day, k), true, worker_index);
        position = position % length + 1;
    }
}

void reset_start_positions(Roster& roster) {
    const Group* group = roster.current();
    if (!group) return;
    int k = 0;
    for (Worker& w : roster.workers) {
        if (!belongs_to(w, group->id) || !w.pref_system || w.pref_system_pattern.empty()) continue;
        const int length = static_cast<int>(w.pref_system_pattern.size());
        const int start = (k / length) % length + 1;
        w.pref_system_start_from =
            static_cast<uint8_t>(std::min<int>(start, std::numeric_limits<uint8_t>::max()));
        ++k;
    }
}

}  // namespace tabrel
