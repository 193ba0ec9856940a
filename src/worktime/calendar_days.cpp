#include "worktime/calendar_days.h"

#include <algorithm>
#include <stdexcept>

#include "worktime/day_overrides.h"
#include "worktime/holidays.h"
#include "worktime/weekday.h"

namespace tabrel {

namespace {

bool is_weekend(int weekday) {
    return weekday == kSunday || weekday == kSaturday;
}

int set_weekdays(MonthCalendar& calendar, const Profile& rules) {
    int working = static_cast<int>(calendar.days.size());
    for (size_t i = 0; i < calendar.days.size(); ++i) {
        CalendarDay& day = calendar.days[i];
        day.weekday = weekday_of(calendar.year, calendar.month, static_cast<int>(i) + 1);
        day.holiday = (day.weekday == kSunday && !rules.bez_swiat) ||
                      (day.weekday == kSaturday && rules.sob_swieto && !rules.bez_swiat);
        day.extra_count = 0;
        day.shift_counts.resize(rules.shifts.size(), 0);
        if (is_weekend(day.weekday)) --working;
    }
    return working;
}

int first_of_next_month(const MonthCalendar& calendar, const Profile& rules) {
    if (calendar.month == 12) return kSunday;
    const int weekday = weekday_of(calendar.year, calendar.month + 1, 1);
    if (rules.sob_swieto && weekday == kSaturday) return kSunday;
    return weekday;
}

// Statutory holidays: a weekday one always costs a working day, a Saturday one only when the
// group gives a day off for it; a Sunday one changes nothing.
int apply_statutory_holidays(MonthCalendar& calendar, const Profile& rules) {
    int lost = 0;
    for (const MonthDay& date : zaladuj_swieta(calendar.year)) {
        if (date.month == calendar.month + 1 && date.day == 1) calendar.next_month_first = kSunday;
        if (date.month != calendar.month) continue;
        CalendarDay& day = calendar.days[date.day - 1];
        if (day.weekday == kSunday) continue;
        if (day.weekday != kSaturday || rules.wolne_za_sob_swieto) ++lost;
        if (!rules.bez_swiat) day.holiday = true;
    }
    return lost;
}

// The user's toggle inverts the default status; a Saturday's toggle never moves the count.
int apply_toggled_days(MonthCalendar& calendar) {
    int change = 0;
    for (CalendarDay& day : calendar.days) {
        if (!day.kalendarz_wlasny) continue;
        day.holiday = !day.holiday;
        if (day.weekday != kSaturday) change += day.holiday ? -1 : 1;
    }
    return change;
}

}  // namespace

void build_calendar_days(MonthCalendar& calendar, const Profile& rules,
                         const CalendarRequest& request) {
    if (request.month < 1 || request.month > 12)
        throw std::out_of_range("month " + std::to_string(request.month));
    calendar.year = static_cast<uint16_t>(request.year);
    calendar.month = static_cast<uint8_t>(request.month);
    calendar.days.resize(days_in_month(calendar.year, calendar.month));

    int working = set_weekdays(calendar, rules);
    if (request.clear_counts) {
        for (CalendarDay& day : calendar.days)
            std::fill(day.shift_counts.begin(), day.shift_counts.end(), 0);
    }
    calendar.next_month_first = static_cast<uint8_t>(first_of_next_month(calendar, rules));
    working -= apply_statutory_holidays(calendar, rules);
    // A group without holidays treats the next month's first day as an ordinary one too.
    if (calendar.next_month_first == kSunday && rules.bez_swiat)
        calendar.next_month_first = kMonday;
    if (request.month_file) read_day_overrides(*request.month_file, calendar.days);
    working += apply_toggled_days(calendar);
    calendar.working_days = static_cast<uint8_t>(working);
}

}  // namespace tabrel
