#pragma once

#include <vector>

#include "model/roster.h"

namespace tabrel {

// A (day index, shift index) of the month grid; day 0 is the first day, shift 0 is shift 1.
struct StaffingSlot {
    int day = -1;
    int shift = -1;
    bool found() const { return day >= 0 && shift >= 0; }
    bool operator==(const StaffingSlot&) const = default;
};

// The planner's yardstick for a shift: the required staffing when the group fixes one, else
// the mean count of the month, for ordinary and for holiday days.
struct ReferenceStaffing {
    float ordinary = 0.0f;
    float holiday = 0.0f;
};

// Number of shifts of the current group; 0 without a group.
int shift_count(const Roster& roster);

// The staffing counter of a slot; 0 for a slot outside the month or the shift table.
int staffing(const Roster& roster, int day_index, int shift_index);
// Raises the counter by one, stopping at its largest value.
void raise_staffing(Roster& roster, int day_index, int shift_index);

// The staffing the group requires on the slot: `zobsada`, or `zobsadas` on a holiday.
int required_staffing(const Roster& roster, int day_index, int shift_index);

// Every staffing counter and every day's day-off tile count back to 0.
void czysc_iledy(Roster& roster);

// Every staffing counter counted anew from the duty slots: the duties of the current group's
// members (blocked ones too) per day and shift number.
void odswiez_iledy(Roster& roster);

// The reference staffing of every shift of the current group from the present counters.
std::vector<ReferenceStaffing> reference_staffing(const Roster& roster);

}  // namespace tabrel
