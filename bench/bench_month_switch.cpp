#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>

#include "app/month_switch.h"
#include "base/clock.h"
#include "storage/safe_file.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;
using namespace tabrel;

constexpr int kWorkers = 200;
constexpr int kYear = 2024;
constexpr int kMonth = 5;

struct SilentPrompter : Prompter {
    bool ask(const std::string&) override { return true; }
    void inform(const std::string&) override {}
    void error(const std::string&) override {}
};

Group ward_group() {
    Group g;
    g.id = 1;
    g.nazwa = "Interna";
    g.profile.shifts.resize(2);
    g.profile.shifts[0] = {420, 720, 455, clWhite, "R", "", 4, 3};
    g.profile.shifts[1] = {1140, 720, 0, clWhite, "N", "", 3, 3};
    g.default_profile = g.profile;
    return g;
}

// A ward of 200 workers with a duty every other day, some with overtime and notes, and a week
// of leave for every fourth worker.
void fill_month(Roster& roster) {
    for (int i = 0; i < kWorkers; ++i) {
        const int index = static_cast<int>(roster.workers.size()) - kWorkers + i;
        const uint16_t id = roster.workers[index].id;
        const bool on_leave = i % 4 == 0;
        for (int day = 1 + i % 2; day <= 31; day += 2) {
            if (on_leave && day >= 13 && day <= 17) continue;
            Duty d;
            d.worker_id = id;
            d.group_id = 1;
            d.day_no = static_cast<uint16_t>(day);
            d.shift_no = static_cast<uint8_t>(1 + (day / 2 + i) % 2);
            d.start = d.shift_no == 1 ? 420 : 1140;
            d.duration = 720;
            d.overtime = static_cast<int16_t>(day % 7 == 0 ? 90 : 0);
            if (day % 10 == 0) d.note = "Zamiana";
            roster.dodaj_dyzur(d, index);
        }
        if (on_leave) {
            DayOff leave;
            leave.worker_id = id;
            leave.group_id = 1;
            leave.from_day = 13;
            leave.to_day = 17;
            leave.kind = 'u';
            leave.minutes = 5 * 455;
            roster.dodaj_wolne(leave, index);
        }
    }
}

struct MonthBench {
    fs::path folder;
    SilentPrompter prompter;
    Locale locale;
    Roster roster;
    Options options;
    MonthSwitch months{roster, options, prompter, locale, system_clock()};

    MonthBench() {
        std::string tmpl = (fs::temp_directory_path() / "tabrel-bench-XXXXXX").string();
        if (!mkdtemp(tmpl.data())) throw std::runtime_error("no temporary folder");
        folder = tmpl;
        roster.data_folder = folder;
        roster.dodaj_grupe(ward_group(), false);
        roster.current_group = 0;
        for (int i = 0; i < kWorkers; ++i) {
            Worker w;
            w.id = static_cast<uint16_t>(i + 1);
            w.grupy = "1|";
            w.nazwisko = "Pracownik " + std::to_string(i + 1);
            roster.dodaj_pracow(w, false, 0);
        }
        roster.rebuild_worker_ids();
        months.switch_to(kYear, kMonth);
        fill_month(roster);
        months.save_at_exit();
    }
    ~MonthBench() {
        std::error_code ec;
        fs::remove_all(folder, ec);
    }
};

double seconds_since(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// The baseline: the month file's bytes read and written back the same safe way, unparsed.
void copy_month_bytes(const fs::path& file) {
    const auto bytes = read_file(file);
    if (!bytes || !write_file_atomic(file, *bytes)) throw std::runtime_error("baseline failed");
}

void BM_MonthSwitchVersusBytes(benchmark::State& state) {
    MonthBench bench;
    const fs::path file = bench.roster.month_file;
    double switch_seconds = 0, baseline_seconds = 0;
    for (auto _ : state) {
        auto start = Clock::now();
        copy_month_bytes(file);
        baseline_seconds += seconds_since(start);

        start = Clock::now();
        bench.months.switch_to(kYear, kMonth);
        const double took = seconds_since(start);
        switch_seconds += took;
        state.SetIterationTime(took);
    }
    if (bench.months.load_failed()) state.SkipWithError("the month did not load");
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * fs::file_size(file)));
    state.counters["baseline_ms"] = 1000 * baseline_seconds / state.iterations();
    state.counters["switch_ms"] = 1000 * switch_seconds / state.iterations();
    state.counters["ratio"] = switch_seconds / baseline_seconds;
}
BENCHMARK(BM_MonthSwitchVersusBytes)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
