#include <benchmark/benchmark.h>

#include <chrono>
#include <string>

#include "planner/month_planner.h"
#include "worktime/hour_split.h"
#include "worktime/month_rebuild.h"

namespace {

using Clock = std::chrono::steady_clock;
using namespace tabrel;

constexpr int kYear = 2024;
constexpr int kMonth = 5;

struct AcceptingPrompter : Prompter {
    bool ask(const std::string&) override { return true; }
    void inform(const std::string&) override {}
    void error(const std::string&) override {}
};

// Four shifts, each staffed by about a fifth of the ward's rotation on ordinary days.
Group ward_group(int workers) {
    Group g;
    g.id = 1;
    g.nazwa = "Interna";
    g.reset_before_automat = true;
    const auto ordinary = static_cast<uint8_t>(workers * 2 / 15);
    const auto holiday = static_cast<uint8_t>(workers / 10);
    g.profile.shifts = {{360, 480, 0, clWhite, "R", "", ordinary, holiday},
                        {840, 480, 0, clWhite, "P", "", ordinary, holiday},
                        {1320, 480, 0, clWhite, "N", "", ordinary, holiday},
                        {420, 720, 0, clWhite, "D", "", ordinary, holiday}};
    g.default_profile = g.profile;
    return g;
}

// A ward of rotation workers on "12340", with sliders spread over their range; their patterns
// give them about a third more than the norm, so every one of them is trimmed.
Roster rotation_ward(int workers, Options& options) {
    Roster roster;
    roster.dodaj_grupe(ward_group(workers), false);
    roster.current_group = 0;
    roster.shown_year = kYear;
    roster.shown_month = kMonth - 1;
    for (int i = 0; i < workers; ++i) {
        Worker w;
        w.id = static_cast<uint16_t>(i + 1);
        w.grupy = "1|";
        w.nazwisko = "Pracownik " + std::to_string(i + 1);
        w.pref_system = true;
        w.pref_system_pattern = "12340";
        w.pref_dn = static_cast<uint8_t>(i % 7);
        w.pref_zs = static_cast<uint8_t>((i / 7) % 7);
        w.etat = i % 5 == 0 ? 50 : 100;
        roster.dodaj_pracow(w, false, 0);
    }
    roster.rebuild_worker_ids();
    normatyw(roster, options, {kYear, kMonth, true, nullptr, {}});
    return roster;
}

double seconds_since(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// The planner run against the baseline of one summary pass over every worker of the month it
// planned.
void BM_PlannerVersusSummaries(benchmark::State& state) {
    Options options;
    AcceptingPrompter prompter;
    const Roster ward = rotation_ward(static_cast<int>(state.range(0)), options);
    double planner_seconds = 0, baseline_seconds = 0;
    int duties = 0;
    for (auto _ : state) {
        Roster roster = ward;
        auto start = Clock::now();
        uloz_tabrel(roster, options, prompter, false);
        const double took = seconds_since(start);
        planner_seconds += took;
        state.SetIterationTime(took);

        start = Clock::now();
        for (int i = 0; i < static_cast<int>(roster.workers.size()); ++i)
            odswiez_pracownika(roster, options, i, true);
        baseline_seconds += seconds_since(start);
        duties = 0;
        for (const Worker& w : roster.workers) duties += w.duty_count;
    }
    state.counters["duties"] = duties;
    state.counters["planner_ms"] = 1000 * planner_seconds / state.iterations();
    state.counters["baseline_ms"] = 1000 * baseline_seconds / state.iterations();
    state.counters["ratio"] = planner_seconds / baseline_seconds;
}
BENCHMARK(BM_PlannerVersusSummaries)
    ->Arg(60)
    ->Arg(200)
    ->UseManualTime()
    ->Repetitions(9)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
