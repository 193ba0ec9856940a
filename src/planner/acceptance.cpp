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

void discard_unaccepted(Roster& roster, const Options& options, Prompter& prompter) {
    const int days = roster.month_days();
    for (int i = 0; i < static_cast<int>(roster.workers.size()); ++i)
        usun_dyzur(
            roster, options, prompter, i, 1, days,
            {.any_group = true, .recompute = false, .unaccepted_only = true, .silent = true});
}

}  // namespace

void accept_or_discard(Roster& roster, const Options& options, Prompter& prompter) {
    if (!any_unaccepted(roster)) return;
    if (prompter.ask(tr("msg_AutoDutiesAccept", "Czy zatwierdzić automatycznie wpisane dyżury?")))
        accept_all(roster);
    else
        discard_unaccepted(roster, options, prompter);
    recompute_worker(roster, options, roster.current_worker);
}

}  // namespace tabrel
