#include "worktime/night_window.h"

namespace tabrel {

void set_night_window(MonthCalendar& calendar, TimeValue noc_od, TimeValue noc_do,
                      std::optional<int> first_shift_start) {
    int start = noc_od % 1440;
    int end = saturate16(start + noc_do);
    if (start == 0) start = 1440;
    if (first_shift_start) {
        if (end < start || end < *first_shift_start) end += 1440;
        if (start < *first_shift_start) start += 1440;
        // A night lying wholly before the shift's start moves whole, not its start alone.
        if (end < start) end += 1440;
    }
    calendar.night_start = saturate16(start);
    calendar.night_end = saturate16(end);
}

}  // namespace tabrel
