#include "editing/grid_drop.h"

#include "editing/covered_leave.h"
#include "editing/day_off_form.h"
#include "editing/duty_form.h"
#include "editing/entry_operations.h"
#include "editing/tile_moves.h"
#include "editing/tile_name.h"
#include "i18n/format_text.h"
#include "i18n/text.h"
#include "model/day_off_type.h"

namespace tabrel {

namespace {

const std::string kLineBreak = "\r";

bool valid_worker(const Roster& roster, int worker_index) {
    return worker_index >= 0 && worker_index < static_cast<int>(roster.workers.size());
}

bool has_day_off_on(const Worker& worker, int day) {
    for (int i = 0; i < day && i < kMonthSlots; ++i) {
        const DayOff& entry = worker.days_off[i];
        if (entry.seq != 0 && entry.to_day >= day) return true;
    }
    return false;
}

// A duty may not go on the first day of a day off; for "Bez dyżuru" the user may overrule.
bool day_off_lets_duty_in(EditContext& context, const Worker& worker, int day) {
    const DayOff& starting = worker.days_off[day - 1];
    if (starting.seq == 0) return true;
    if (starting.kind != kNoDutyLetter) return false;
    return context.prompter.ask(
        format_text(tr("msg_WorkerDoesNotWantWorks",
                       "Wybrany pracownik nie chce pracować na tej zmianie. %s%sZignorować to i "
                       "wstawić dyżur?"),
                    {kLineBreak, kLineBreak}));
}

Duty whole_shift_duty(const Roster& roster, const Worker& worker, int day, int shift_no) {
    const Group& group = *roster.current();
    const Shift& shift = group.profile.shifts[shift_no - 1];
    Duty d;
    d.duration = shift.zile;
    d.start = shift.zod;
    d.worker_id = worker.id;
    d.group_id = group.id;
    d.day_no = static_cast<uint16_t>(day);
    d.shift_no = static_cast<uint8_t>(shift_no);
    d.day_off_marker = worker.duties[day - 1].day_off_marker;
    return d;
}

Redisplay drop_tile(EditContext& context, const std::string& name, int day, int shift_no,
                    bool ctrl) {
    const std::optional<TileRef> ref = parse_tile_name(name);
    if (!ref) return {};
    if (ref->kind == TileKind::Duty) return move_duty_tile(context, *ref, day, shift_no, ctrl);
    return move_day_off_tile(context, *ref, day);
}

}  // namespace

bool valid_cell(const Roster& roster, int day, int shift_no) {
    const Group* group = roster.current();
    return group && day >= 1 && day <= roster.month_days() && shift_no >= 1 &&
           shift_no <= static_cast<int>(group->profile.shifts.size());
}

bool drop_allowed(EditContext& context, int day, int shift_no) {
    context.view.selected_day = static_cast<uint8_t>(day);
    context.view.selected_shift = static_cast<uint8_t>(shift_no);
    return valid_cell(context.roster, day, shift_no);
}

bool drop_allowed(EditContext& context) {
    const Roster& roster = context.roster;
    if (!valid_worker(roster, roster.current_worker)) {
        context.prompter.inform(tr("msg_WorkerNeed", "Najpierw należy dodać pracownika."));
        return false;
    }
    if (roster.workers[roster.current_worker].old) {
        context.prompter.inform(
            tr("msg_WorkerBlocked",
               "Wybrany pracownik jest zablokowany. Nie można wykonać polecenia."));
        return false;
    }
    return true;
}

Redisplay drop_on_grid(EditContext& context, const DropSource& source, int day, int shift_no,
                       bool ctrl) {
    if (!valid_cell(context.roster, day, shift_no)) return {};
    if (!drop_allowed(context)) return {};
    switch (source.kind) {
        case DropSource::Kind::DutyPanel:
        case DropSource::Kind::WorkerList:
            return drop_new_duty(context, context.roster.current_worker, day, shift_no, ctrl);
        case DropSource::Kind::DayOffPanel:
            return drop_new_day_off(context, day);
        case DropSource::Kind::Tile:
            return drop_tile(context, source.tile, day, shift_no, ctrl);
    }
    return {};
}

// The checks look at the worker the duty is for, which type-to-select may have chosen instead
// of the selected one: its own duty and day off decide, and a blocked worker gets none.
Redisplay drop_new_duty(EditContext& context, int worker_index, int day, int shift_no, bool ctrl) {
    Roster& roster = context.roster;
    if (!valid_cell(roster, day, shift_no) || !valid_worker(roster, worker_index)) return {};
    const Worker& worker = roster.workers[worker_index];
    if (worker.old) {
        context.prompter.inform(
            tr("msg_WorkerBlocked",
               "Wybrany pracownik jest zablokowany. Nie można wykonać polecenia."));
        return {};
    }
    if (worker.duties[day - 1].seq != 0) {
        context.prompter.inform(tr("msg_DutyAlreadyExists",
                                   "Wybrany pracownik ma już wstawiony dyżur w wybranym dniu."));
        return {};
    }
    if (!day_off_lets_duty_in(context, worker, day)) return {};

    const DutySnapshot before = duty_snapshot(worker);
    bool spread = false;
    if (ctrl) {
        dodaj_dyzur(roster, context.options, whole_shift_duty(roster, worker, day, shift_no), true,
                    worker_index);
    } else {
        DutyForm form(roster, context.options, context.prompter, worker_index, day, shift_no);
        context.duty_dialog.show(form);
        spread = form.spread();
    }
    if (!correct_covered_leave(roster, worker_index, before)) return {};
    recompute_worker(roster, context.options, worker_index);
    return {.duties = true, .days_off = true, .day = spread ? 0 : day, .worker_list = true};
}

Redisplay drop_new_day_off(EditContext& context, int day) {
    Roster& roster = context.roster;
    const int worker_index = roster.current_worker;
    if (!valid_worker(roster, worker_index)) return {};
    if (has_day_off_on(roster.workers[worker_index], day)) {
        context.prompter.inform(tr("msg_DayOffAlreadyExists",
                                   "Wybrany pracownik ma już wstawione wolne w wybranym dniu."));
        return {};
    }
    DayOffForm form(roster, context.options, context.prompter, worker_index, day);
    context.day_off_dialog.show(form);
    if (!form.placed()) return {};
    return {.duties = true, .days_off = true, .day = 0, .worker_list = true};
}

}  // namespace tabrel
