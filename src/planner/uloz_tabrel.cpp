#include "planner/uloz_tabrel.h"

#include <optional>
#include <vector>

#include "editing/entry_operations.h"
#include "planner/acceptance.h"
#include "planner/filling.h"
#include "planner/rotation.h"
#include "planner/rozpisz_8.h"
#include "planner/top_up.h"
#include "planner/trimming.h"
#include "planner/used_time.h"

namespace tabrel {

namespace {

enum ResidueDistribution : uint8_t { kAlways = 0, kAtPeriodEnd = 1 };
constexpr uint8_t kAlgorithm1 = 0;

bool planned_member(const Roster& roster, const Worker& w) {
    return belongs_to(w, roster.current()->id) && !w.old;
}

// Full-time "8" workers keep every duty their pattern gave them: no trimming, no top-up.
bool full_time_eight(const Worker& w) {
    return w.pref_8 && w.etat == 100;
}

Duty eight_template(const Worker& w, const Group& group) {
    Duty d;
    d.duration = group.profile.day8;
    d.start = 0;
    d.overtime = 0;
    d.worker_id = w.id;
    d.group_id = group.id;
    d.accepted = false;
    d.on_request = false;
    return d;
}

// Step 2: the fixed patterns of every worker who has used nothing of the month yet. Returns
// which workers the planner handles from now on.
std::vector<bool> place_patterns(Roster& roster, const Options& options) {
    const Group& group = *roster.current();
    std::vector<bool> handled(roster.workers.size(), false);
    int offset = 0;
    for (int i = 0; i < static_cast<int>(roster.workers.size()); ++i) {
        Worker& w = roster.workers[i];
        if (!planned_member(roster, w)) continue;
        recompute_worker(roster, options, i);
        if (w.summary.leave_toward_norm == 0) {
            for (Duty& d : w.duties) d.day_off_marker = false;
        }
        const bool unused = used_time(w) == 0;
        if (w.pref_8 && unused) {
            handled[i] = true;
            rozpisz_8(roster, options, i, eight_template(w, group), false);
        }
        if (w.pref_system && unused && !w.pref_system_pattern.empty()) {
            handled[i] = true;
            place_rotation(roster, options, i, offset);
            if (group.Algorithm == kAlgorithm1)
                offset = (offset + 1) % static_cast<int>(w.pref_system_pattern.size());
        }
    }
    return handled;
}

bool tops_up(const Group& group) {
    return group.NormaResidueDistribution == kAlways ||
           (group.NormaResidueDistribution == kAtPeriodEnd && group.NewPeriod);
}

bool trimmed(const Roster& roster, const std::vector<bool>& handled, int i) {
    const Worker& w = roster.workers[i];
    return handled[i] && belongs_to(w, roster.current()->id) && !full_time_eight(w);
}

}  // namespace

void uloz_tabrel(Roster& roster, const Options& options, Prompter& prompter) {
    if (!roster.current()) return;
    if (roster.current()->reset_before_automat) reset_start_positions(roster);
    const std::vector<bool> handled = place_patterns(roster, options);
    odswiez_iledy(roster);

    // The top-up measures against the reference last computed while trimming; a run that
    // trimmed nobody takes the present staffing instead of one left from an earlier run.
    std::optional<std::vector<ReferenceStaffing>> reference;
    for (int i = 0; i < static_cast<int>(roster.workers.size()); ++i) {
        if (!trimmed(roster, handled, i)) continue;
        if (auto last = trim_to_norm(roster, options, prompter, i)) reference = std::move(last);
    }

    fill_understaffed(roster, options, prompter);

    if (tops_up(*roster.current()) && shift_count(roster) > 0) {
        if (!reference) reference = reference_staffing(roster);
        for (int i = 0; i < static_cast<int>(roster.workers.size()); ++i) {
            if (trimmed(roster, handled, i)) top_up(roster, options, i, (*reference)[0].ordinary);
        }
    }

    accept_or_discard(roster, options, prompter);
}

}  // namespace tabrel
