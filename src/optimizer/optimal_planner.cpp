#include "optimizer/optimal_planner.h"

#include <chrono>
#include <cmath>

#include "optimizer/cbc_search.h"
#include "optimizer/law_constraints.h"
#include "optimizer/law_safety.h"
#include "optimizer/objective.h"
#include "optimizer/plan_report.h"
#include "optimizer/ward.h"
#include "optimizer/warm_start.h"

namespace tabrel {

namespace {

using SteadyClock = std::chrono::steady_clock;

std::vector<PlannedDuty> duties_of(const Ward& ward, const std::vector<bool>& given) {
    std::vector<PlannedDuty> out;
    for (size_t c = 0; c < ward.choices.size(); ++c) {
        if (!given[c]) continue;
        const DutyChoice& choice = ward.choices[c];
        out.push_back({ward.workers[choice.worker].id, choice.day + 1, choice.shift, choice.eight});
    }
    return out;
}

std::vector<bool> given_in(const std::vector<double>& values, size_t choices) {
    std::vector<bool> given(choices);
    for (size_t c = 0; c < choices; ++c) given[c] = values[c] > 0.5;
    return given;
}

}  // namespace

OptimalPlan plan_optimally(const Roster& roster, const Options& options,
                           const OptimizerSettings& settings, const OptimizerProgressFn& progress) {
    const auto began = SteadyClock::now();
    const Ward ward = build_ward(roster, options, settings);
    OptimalPlan plan;
    plan.status = "nothing_to_plan";
    if (!ward.choices.empty()) {
        const LawConstraints law = law_constraints(ward);
        LinearModel model;
        for (size_t c = 0; c < ward.choices.size(); ++c)
            model.add_column(0, law.forbidden[c] ? 0 : 1, 0, true);
        add_law_rows(ward, law, model);
        add_objective(ward, model);
        const std::vector<bool> greedy = greedy_plan(ward, law);
        const std::vector<double> start(greedy.begin(), greedy.end());
        // Between better plans the last one is told again, so a waiting window stays current.
        OptimizerProgress best{0, shortfall_minutes(ward, greedy), 0};
        const SearchReport report = [&](const std::vector<double>& values, double objective,
                                        double seconds) {
            if (!values.empty()) {
                best.shortfall_minutes =
                    shortfall_minutes(ward, given_in(values, ward.choices.size()));
                best.objective = objective;
            }
            best.seconds = seconds;
            return !progress || progress(best);
        };
        const SearchResult found = search(model, start, settings.seconds, report);
        plan.status = found.status;
        plan.objective = found.objective;
        // The quick plan keeps every limit too; it stands in when the solver found nothing.
        plan.duties = duties_of(
            ward, found.values.empty() ? greedy : given_in(found.values, ward.choices.size()));
        drop_law_breaking(ward.roster, ward.neighbours, ward.limits, plan.duties);
    }
    report_plan(ward, options, plan);
    plan.seconds = std::chrono::duration<double>(SteadyClock::now() - began).count();
    return plan;
}

}  // namespace tabrel
