#include "planner/eight_hour_placement.h"

#include <algorithm>
#include <string>

#include "editing/entry_operations.h"
#include "planner/pattern_digit.h"
#include "planner/staffing.h"

namespace tabrel {

namespace {

constexpr uint8_t kMonday = 2;
constexpr uint8_t kFriday = 6;

// The worker's pattern with every shift the group lacks lowered to its last one; "1" when
// the worker has none. The stored pattern stays as typed.
std::string working_pattern(const std::string& stored, int shifts) {
    if (stored.empty()) return "1";
    const char highest = std::to_string(shifts)[0];
    std::string pattern = stored;
    for (char& c : pattern) {
        const int k = pattern_digit(c);
        if (k > shifts) c = highest;
    }
    return pattern;
}

bool working_day(const CalendarDay& day) {
    return day.weekday >= kMonday && day.weekday <= kFriday && !day.holiday;
}

}  // namespace

bool rozpisz_8(Roster& roster, const Options& options, int worker_index, Duty templ,
               bool redisplay) {
    if (worker_index < 0 || worker_index >= static_cast<int>(roster.workers.size())) return false;
    const int shifts = shift_count(roster);
    const std::string pattern =
        working_pattern(roster.workers[worker_index].pref_8_shift_no, shifts);
    const bool as_week = roster.workers[worker_index].pref_system_as_week;
    const Group* group = roster.current();
    size_t pos = std::max(roster.workers[worker_index].pref_system_start_from8 - 1, 0);
    uint8_t last = 0;
    bool placed = false;
    const int days = std::min<int>(roster.calendar.days.size(), kMonthSlots);
    for (int d = 0; d < days; ++d) {
        const CalendarDay& day = roster.calendar.days[d];
        const Duty& slot = roster.workers[worker_index].duties[d];
        if (!working_day(day) || slot.seq != 0) continue;
        templ.day_no = static_cast<uint16_t>(d + 1);
        templ.day_off_marker = slot.day_off_marker;
        if (as_week && day.weekday < last) ++pos;
        const int k = pattern_digit(pattern[pos % pattern.size()]);
        if (as_week) {
            if (k > 0 && k <= shifts) templ.start = group->profile.shifts[k - 1].zod;
            last = day.weekday;
        } else {
            ++pos;
        }
        templ.shift_no = static_cast<uint8_t>(k);
        if (k > 0) placed |= dodaj_dyzur(roster, options, templ, false, worker_index);
    }
    if (placed && redisplay) recompute_worker(roster, options, worker_index);
    return placed;
}

}  // namespace tabrel
