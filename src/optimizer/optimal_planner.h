#pragma once

#include <functional>
#include <string>
#include <vector>

#include "base/prompter.h"
#include "model/roster.h"
#include "storage/options.h"

namespace tabrel {

// How long and how freely the optimizing planner may search.
struct OptimizerSettings {
    int seconds = 10;          // wall-clock limit of the search
    int overtime_minutes = 0;  // how far above the norm a worker may be planned
    bool all_groups = false;   // used time read over every group (as the summaries)
};

// The best plan found so far, reported while the solver works.
struct OptimizerProgress {
    double seconds = 0;
    long shortfall_minutes = 0;
    double objective = 0;
};

// Called on the solver's thread each time a better plan is found (and now and then); return
// false to stop the search and keep the best plan so far.
using OptimizerProgressFn = std::function<bool(const OptimizerProgress&)>;

struct PlannedDuty {
    int worker = 0;      // worker id
    int day = 0;         // 1-based day of the shown month
    int shift = 0;       // 1-based shift of the group
    bool eight = false;  // an "8" duty rather than a shift
};

struct ShortfallLine {
    int day = 0;
    int shift = 0;
    int heads = 0;     // required heads not covered
    long minutes = 0;  // their hours in minutes
};

struct NormDeviation {
    int worker = 0;
    long minutes = 0;  // worked plus leave credited minus norm (negative: under)
};

struct DutyShares {
    int worker = 0;
    int nights = 0;
    int weekend_days = 0;  // duties on Saturdays, Sundays and holidays
};

struct OptimalPlan {
    // "optimal", "time_limit", "stopped", "infeasible" or "nothing_to_plan"
    std::string status;
    double seconds = 0;
    long shortfall_minutes = 0;
    double objective = 0;
    std::vector<PlannedDuty> duties;  // only the new duties, never an entry already there
    std::vector<ShortfallLine> shortfall;
    std::vector<NormDeviation> norms;
    std::vector<DutyShares> shares;
};

// Searches the best duties for the shown month of the current group. Reads the roster only, so
// it may run on a worker thread while the window waits.
OptimalPlan plan_optimally(const Roster& roster, const Options& options,
                           const OptimizerSettings& settings,
                           const OptimizerProgressFn& progress = {});

// Places the plan's duties unaccepted, then asks the planner's own question "Czy zatwierdzić
// automatycznie wpisane dyżury?": yes accepts them, no puts the month back exactly as it was.
// Returns whether the duties were kept.
bool place_optimal_plan(Roster& roster, const Options& options, Prompter& prompter,
                        const OptimalPlan& plan, bool all_groups);

}  // namespace tabrel
