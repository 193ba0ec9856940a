#include "planner/month_planner.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "editing/covered_leave.h"
#include "editing/covered_marks.h"
#include "planner/acceptance.h"
#include "planner/eight_hour_placement.h"
#include "planner/filling.h"
#include "planner/month_snapshot.h"
#include "planner/plan_run.h"
#include "planner/rotation.h"
#include "planner/top_up.h"
#include "planner/trimming.h"
#include "planner/used_time.h"

namespace tabrel {

namespace {

enum ResidueDistribution : uint8_t { kAlways = 0, kAtPeriodEnd = 1 };
constexpr uint8_t kAlgorithm1 = 0;
constexpr int kDayMinutes = 1440;

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
std::vector<bool> place_patterns(const PlanRun& run) {
    Roster& roster = run.roster;
    const Group& group = *roster.current();
    std::vector<bool> handled(roster.workers.size(), false);
    int offset = 0;
    for (int i = 0; i < static_cast<int>(roster.workers.size()); ++i) {
        Worker& w = roster.workers[i];
        if (!planned_member(roster, w)) continue;
        run.refresh(i);
        // Marks left behind by earlier edits go; those of the worker's days off stay, so a
        // duty placed on a day of leave is counted as the leave says.
        mark_covered_days(w, 1, kMonthSlots);
        const bool unused = used_time(w) == 0;
        if (w.pref_8 && unused) {
            handled[i] = true;
            rozpisz_8(roster, run.options, i, eight_template(w, group), false);
        }
        if (w.pref_system && unused && !w.pref_system_pattern.empty()) {
            handled[i] = true;
            place_rotation(roster, run.options, i, offset);
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

// A top-up duty is never longer than the group's longest shift, nor than a day.
int longest_top_up(const Group& group) {
    int longest = 0;
    for (const Shift& s : group.profile.shifts) longest = std::max<int>(longest, s.zile);
    return std::min(longest, kDayMinutes);
}

// Step 5, against the reference this run's trimming computed.
void top_up_all(const PlanRun& run, const std::vector<bool>& handled,
                const std::vector<ReferenceStaffing>& reference) {
    const int longest = longest_top_up(*run.roster.current());
    for (int i = 0; i < static_cast<int>(run.roster.workers.size()); ++i) {
        if (!trimmed(run.roster, handled, i)) continue;
        run.refresh(i);
        top_up(run.roster, run.options, i, reference[0].ordinary, longest);
    }
}

// Duties that came or went on days of leave change what that leave is worth; the accounts
// follow, so that accepting keeps them true and declining restores them.
void settle_covered_leave(Roster& roster, const MonthSnapshot& before) {
    for (int i = 0; i < static_cast<int>(roster.workers.size()); ++i)
        correct_covered_leave(roster, i, duty_snapshot(before.workers[i]));
}

}  // namespace

void uloz_tabrel(Roster& roster, const Options& options, Prompter& prompter, bool all_groups) {
    if (!roster.current()) return;
    const MonthSnapshot before = take_snapshot(roster);
    const PlanRun run{roster, options, prompter, all_groups};
    if (roster.current()->reset_before_automat) reset_start_positions(roster);
    const std::vector<bool> handled = place_patterns(run);
    odswiez_iledy(roster);

    // Only a reference this run computed says how staffed a day may be for a top-up; without
    // one there is no top-up at all.
    std::optional<std::vector<ReferenceStaffing>> reference;
    for (int i = 0; i < static_cast<int>(roster.workers.size()); ++i) {
        if (!trimmed(roster, handled, i)) continue;
        if (auto last = trim_to_norm(run, i)) reference = std::move(last);
    }

    fill_understaffed(roster, options, prompter);

    if (tops_up(*roster.current()) && reference && !reference->empty())
        top_up_all(run, handled, *reference);

    settle_covered_leave(roster, before);
    accept_or_discard(run, before);
}

}  // namespace tabrel
