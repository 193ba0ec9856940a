#include "editing/entry_operations.h"

#include <algorithm>

#include "editing/covered_marks.h"
#include "editing/leave_booking.h"
#include "i18n/text.h"
#include "model/day_off_type.h"
#include "worktime/hour_split.h"
#include "worktime/leave_account.h"

namespace tabrel {

namespace {

constexpr uint16_t kDefaultDay8 = 455;

bool valid_worker(const Roster& roster, int worker_index) {
    return worker_index >= 0 && worker_index < static_cast<int>(roster.workers.size());
}

bool confirmed(Prompter& prompter, bool silent) {
    return silent || prompter.ask(tr("msg_ConfirmDelete", "Czy napewno usunąć?"));
}

uint16_t current_group_id(const Roster& roster) {
    const Group* group = roster.current();
    return group ? group->id : 0;
}

CalendarDay* calendar_day(Roster& roster, int day) {
    if (day < 1 || day > static_cast<int>(roster.calendar.days.size())) return nullptr;
    return &roster.calendar.days[day - 1];
}

}  // namespace

void lower_staffing(Roster& roster, int day, int shift_no) {
    CalendarDay* d = calendar_day(roster, day);
    if (!d) return;
    const int index = std::min(shift_no, static_cast<int>(d->shift_counts.size())) - 1;
    if (index < 0) return;
    uint8_t& count = d->shift_counts[index];
    if (count > 0) --count;
}

void lower_extra(Roster& roster, int day) {
    CalendarDay* d = calendar_day(roster, day);
    if (d && d->extra_count > 0) --d->extra_count;
}

uint16_t current_day8(const Roster& roster) {
    const Group* group = roster.current();
    return group ? group->profile.day8 : kDefaultDay8;
}

void recompute_worker(Roster& roster, const Options& options, int worker_index) {
    odswiez_pracownika(roster, options, worker_index, true);
}

bool dodaj_dyzur(Roster& roster, const Options& options, Duty duty, bool recompute,
                 int worker_index) {
    if (!roster.dodaj_dyzur(duty, worker_index)) return false;
    if (recompute) recompute_worker(roster, options, worker_index);
    return true;
}

int usun_dyzur(Roster& roster, const Options& options, Prompter& prompter, int worker_index,
               int first_day, int last_day, DutyRemoval how) {
    if (!valid_worker(roster, worker_index)) return 0;
    if (!confirmed(prompter, how.silent)) return 0;
    Worker& worker = roster.workers[worker_index];
    const uint16_t group_id = current_group_id(roster);
    const int last = std::min({last_day, kMonthSlots, roster.month_days()});
    int removed = 0;
    for (int day = std::max(first_day, 1); day <= last; ++day) {
        Duty& duty = worker.duties[day - 1];
        if (duty.seq == 0) continue;
        if (!how.any_group && duty.group_id != group_id) continue;
        if (how.unaccepted_only && duty.accepted) continue;
        lower_staffing(roster, day, duty.shift_no);
        duty.seq = 0;
        ++removed;
        if (duty.day_off_marker)
            aktualizuj_urlop(roster.calendar, worker, day, current_day8(roster));
    }
    if (how.recompute) recompute_worker(roster, options, worker_index);
    return removed;
}

bool dodaj_wolne(Roster& roster, Prompter& prompter, DayOff entry, int worker_index) {
    const DayOffPlacement placement = roster.dodaj_wolne(entry, worker_index);
    if (!placement.notice.empty()) prompter.inform(placement.notice);
    return placement.placed;
}

int usun_wolne(Roster& roster, const Options& options, Prompter& prompter, int worker_index,
               int first_day, int last_day, DayOffRemoval how) {
    if (!valid_worker(roster, worker_index)) return 0;
    if (!confirmed(prompter, how.silent)) return 0;
    Worker& worker = roster.workers[worker_index];
    const uint16_t group_id = current_group_id(roster);
    const int last = std::min(last_day, kMonthSlots);
    int removed = 0;
    for (int day = std::max(first_day, 1); day <= last; ++day) {
        DayOff& entry = worker.days_off[day - 1];
        if (entry.seq == 0) continue;
        if (!how.any_group && entry.group_id != group_id) continue;
        lower_extra(roster, day);
        give_back_leave(roster, worker, entry);
        entry.seq = 0;
        // A day another day off also covers keeps its mark.
        if (entry.kind != kNoDutyLetter) mark_covered_days(worker, entry.from_day, entry.to_day);
        ++removed;
    }
    recompute_worker(roster, options, worker_index);
    return removed;
}

}  // namespace tabrel
