#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tabrel {

// One day of the shown month (record `day`). Weekdays: 1 = Sunday .. 7 = Saturday.
struct CalendarDay {
    uint8_t weekday = 0;
    std::string day_code = "da";  // "da", "so", "sw" or "od"
    bool holiday = false;
    bool kalendarz_wlasny = false;        // the user inverted the default holiday status
    bool kalendarz_ostre_dyzury = false;  // emergency duty day
    std::string kalendarz_notatki;        // may hold line breaks
    std::vector<uint8_t> shift_counts;    // duties placed per shift of the current group
    uint8_t extra_count = 0;              // day-off tiles laid out on the day

    bool operator==(const CalendarDay&) const = default;
};

// One cell of the Monday-first grid; day 0 lies outside the month.
struct CalendarCell {
    uint8_t shift_no = 0;
    uint8_t day = 0;

    bool operator==(const CalendarCell&) const = default;
};

struct MonthCalendar {
    uint16_t year = 0;
    uint8_t month = 1;  // 1..12
    std::vector<CalendarDay> days;
    uint8_t working_days = 0;
    uint8_t next_month_first = 2;
    int16_t night_start = 0;
    int16_t night_end = 0;
    int16_t group_norm = 0;             // minutes
    int16_t group_norm_remainder = 0;   // of the norm after whole first-shift duties
    uint16_t day8 = 455;                // the current group's "8" length, minutes
    uint16_t first_shift_length = 720;  // the current group's first shift length, minutes
    std::vector<std::vector<CalendarCell>> cells;  // [column][row]

    bool operator==(const MonthCalendar&) const = default;
};

}  // namespace tabrel

namespace tabrel {

bool is_leap_year(int year);
// Number of days of a month (1..12) by the Gregorian rule.
int days_in_month(int year, int month);

}  // namespace tabrel
