#pragma once

#include <cstdint>

#include "model/calendar.h"
#include "model/time_value.h"
#include "model/worker.h"

namespace tabrel {

// Working days (Monday to Friday without the holiday mark) from `from_day` to `to_day`;
// 0 for an inverted range. Days outside the month are not counted.
int working_days_between(const MonthCalendar& calendar, int from_day, int to_day);

// The leave minutes of a day-off range: the worker's duties on those days when there are any,
// else one scaled "8" length per working day.
TimeValue leave_minutes(const MonthCalendar& calendar, const Worker& worker, int from_day,
                        int to_day, uint16_t day8);

enum class CountMode { minutes, working_days };

// The two counts under their one old name.
int ile_pracujacych(const MonthCalendar& calendar, const Worker& worker, int from_day, int to_day,
                    CountMode mode, uint16_t day8);

// After a duty was added to or removed from `day`: the minutes of the day off covering it are
// counted again, and for the kinds paid from the annual leave the difference goes into `urlop`.
// False when no day off covers the day.
bool aktualizuj_urlop(const MonthCalendar& calendar, Worker& worker, int day, uint16_t day8);

}  // namespace tabrel
