#include "printouts/window_lists.h"

#include <algorithm>

#include "editing/tile_layout.h"
#include "editing/worker_list_rows.h"

namespace tabrel {

void fill_window_lists(GenerationContext& ctx, const ViewState& view) {
    // Where tiles sit in a cell does not change what they count, so one tile to a column will do.
    const std::vector<int> temporary =
        lay_out_tiles(ctx.roster, view, ctx.options, 1).temporary_workers;
    const Roster& roster = ctx.roster;
    ctx.group_list.clear();
    for (size_t i = 0; i < roster.groups.size(); ++i) {
        if (!roster.groups[i].old) ctx.group_list.push_back(static_cast<int>(i));
    }
    ctx.worker_list.clear();
    if (roster.current() != nullptr) {
        std::vector<WorkerListRow> rows =
            odswiez_liste_prac_panel(roster, view, 0, static_cast<int>(roster.workers.size()) - 1);
        add_temporary_rows(rows, roster, temporary);
        for (const WorkerListRow& row : rows) ctx.worker_list.push_back(row.worker);
    }
    const auto& list = ctx.worker_list;
    const bool listed = std::find(list.begin(), list.end(), roster.current_worker) != list.end();
    ctx.selected_worker = listed ? roster.current_worker : list.empty() ? -1 : list.front();
    const int days = roster.month_days();
    ctx.selected_day =
        view.selected_day >= 1 && view.selected_day <= days ? view.selected_day - 1 : 0;
}

}  // namespace tabrel
