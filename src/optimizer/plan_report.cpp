#include "optimizer/plan_report.h"

#include "optimizer/planned_entry.h"
#include "planner/used_time.h"
#include "worktime/hour_split.h"

namespace tabrel {

namespace {

void report_shortfall(const Ward& ward, OptimalPlan& plan) {
    std::vector<std::vector<int>> heads = ward.present;
    for (const PlannedDuty& p : plan.duties) ++heads[p.day - 1][p.shift - 1];
    plan.shortfall.clear();
    plan.shortfall_minutes = 0;
    for (int d = 0; d < ward.days; ++d)
        for (size_t k = 0; k < ward.shift_length.size(); ++k) {
            const int missing = ward.required[d][k] - heads[d][k];
            if (missing <= 0) continue;
            const long minutes = long{missing} * ward.shift_length[k];
            plan.shortfall.push_back({d + 1, static_cast<int>(k) + 1, missing, minutes});
            plan.shortfall_minutes += minutes;
        }
}

void report_workers(const Ward& ward, const Options& options, OptimalPlan& plan) {
    Roster roster = ward.roster;
    put_planned(roster, plan.duties);
    plan.norms.clear();
    plan.shares.clear();
    for (size_t w = 0; w < ward.workers.size(); ++w) {
        const WardWorker& worker = ward.workers[w];
        odswiez_pracownika(roster, options, worker.index, ward.settings.all_groups);
        const Worker& planned = roster.workers[worker.index];
        plan.norms.push_back({worker.id, long{used_time(planned)} - planned.norma});
        DutyShares shares{worker.id, worker.fixed_nights, worker.fixed_weekend};
        for (const DutyChoice& c : ward.choices) {
            if (c.worker != static_cast<int>(w)) continue;
            const Duty& d = planned.duties[c.day];
            if (d.seq == 0 || d.accepted || d.shift_no != c.shift) continue;
            shares.nights += c.night;
            shares.weekend_days += c.weekend;
        }
        plan.shares.push_back(shares);
    }
}

}  // namespace

void report_plan(const Ward& ward, const Options& options, OptimalPlan& plan) {
    report_shortfall(ward, plan);
    report_workers(ward, options, plan);
}

}  // namespace tabrel
