#include "worktime/law_findings.h"

#include <algorithm>
#include <optional>
#include <unordered_map>

#include "model/calendar.h"
#include "model/shown_month.h"

namespace tabrel {

namespace {

constexpr int64_t kDay = 1440;

// A duty read from a month file; its running number is only given on insertion.
bool counts(const Duty& d) {
    return d.group_id != 0 && !d.day_off_marker;
}

// A slot of the shown month, where an empty one has running number 0.
bool occupied(const Duty& d) {
    return d.seq != 0 && counts(d);
}

WorkSpan span(const Duty& d, int64_t month_offset, bool shown) {
    const int64_t start = month_offset + (d.day_no - 1) * kDay + d.start;
    const int64_t length = std::max(0, d.duration + d.overtime);
    return {start, start + length, shown};
}

int days_of(const MonthEntries& m) {
    return m.year == 0 ? 0 : days_in_month(m.year, m.month);
}

// The neighbouring months' work of the workers, gathered in one pass over those months: a
// register checked whole would otherwise scan them again for each worker.
struct NeighbourWork {
    // By worker, each worker's in month order (the previous month's first).
    std::vector<std::pair<uint16_t, WorkSpan>> spans;
    std::unordered_map<uint16_t, int> earlier_overtime;
};

// Every worker's work, or only the worker `only` names.
NeighbourWork neighbour_work(const LawNeighbours& n, int month_days,
                             std::optional<uint16_t> only = std::nullopt) {
    NeighbourWork work;
    const auto wanted = [&](const Duty& d) { return (!only || d.worker_id == *only) && counts(d); };
    const auto add = [&](const MonthEntries& m, int64_t offset) {
        for (const Duty& d : m.duties)
            if (wanted(d)) work.spans.emplace_back(d.worker_id, span(d, offset, false));
    };
    add(n.previous, -days_of(n.previous) * kDay);
    add(n.next, month_days * kDay);
    std::stable_sort(work.spans.begin(), work.spans.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const MonthEntries& m : n.earlier_this_year)
        for (const Duty& d : m.duties)
            if (wanted(d)) work.earlier_overtime[d.worker_id] += d.overtime;
    return work;
}

// Fills `t` (whose room is reused from worker to worker) with the worker's work.
void fill_worker_time(const Worker& w, const NeighbourWork& work, WorkerTime& t) {
    t.worker_id = w.id;
    t.spans.clear();
    t.year_overtime = 0;
    for (const Duty& d : w.duties)
        if (occupied(d)) {
            t.spans.push_back(span(d, 0, true));
            t.year_overtime += d.overtime;
        }
    const auto by_worker = [](const auto& entry, uint16_t id) { return entry.first < id; };
    for (auto it = std::lower_bound(work.spans.begin(), work.spans.end(), w.id, by_worker);
         it != work.spans.end() && it->first == w.id; ++it)
        t.spans.push_back(it->second);
    std::sort(t.spans.begin(), t.spans.end(),
              [](const WorkSpan& a, const WorkSpan& b) { return a.start < b.start; });
    if (const auto found = work.earlier_overtime.find(w.id); found != work.earlier_overtime.end())
        t.year_overtime += found->second;
}

}  // namespace

WorkerTime worker_time(const Roster& roster, int worker_index, const LawNeighbours& n) {
    const Worker& w = roster.workers[worker_index];
    WorkerTime t;
    fill_worker_time(w, neighbour_work(n, roster.month_days(), w.id), t);
    return t;
}

LawNeighbours shown_month_neighbours(const Roster& roster) {
    MonthFileCache files;
    return shown_month_neighbours(roster, files);
}

LawNeighbours shown_month_neighbours(const Roster& roster, MonthFileCache& files) {
    if (roster.data_folder.empty()) return {};
    const Group* shown = roster.current();
    const YearMonth month = shown_year_month(roster);
    return read_law_neighbours(roster.data_folder, month.year, month.month, shown ? shown->id : 0,
                               shown != nullptr && shown->NewPeriod, files);
}

LawPeriod law_period(const Roster& roster, const LawNeighbours& n) {
    int64_t days_before = 0;
    for (const MonthEntries& m : n.earlier_this_year) days_before += days_of(m);
    return {roster.month_days(), -n.period_start_days_back * kDay, -days_before * kDay};
}

std::vector<LawFinding> law_findings(const Roster& roster, const LawNeighbours& n,
                                     const LawLimits& limits, uint16_t group_id,
                                     std::vector<LawFinding> room) {
    const LawPeriod period = law_period(roster, n);
    const NeighbourWork work = neighbour_work(n, roster.month_days());
    room.clear();
    WorkerTime t;
    for (const Worker& w : roster.workers) {
        if (w.old || (group_id != 0 && !belongs_to(w, group_id))) continue;
        fill_worker_time(w, work, t);
        check_worker(t, period, limits, room);
    }
    return room;
}

}  // namespace tabrel
