#include "worktime/leave_account.h"

#include <algorithm>

#include "model/day_off_type.h"
#include "worktime/nearest.h"
#include "worktime/weekday.h"

namespace tabrel {

namespace {

// The slot range of the month that the day range covers, as 0-based [first, last].
bool clip(const MonthCalendar& calendar, int from_day, int to_day, int& first, int& last) {
    const int days = std::min<int>(static_cast<int>(calendar.days.size()), kMonthSlots);
    first = std::max(from_day, 1) - 1;
    last = std::min(to_day, days) - 1;
    return first <= last;
}

bool has_duty_in(const Worker& worker, int first, int last) {
    for (int i = first; i <= last; ++i)
        if (worker.duties[i].seq != 0) return true;
    return false;
}

bool pays_from_annual_leave(char kind) {
    return kind == 'u' || kind == 'a';
}

// The entry covering the day that starts nearest before or on it; "Bez dyżuru" holds a shift
// number, not minutes, and covers nothing.
DayOff* covering_entry(Worker& worker, int day) {
    for (int i = std::min(day, kMonthSlots) - 1; i >= 0; --i) {
        DayOff& entry = worker.days_off[i];
        if (entry.seq != 0 && entry.kind != kNoDutyLetter && entry.to_day >= day) return &entry;
    }
    return nullptr;
}

}  // namespace

int working_days_between(const MonthCalendar& calendar, int from_day, int to_day) {
    int first = 0, last = 0;
    if (!clip(calendar, from_day, to_day, first, last)) return 0;
    int count = 0;
    for (int i = first; i <= last; ++i) {
        const CalendarDay& day = calendar.days[i];
        if (day.weekday >= kMonday && day.weekday <= kFriday && !day.holiday) ++count;
    }
    return count;
}

TimeValue leave_minutes(const MonthCalendar& calendar, const Worker& worker, int from_day,
                        int to_day, uint16_t day8) {
    int first = 0, last = 0;
    if (!clip(calendar, from_day, to_day, first, last)) return 0;
    if (has_duty_in(worker, first, last)) {
        int64_t sum = 0;
        for (int i = first; i <= last; ++i)
            if (worker.duties[i].seq != 0) sum += worker.duties[i].duration;
        return saturate16(sum);
    }
    const int64_t per_day = nearest(day8 * worker.etat / 100);
    return saturate16(working_days_between(calendar, from_day, to_day) * per_day);
}

int ile_pracujacych(const MonthCalendar& calendar, const Worker& worker, int from_day, int to_day,
                    CountMode mode, uint16_t day8) {
    if (mode == CountMode::minutes) return leave_minutes(calendar, worker, from_day, to_day, day8);
    return working_days_between(calendar, from_day, to_day);
}

bool aktualizuj_urlop(const MonthCalendar& calendar, Worker& worker, int day, uint16_t day8) {
    DayOff* entry = covering_entry(worker, day);
    if (!entry) return false;
    const int64_t fresh =
        std::max<int64_t>(leave_minutes(calendar, worker, entry->from_day, entry->to_day, day8), 0);
    // The balance is signed and never cut, so the corrections of one entry always add up to
    // the difference between what it was first booked at and what it is worth now.
    if (pays_from_annual_leave(entry->kind))
        worker.urlop = static_cast<int32_t>(worker.urlop + entry->minutes - fresh);
    entry->minutes = static_cast<uint16_t>(fresh);
    return true;
}

}  // namespace tabrel
