#include "worktime/month_rebuild.h"

#include "worktime/calendar_days.h"
#include "worktime/calendar_grid.h"
#include "worktime/group_norm.h"
#include "worktime/night_window.h"

namespace tabrel {

NormStatus normatyw(Roster& roster, Options& options, const MonthRebuildRequest& request) {
    static const Group kNoGroup;
    const Group* group = roster.current();
    const Profile& rules = (group ? *group : kNoGroup).profile;
    const Shift* first_shift = rules.shifts.empty() ? nullptr : &rules.shifts[0];
    MonthCalendar& calendar = roster.calendar;

    build_calendar_days(calendar, rules,
                        {request.year, request.month, request.clear_counts, request.month_file});

    std::optional<int> first_shift_start;
    if (!roster.groups.empty()) first_shift_start = first_shift ? first_shift->zod : 0;
    set_night_window(calendar, options.noc_od, options.noc_do, first_shift_start);

    NormStatus status;
    status.working_days = calendar.working_days;
    const GroupNorm norm = group_norm(status.working_days, rules, request.custom_norm);
    calendar.group_norm = norm.norm;
    calendar.group_norm_remainder = norm.remainder;
    options.dyz8 = rules.day8;
    if (first_shift) options.dyz12 = first_shift->zile;

    status.norm_title = norm_title(rules);
    status.norm_value = norm_value(status.working_days, norm);
    status.norm_text = min2h(norm.norm, "txt", false);
    przenumeruj_kalendarz(calendar, rules);
    return status;
}

}  // namespace tabrel
