#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "model/day_off_type.h"
#include "model/duty.h"
#include "model/time_value.h"

namespace tabrel {

// A worker's totals of the shown month, filled by odswiez_pracownika. The two month counters,
// the carries, the own norm and the norm itself stay in the Worker record beside it.
struct WorkerMonthSummary {
    TimeValue hours_D = 0;           // day hours
    TimeValue hours_N = 0;           // night hours
    TimeValue hours_S = 0;           // Sunday and holiday hours
    TimeValue hours_D_saturday = 0;  // the part of hours_D on Saturdays
    TimeValue overtime_100 = 0;
    TimeValue overtime_50 = 0;
    // Minutes of day off by kind index; kinds without hours stay 0.
    std::array<TimeValue, kDayOffTypeCount> kind_minutes{};
    TimeValue worked_total = 0;             // hours_D + hours_N + hours_S
    TimeValue leave_toward_norm_other = 0;  // marked kinds without "u" and "n"
    TimeValue leave_toward_norm = 0;

    bool operator==(const WorkerMonthSummary&) const = default;
};

// What one day of the month holds for one worker, for the printouts. One row per day plus one
// for the first day of the next month.
struct DaySummary {
    std::string symbol;  // "D", "N", "S" or the day off's symbol
    char kind = 0;       // letter of the day off on this day, 0 if none
    TimeValue leave_minutes = 0;
    TimeValue shown_minutes = 0;  // shown with the symbol
    TimeValue night_minutes = 0;
    TimeValue day_minutes = 0;       // with the night when it counts as holiday
    TimeValue next_day_minutes = 0;  // the part of the duty that belongs to the next day
    TimeValue overtime_100 = 0;
    Duty duty;
};

}  // namespace tabrel
