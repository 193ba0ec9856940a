#include "planner/acceptance.h"

#include <algorithm>

#include "editing/entry_operations.h"
#include "i18n/text.h"

namespace tabrel {

namespace {

bool any_unaccepted(const Roster& roster) {
    const int days = std::min(roster.month_days(), kMonthSlots);
    return std::any_of(roster.workers.begin(), roster.workers.end(), [&](const Worker& w) {
        return std::any_of(w.duties.begin(), w.duties.begin() + days,
                           [](const Duty& d) { return d.seq != 0 && !d.accepted; });
    });
}

void accept_all(Roster& roster) {
    for (Worker& w : roster.workers) {
        for (Duty& d : w.duties) d.accepted = true;
    }
}

void discard_unaccepted(const PlanRun& run) {
    const int days = run.roster.month_days();
    for (int i = 0; i < static_cast<int>(run.roster.workers.size()); ++i)
        usun_dyzur(
            run.roster, run.options, run.prompter, i, 1, days,
            {.any_group = true, .recompute = false, .unaccepted_only = true, .silent = true});
}

void refresh_all(const PlanRun& run) {
    for (int i = 0; i < static_cast<int>(run.roster.workers.size()); ++i) run.refresh(i);
}

}  // namespace

void accept_or_discard(const PlanRun& run, const MonthSnapshot& before) {
    if (!any_unaccepted(run.roster)) {
        restore_snapshot(run.roster, before);
    } else if (run.prompter.ask(
                   tr("msg_AutoDutiesAccept", "Czy zatwierdzić automatycznie wpisane dyżury?"))) {
        accept_all(run.roster);
    } else {
        restore_snapshot(run.roster, before);
        if (any_unaccepted(run.roster)) discard_unaccepted(run);
    }
    refresh_all(run);
}

}  // namespace tabrel
