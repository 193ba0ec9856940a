#pragma once

#include "model/calendar.h"
#include "model/group.h"

namespace tabrel {

class IniFile;

// What the calendar phase of the month computation is asked to do.
struct CalendarRequest {
    int year = 0;
    int month = 1;
    bool clear_counts = false;  // empty every day's staffing counters
    // The shown month's file when its day marks and notes are to be read again; without it the
    // marks already in memory stay.
    const IniFile* month_file = nullptr;
};

// Builds the days of the month for a group's rules: weekdays, default holidays, statutory
// holidays, the user's toggled days, the number of working days and the class of the first day
// of the next month. The grid is laid out afterwards by przenumeruj_kalendarz.
void build_calendar_days(MonthCalendar& calendar, const Profile& rules,
                         const CalendarRequest& request);

}  // namespace tabrel
