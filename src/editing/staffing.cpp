#include "editing/staffing.h"

#include <algorithm>
#include <limits>

namespace tabrel {

namespace {

using Counter = std::vector<uint8_t>::value_type;

// The counter of a slot, const or not as the roster is; null outside the month or the table.
template <typename AnyRoster>
auto counter(AnyRoster& roster, int day_index, int shift_index)
    -> decltype(&roster.calendar.days[0].shift_counts[0]) {
    auto& days = roster.calendar.days;
    if (day_index < 0 || day_index >= static_cast<int>(days.size())) return nullptr;
    auto& counts = days[day_index].shift_counts;
    if (shift_index < 0 || shift_index >= static_cast<int>(counts.size())) return nullptr;
    return &counts[shift_index];
}

// Each day holds one counter per shift of the current group, whatever group it was built for.
void size_counters(Roster& roster) {
    const size_t shifts = static_cast<size_t>(shift_count(roster));
    for (CalendarDay& day : roster.calendar.days) day.shift_counts.resize(shifts, 0);
}

float mean(float sum, int days) {
    return days > 0 ? sum / static_cast<float>(days) : 0.0f;
}

ReferenceStaffing month_mean(const Roster& roster, int shift_index) {
    float ordinary = 0.0f;
    float holiday = 0.0f;
    int ordinary_days = 0;
    int holiday_days = 0;
    const auto& days = roster.calendar.days;
    for (int d = 0; d < static_cast<int>(days.size()); ++d) {
        const auto count = static_cast<float>(staffing(roster, d, shift_index));
        if (days[d].holiday) {
            holiday += count;
            ++holiday_days;
        } else {
            ordinary += count;
            ++ordinary_days;
        }
    }
    return {mean(ordinary, ordinary_days), mean(holiday, holiday_days)};
}

}  // namespace

int shift_count(const Roster& roster) {
    const Group* group = roster.current();
    return group ? static_cast<int>(group->profile.shifts.size()) : 0;
}

int staffing(const Roster& roster, int day_index, int shift_index) {
    const Counter* c = counter(roster, day_index, shift_index);
    return c ? *c : 0;
}

void raise_staffing(Roster& roster, int day_index, int shift_index) {
    Counter* c = counter(roster, day_index, shift_index);
    if (c && *c < std::numeric_limits<Counter>::max()) ++*c;
}

int required_staffing(const Roster& roster, int day_index, int shift_index) {
    const Group* group = roster.current();
    const auto& days = roster.calendar.days;
    if (!group || day_index < 0 || day_index >= static_cast<int>(days.size()) || shift_index < 0 ||
        shift_index >= static_cast<int>(group->profile.shifts.size()))
        return 0;
    const Shift& shift = group->profile.shifts[shift_index];
    return days[day_index].holiday ? shift.zobsadas : shift.zobsada;
}

void czysc_iledy(Roster& roster) {
    for (CalendarDay& day : roster.calendar.days) {
        std::fill(day.shift_counts.begin(), day.shift_counts.end(), 0);
        day.extra_count = 0;
    }
}

void odswiez_iledy(Roster& roster) {
    size_counters(roster);
    for (CalendarDay& day : roster.calendar.days)
        std::fill(day.shift_counts.begin(), day.shift_counts.end(), 0);
    const Group* group = roster.current();
    if (!group) return;
    const int days = static_cast<int>(roster.calendar.days.size());
    for (const Worker& w : roster.workers) {
        if (!belongs_to(w, group->id)) continue;
        for (int d = 0; d < days && d < kMonthSlots; ++d) {
            const Duty& duty = w.duties[d];
            if (duty.seq != 0) raise_staffing(roster, d, duty.shift_no - 1);
        }
    }
}

std::vector<ReferenceStaffing> reference_staffing(const Roster& roster) {
    std::vector<ReferenceStaffing> reference;
    const Group* group = roster.current();
    if (!group) return reference;
    for (int s = 0; s < static_cast<int>(group->profile.shifts.size()); ++s) {
        const Shift& shift = group->profile.shifts[s];
        if (shift.zobsada != 0)
            reference.push_back(
                {static_cast<float>(shift.zobsada), static_cast<float>(shift.zobsadas)});
        else
            reference.push_back(month_mean(roster, s));
    }
    return reference;
}

}  // namespace tabrel
