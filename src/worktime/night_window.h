#pragma once

#include <optional>

#include "model/calendar.h"
#include "model/time_value.h"

namespace tabrel {

// Places the night window of the month: it starts at `noc_od` (a clock time) and lasts
// `noc_do`. With a group it is moved past the start of the group's first shift, so that it
// counts in minutes from the duty day's midnight (by default 1320..1800).
void set_night_window(MonthCalendar& calendar, TimeValue noc_od, TimeValue noc_do,
                      std::optional<int> first_shift_start);

}  // namespace tabrel
