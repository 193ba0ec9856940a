#include <benchmark/benchmark.h>

#include <chrono>
#include <string>

#include "editing/entry_operations.h"
#include "editing/staffing.h"
#include "optimizer/law_constraints.h"
#include "optimizer/optimal_planner.h"
#include "optimizer/ward.h"
#include "optimizer/warm_start.h"
#include "planner/month_planner.h"
#include "planner/used_time.h"
#include "worktime/hour_split.h"
#include "worktime/law_findings.h"
#include "worktime/month_rebuild.h"

namespace {

using SteadyClock = std::chrono::steady_clock;
using namespace tabrel;

constexpr int kYear = 2025;
constexpr int kMonth = 3;
constexpr int kWorkers = 60;
constexpr int kShiftMinutes = 720;

struct AcceptingPrompter : Prompter {
    bool ask(const std::string&) override { return true; }
    void inform(const std::string&) override {}
    void error(const std::string&) override {}
};

// Days 07:00-19:00 and nights 19:00-07:00, staffed as a large internal ward asks.
Group ward_group() {
    Group g;
    g.id = 1;
    g.nazwa = "Interna";
    g.profile.shifts = {{420, kShiftMinutes, 0, clWhite, "D", "", 12, 9},
                        {1140, kShiftMinutes, 0, clWhite, "N", "", 9, 9}};
    g.default_profile = g.profile;
    return g;
}

// Rotation workers on "1200" with spread wishes, every sixth part-time, every seventh on a week
// of annual leave entered before planning, and a ward sister on "8" duties.
Roster ward(Options& options) {
    Roster roster;
    roster.dodaj_grupe(ward_group(), false);
    roster.current_group = 0;
    roster.shown_year = kYear;
    roster.shown_month = kMonth - 1;
    for (int i = 0; i < kWorkers; ++i) {
        Worker w;
        w.id = static_cast<uint16_t>(i + 1);
        w.grupy = "1|";
        w.nazwisko = "Pracownik " + std::to_string(i + 1);
        w.pref_system = i != 0;
        w.pref_8 = i == 0;
        w.pref_system_pattern = "1200";
        w.pref_dn = static_cast<uint8_t>(i % 7);
        w.pref_zs = 3;
        w.etat = i % 6 == 5 ? 50 : 100;
        w.urlop = 26 * 480;
        roster.dodaj_pracow(w, false, 0);
    }
    roster.rebuild_worker_ids();
    normatyw(roster, options, {kYear, kMonth, true, nullptr, {}});
    AcceptingPrompter prompter;
    for (int i = 3; i < kWorkers; i += 7) {
        const auto from = static_cast<uint8_t>(1 + (i * 5) % 24);
        DayOff leave{0,  0, static_cast<uint16_t>(i + 1), 1, from, static_cast<uint8_t>(from + 6),
                     'u'};
        dodaj_wolne(roster, prompter, leave, i);
    }
    for (int i = 0; i < kWorkers; ++i) odswiez_pracownika(roster, options, i, false);
    return roster;
}

long shortfall_minutes(Roster& roster) {
    odswiez_iledy(roster);
    long total = 0;
    for (int d = 0; d < roster.month_days(); ++d)
        for (int k = 0; k < shift_count(roster); ++k)
            total += long{std::max(0, required_staffing(roster, d, k) - staffing(roster, d, k))} *
                     roster.current()->profile.shifts[k].zile;
    return total;
}

// Workers more than one shift away from the norm.
int off_norm(Roster& roster, const Options& options) {
    int off = 0;
    for (int i = 0; i < kWorkers; ++i) {
        odswiez_pracownika(roster, options, i, false);
        const Worker& w = roster.workers[i];
        off += std::abs(used_time(w) - w.norma) > kShiftMinutes;
    }
    return off;
}

// The spread of nights and of weekend duties over the full-time rotation workers without leave.
std::pair<int, int> share_spreads(const OptimalPlan& plan) {
    int nights[2] = {1 << 20, 0}, weekends[2] = {1 << 20, 0};
    for (const DutyShares& s : plan.shares) {
        const int i = s.worker - 1;
        if (i == 0 || i % 6 == 5 || i % 7 == 3) continue;
        nights[0] = std::min(nights[0], s.nights), nights[1] = std::max(nights[1], s.nights);
        weekends[0] = std::min(weekends[0], s.weekend_days);
        weekends[1] = std::max(weekends[1], s.weekend_days);
    }
    return {nights[1] - nights[0], weekends[1] - weekends[0]};
}

double seconds_since(SteadyClock::time_point start) {
    return std::chrono::duration<double>(SteadyClock::now() - start).count();
}

// The optimizing planner against "Rozpisz dyżury" and the quick plan it starts from, on the
// same ward in the same run: seconds, hours short and law findings of each.
void BM_OptimizerVersusPlanner(benchmark::State& state) {
    Options options;
    AcceptingPrompter prompter;
    const Roster before = ward(options);
    for (auto _ : state) {
        Roster planned = before;
        auto start = SteadyClock::now();
        uloz_tabrel(planned, options, prompter, false);
        state.counters["planner_s"] = seconds_since(start);
        const long planner_short = shortfall_minutes(planned);
        state.counters["planner_short_h"] = planner_short / 60.0;
        state.counters["planner_findings"] =
            static_cast<double>(law_findings(planned, {}, options.law, 1).size());
        state.counters["planner_off_norm"] = off_norm(planned, options);

        const Ward w = build_ward(before, options, {});
        Roster quick = before;
        OptimalPlan greedy;
        const std::vector<bool> given = greedy_plan(w, law_constraints(w));
        for (size_t c = 0; c < given.size(); ++c)
            if (given[c]) {
                const DutyChoice& choice = w.choices[c];
                greedy.duties.push_back(
                    {w.workers[choice.worker].id, choice.day + 1, choice.shift, choice.eight});
            }
        place_optimal_plan(quick, options, prompter, greedy, false);
        state.counters["greedy_short_h"] = shortfall_minutes(quick) / 60.0;
        const OptimalPlan greedy_report = plan_optimally(
            before, options, {1, 0, false}, [](const OptimizerProgress&) { return false; });
        state.counters["greedy_objective"] = greedy_report.objective;
        state.counters["greedy_night_spread"] = share_spreads(greedy_report).first;
        state.counters["greedy_weekend_spread"] = share_spreads(greedy_report).second;

        Roster optimal = before;
        start = SteadyClock::now();
        const OptimalPlan plan = plan_optimally(optimal, options, {10, 0, false});
        const double took = seconds_since(start);
        state.SetIterationTime(took);
        place_optimal_plan(optimal, options, prompter, plan, false);
        state.counters["optimizer_s"] = took;
        state.counters["optimizer_short_h"] = shortfall_minutes(optimal) / 60.0;
        state.counters["optimizer_findings"] =
            static_cast<double>(law_findings(optimal, {}, options.law, 1).size());
        state.counters["optimizer_off_norm"] = off_norm(optimal, options);
        state.counters["short_ratio"] =
            planner_short == 0 ? 0.0 : double(shortfall_minutes(optimal)) / planner_short;
        state.counters["duties"] = static_cast<double>(plan.duties.size());
        state.counters["objective"] = plan.objective;
        state.counters["night_spread"] = share_spreads(plan).first;
        state.counters["weekend_spread"] = share_spreads(plan).second;
    }
}
BENCHMARK(BM_OptimizerVersusPlanner)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

}  // namespace

BENCHMARK_MAIN();
