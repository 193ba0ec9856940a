#include "editing/bulk_deletion.h"

#include "editing/entry_operations.h"
#include "i18n/format_text.h"
#include "i18n/text.h"

namespace tabrel {

namespace {

bool confirmed(EditContext& context, std::string_view key, std::string_view polish) {
    return context.prompter.ask(format_text(tr(key, polish), {"\r"}));
}

int worker_count(const EditContext& context) {
    return static_cast<int>(context.roster.workers.size());
}

constexpr Redisplay kMonthChanged{.duties = true, .days_off = true, .day = 0, .worker_list = true};

}  // namespace

Redisplay delete_worker_duties(EditContext& context) {
    if (!confirmed(context, "msg_ConfirmDutiesDelete",
                   "Usunąć wszystkie dyżury w wybranym miesiącu %s wybranego pracownika?"))
        return {};
    usun_dyzur(context.roster, context.options, context.prompter, context.roster.current_worker, 1,
               kMonthSlots, {.any_group = true, .recompute = true, .silent = true});
    return kMonthChanged;
}

// Every worker whose duties went is recomputed, so that the worker list shows no stale totals.
Redisplay delete_all_duties(EditContext& context) {
    if (!confirmed(context, "msg_ConfirmAllDutiesDelete",
                   "Usunąć wszystkie dyżury w wybranym miesiącu dla wybranej grupy? %s Uwaga! "
                   "Podjętej decyzji już nie będzie można cofnąć."))
        return {};
    for (int w = 0; w < worker_count(context); ++w)
        usun_dyzur(context.roster, context.options, context.prompter, w, 1, kMonthSlots,
                   {.any_group = false, .recompute = true, .silent = true});
    return kMonthChanged;
}

Redisplay delete_worker_days_off(EditContext& context) {
    if (!confirmed(context, "msg_ConfirmDaysOffDelete",
                   "Usunąć wszystkie wolne w wybranym miesiącu %s dla wybranego pracownika?"))
        return {};
    usun_wolne(context.roster, context.options, context.prompter, context.roster.current_worker, 1,
               kMonthSlots, {.any_group = true, .silent = true});
    return kMonthChanged;
}

Redisplay delete_all_days_off(EditContext& context) {
    if (!confirmed(context, "msg_ConfirmAllDaysOffDelete",
                   "Usunąć wszystkie wolne w wybranym miesiącu dla wybranej grupy? %s Uwaga! "
                   "Podjętej decyzji już nie będzie można cofnąć."))
        return {};
    for (int w = 0; w < worker_count(context); ++w)
        usun_wolne(context.roster, context.options, context.prompter, w, 1, kMonthSlots,
                   {.any_group = false, .silent = true});
    return kMonthChanged;
}

}  // namespace tabrel
