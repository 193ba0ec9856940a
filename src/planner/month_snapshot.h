#pragma once

#include <cstdint>
#include <vector>

#include "model/calendar.h"
#include "model/roster.h"

namespace tabrel {

// What a planner run may change in the shown month: every worker's record (duties, days off,
// leave balances, covered-day marks, start positions), the day counters and the duty counter.
struct MonthSnapshot {
    std::vector<Worker> workers;
    MonthCalendar calendar;
    int16_t duty_counter = 0;
};

MonthSnapshot take_snapshot(const Roster& roster);

// Puts the month back exactly as it was when the snapshot was taken.
void restore_snapshot(Roster& roster, const MonthSnapshot& snapshot);

}  // namespace tabrel
