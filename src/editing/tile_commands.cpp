#include "editing/tile_commands.h"

#include <algorithm>
#include <optional>

#include "editing/covered_leave.h"
#include "editing/duty_form.h"
#include "editing/entry_operations.h"
#include "editing/tile_name.h"
#include "i18n/format_text.h"
#include "i18n/text.h"

namespace tabrel {

namespace {

// The tile's reference when it names a worker of the register and a day of the month.
std::optional<TileRef> known_tile(const Roster& roster, std::string_view name) {
    const std::optional<TileRef> ref = parse_tile_name(name);
    if (!ref || ref->worker >= static_cast<int>(roster.workers.size())) return std::nullopt;
    if (ref->day >= std::min(roster.month_days(), kMonthSlots)) return std::nullopt;
    return ref;
}

bool on_request_duty(const Roster& roster, const TileRef& ref) {
    const Duty& duty = roster.workers[ref.worker].duties[ref.day];
    return ref.kind == TileKind::Duty && duty.seq != 0 && duty.on_request;
}

}  // namespace

TilePopup tile_popup(const Roster& roster, std::string_view tile) {
    const std::optional<TileRef> ref = known_tile(roster, tile);
    if (!ref) return {};
    return {.edit_visible = ref->kind == TileKind::Duty,
            .restore_enabled = roster.workers[ref->worker].old};
}

Redisplay kosz(EditContext& context, std::string_view tile) {
    const std::optional<TileRef> ref = known_tile(context.roster, tile);
    if (!ref) return {};
    const int day = ref->day + 1;
    if (ref->kind == TileKind::Duty) {
        if (usun_dyzur(context.roster, context.options, context.prompter, ref->worker, day, day,
                       {.any_group = true, .recompute = true, .silent = true}) == 0)
            return {};
        return {.duties = true, .days_off = true, .day = day, .worker_list = true};
    }
    if (usun_wolne(context.roster, context.options, context.prompter, ref->worker, day, day,
                   {.any_group = true, .silent = true}) == 0)
        return {};
    return {.duties = true, .days_off = true, .day = 0, .worker_list = true};
}

Redisplay delete_tile(EditContext& context, std::string_view tile) {
    const std::optional<TileRef> ref = known_tile(context.roster, tile);
    if (!ref) return {};
    if (on_request_duty(context.roster, *ref) &&
        !context.prompter.ask(format_text(
            tr("msg_ConfirmOnRequestDutyDelete",
               "Dyżur, który chcesz usunąć został oznaczony jako \"na życzenie\"%s Czy na pewno "
               "go usunąć?"),
            {"\r"})))
        return {};
    return kosz(context, tile);
}

Redisplay edit_tile(EditContext& context, std::string_view tile) {
    const std::optional<TileRef> ref = known_tile(context.roster, tile);
    if (!ref || ref->kind != TileKind::Duty) return {};
    Roster& roster = context.roster;
    Duty duty = roster.workers[ref->worker].duties[ref->day];
    if (duty.seq == 0) return {};
    duty.day_no = static_cast<uint16_t>(ref->day + 1);
    recompute_worker(roster, context.options, ref->worker);
    const DutySnapshot before = duty_snapshot(roster.workers[ref->worker]);
    DutyForm form = DutyForm::editing(roster, context.options, context.prompter, ref->worker, duty);
    context.duty_dialog.show(form);
    if (!correct_covered_leave(roster, ref->worker, before)) return {};
    recompute_worker(roster, context.options, ref->worker);
    return {.duties = true,
            .days_off = true,
            .day = form.spread() ? 0 : ref->day + 1,
            .worker_list = true};
}

}  // namespace tabrel
