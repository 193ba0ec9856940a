#include "editing/leave_booking.h"

#include <algorithm>

#include "editing/entry_operations.h"
#include "worktime/leave_account.h"

namespace tabrel {

namespace {

// A range read inverted from a file covers no day.
int spanned_days(const DayOff& entry) {
    return std::max(entry.to_day - entry.from_day + 1, 0);
}

// The day account a kind draws on; none for the kinds without a day limit.
int16_t* day_account(Worker& worker, char kind) {
    if (kind == 'o') return &worker.opieka;
    if (kind == 'h') return &worker.reha;
    return nullptr;
}

}  // namespace

void give_back_leave(const Roster& roster, Worker& worker, const DayOff& entry) {
    if (entry.kind == 'u' || entry.kind == 'a')
        worker.urlop += leave_minutes(roster.calendar, worker, entry.from_day, entry.to_day,
                                      current_day8(roster));
    if (int16_t* days = day_account(worker, entry.kind))
        *days = static_cast<int16_t>(*days + spanned_days(entry));
}

void give_back_cut_days(Worker& worker, const DayOff& before, const DayOff& after) {
    if (int16_t* days = day_account(worker, before.kind))
        *days = static_cast<int16_t>(*days + spanned_days(before) - spanned_days(after));
}

}  // namespace tabrel
