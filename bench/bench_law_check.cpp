#include <benchmark/benchmark.h>

#include <chrono>

#include "storage/options.h"
#include "worktime/hour_split.h"
#include "worktime/law_findings.h"

namespace {

using Clock = std::chrono::steady_clock;
using namespace tabrel;

constexpr int kWorkers = 200;
constexpr int kDays = 31;

// 200 workers with a duty every other day, day and night shifts mixed so that some days hold
// two starts, and the previous and next months' edges filled likewise.
Roster ward() {
    Roster roster;
    Group g;
    g.id = 1;
    roster.groups.push_back(g);
    roster.current_group = 0;
    roster.shown_year = 2024;
    roster.shown_month = 4;
    for (int i = 0; i < kWorkers; ++i) {
        Worker w;
        w.id = static_cast<uint16_t>(i + 1);
        w.grupy = "1|";
        for (int day = 1 + i % 2; day <= kDays; day += 2) {
            Duty& d = w.duties[day - 1];
            d.seq = static_cast<int16_t>(day);
            d.worker_id = w.id;
            d.group_id = 1;
            d.day_no = static_cast<uint16_t>(day);
            d.shift_no = static_cast<uint8_t>(1 + (day / 2 + i) % 2);
            d.start = d.shift_no == 1 ? 420 : 1140;
            d.duration = 720;
            d.overtime = static_cast<int16_t>(day % 7 == 0 ? 90 : 0);
        }
        roster.workers.push_back(w);
    }
    roster.rebuild_worker_ids();
    return roster;
}

LawNeighbours neighbours(const Roster& roster) {
    LawNeighbours n;
    n.previous = {2024, 4, {}, {}};
    n.next = {2024, 6, {}, {}};
    for (const Worker& w : roster.workers) {
        Duty d = w.duties[w.id % 2 == 0 ? 1 : 0];
        d.day_no = 30;
        n.previous.duties.push_back(d);
        d.day_no = 1;
        n.next.duties.push_back(d);
    }
    for (int m = 1; m < 5; ++m) n.earlier_this_year.push_back({2024, m, n.previous.duties, {}});
    return n;
}

double seconds_since(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// The baseline: one summary pass over the same workers, as every change runs it.
void BM_LawFindingsVersusSummaryPass(benchmark::State& state) {
    Roster roster = ward();
    const LawNeighbours n = neighbours(roster);
    const Options options;
    double check_seconds = 0, baseline_seconds = 0;
    size_t findings = 0;
    for (auto _ : state) {
        auto start = Clock::now();
        for (int i = 0; i < kWorkers; ++i)
            benchmark::DoNotOptimize(odswiez_pracownika(roster, options, i, true));
        baseline_seconds += seconds_since(start);

        start = Clock::now();
        const auto found = law_findings(roster, n, options.law, 1);
        const double took = seconds_since(start);
        findings = found.size();
        check_seconds += took;
        state.SetIterationTime(took);
    }
    state.counters["findings"] = static_cast<double>(findings);
    state.counters["baseline_ms"] = 1000 * baseline_seconds / state.iterations();
    state.counters["check_ms"] = 1000 * check_seconds / state.iterations();
    state.counters["ratio"] = check_seconds / baseline_seconds;
}
BENCHMARK(BM_LawFindingsVersusSummaryPass)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
