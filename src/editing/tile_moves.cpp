#include "editing/tile_moves.h"

#include <algorithm>

#include "editing/covered_leave.h"
#include "editing/covered_marks.h"
#include "editing/entry_operations.h"
#include "editing/grid_drop.h"
#include "editing/leave_booking.h"
#include "i18n/text.h"
#include "model/day_off_type.h"
#include "worktime/leave_account.h"

namespace tabrel {

namespace {

Worker* tile_worker(Roster& roster, const TileRef& tile) {
    if (tile.worker < 0 || tile.worker >= static_cast<int>(roster.workers.size())) return nullptr;
    if (tile.day < 0 || tile.day >= std::min(roster.month_days(), kMonthSlots)) return nullptr;
    return &roster.workers[tile.worker];
}

bool shift_change_within_day(const Duty& duty, int day, int shift_no, bool ctrl) {
    return day == duty.day_no && shift_no != duty.shift_no && !ctrl;
}

}  // namespace

Redisplay move_duty_tile(EditContext& context, const TileRef& tile, int day, int shift_no,
                         bool ctrl) {
    Roster& roster = context.roster;
    Worker* worker = tile_worker(roster, tile);
    if (!worker || !valid_cell(roster, day, shift_no) || worker->duties[tile.day].seq == 0)
        return {};
    const int source_day = tile.day + 1;
    Duty duty = worker->duties[tile.day];
    duty.day_no = static_cast<uint16_t>(source_day);
    if (worker->duties[day - 1].seq != 0 && !shift_change_within_day(duty, day, shift_no, ctrl)) {
        context.prompter.inform(tr("msg_DutyAlreadyExists",
                                   "Wybrany pracownik ma już wstawiony dyżur w wybranym dniu."));
        return {};
    }
    const DutySnapshot before = duty_snapshot(*worker);
    if (!ctrl) lower_staffing(roster, source_day, duty.shift_no);
    if (shift_no != duty.shift_no) {
        duty.start = roster.current()->profile.shifts[shift_no - 1].zod;
        duty.shift_no = static_cast<uint8_t>(shift_no);
    }
    duty.day_off_marker = worker->duties[day - 1].day_off_marker;
    duty.day_no = static_cast<uint16_t>(day);
    dodaj_dyzur(roster, context.options, duty, false, tile.worker);
    if (!ctrl && day != source_day) {
        worker->duties[tile.day].seq = 0;
        worker->duties[tile.day].day_no = 0;
    }
    correct_covered_leave(roster, tile.worker, before);
    recompute_worker(roster, context.options, tile.worker);
    return {.duties = true, .days_off = true, .day = 0, .worker_list = true};
}

// The entry keeps its length; one that would then run past the month is cut to it with the
// usual notice and gives back the care or rehabilitation days it lost. Its covered-day marks
// move with it, and its leave value is counted anew for its new days.
Redisplay move_day_off_tile(EditContext& context, const TileRef& tile, int day) {
    Roster& roster = context.roster;
    Worker* worker = tile_worker(roster, tile);
    if (!worker || !valid_cell(roster, day, 1) || worker->days_off[tile.day].seq == 0) return {};
    const int source_day = tile.day + 1;
    if (worker->days_off[day - 1].seq != 0 || day == source_day) {
        context.prompter.inform(tr("msg_DayOffAlreadyExists",
                                   "Wybrany pracownik ma już wstawione wolne w wybranym dniu."));
        return {};
    }
    const DayOff before = worker->days_off[tile.day];
    DayOff moved = before;
    moved.from_day = static_cast<uint8_t>(day);
    moved.to_day = static_cast<uint8_t>(day + (before.to_day - before.from_day));
    worker->days_off[tile.day].seq = 0;
    dodaj_wolne(roster, context.prompter, moved, tile.worker);
    lower_extra(roster, source_day);
    if (before.kind != kNoDutyLetter) {
        mark_covered_days(*worker, before.from_day, before.to_day);
        give_back_cut_days(*worker, before, worker->days_off[day - 1]);
        aktualizuj_urlop(roster.calendar, *worker, day, current_day8(roster));
    }
    recompute_worker(roster, context.options, tile.worker);
    return {.duties = false, .days_off = true, .day = 0, .worker_list = true};
}

}  // namespace tabrel
