#include "editing/keyboard_entry.h"

#include <optional>

#include "editing/grid_drop.h"
#include "editing/text_case.h"
#include "editing/worker_list_rows.h"
#include "i18n/format_text.h"
#include "i18n/text.h"

namespace tabrel {

namespace {

bool selected_cell_valid(EditContext& context) {
    if (valid_cell(context.roster, context.view.selected_day, context.view.selected_shift))
        return true;
    context.prompter.inform(format_text(
        tr("msg_CheckValidDay",
           "Zaznacz na kalendarzu prawidłowy dzień lub noc, %s w którym ma być wstawiony dyżur."),
        {"\r"}));
    return false;
}

Redisplay drop_on_selected_cell(EditContext& context, DropSource::Kind kind) {
    if (!selected_cell_valid(context)) return {};
    return drop_on_grid(context, {.kind = kind, .tile = {}}, context.view.selected_day,
                        context.view.selected_shift, false);
}

std::optional<int> worker_by_short_name(const EditContext& context, std::string_view pseudo) {
    const Roster& roster = context.roster;
    const int last = static_cast<int>(roster.workers.size()) - 1;
    for (const WorkerListRow& row : odswiez_liste_prac_panel(roster, context.view, 0, last)) {
        if (equal_ignoring_case(roster.workers[row.worker].pseudo, pseudo)) return row.worker;
    }
    return std::nullopt;
}

}  // namespace

Redisplay add_duty_at_selection(EditContext& context) {
    return drop_on_selected_cell(context, DropSource::Kind::DutyPanel);
}

Redisplay add_day_off_at_selection(EditContext& context) {
    return drop_on_selected_cell(context, DropSource::Kind::DayOffPanel);
}

Redisplay TypeToSelect::shift_released(EditContext& context) {
    const std::string typed = std::move(typed_);
    typed_.clear();
    const std::optional<int> worker = worker_by_short_name(context, typed);
    if (!worker || !selected_cell_valid(context) || !drop_allowed(context)) return {};
    return drop_new_duty(context, *worker, context.view.selected_day, context.view.selected_shift,
                         false);
}

}  // namespace tabrel
