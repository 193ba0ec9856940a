#include "worktime/law_findings.h"

#include <algorithm>

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

void add_entries(const MonthEntries& m, uint16_t worker_id, int64_t offset,
                 std::vector<WorkSpan>& spans) {
    for (const Duty& d : m.duties)
        if (d.worker_id == worker_id && counts(d)) spans.push_back(span(d, offset, false));
}

int year_overtime(const Worker& w, const LawNeighbours& n) {
    int total = 0;
    for (const MonthEntries& m : n.earlier_this_year)
        for (const Duty& d : m.duties)
            if (d.worker_id == w.id && counts(d)) total += d.overtime;
    for (const Duty& d : w.duties)
        if (occupied(d)) total += d.overtime;
    return total;
}

int days_of(const MonthEntries& m) {
    return m.year == 0 ? 0 : days_in_month(m.year, m.month);
}

}  // namespace

WorkerTime worker_time(const Roster& roster, int worker_index, const LawNeighbours& n) {
    const Worker& w = roster.workers[worker_index];
    WorkerTime t;
    t.worker_id = w.id;
    for (const Duty& d : w.duties)
        if (occupied(d)) t.spans.push_back(span(d, 0, true));
    add_entries(n.previous, w.id, -days_of(n.previous) * kDay, t.spans);
    add_entries(n.next, w.id, roster.month_days() * kDay, t.spans);
    std::sort(t.spans.begin(), t.spans.end(),
              [](const WorkSpan& a, const WorkSpan& b) { return a.start < b.start; });
    t.year_overtime = year_overtime(w, n);
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
                                     const LawLimits& limits, uint16_t group_id) {
    const LawPeriod period = law_period(roster, n);
    std::vector<LawFinding> out;
    for (size_t i = 0; i < roster.workers.size(); ++i) {
        const Worker& w = roster.workers[i];
        if (w.old || (group_id != 0 && !belongs_to(w, group_id))) continue;
        const auto found =
            check_worker(worker_time(roster, static_cast<int>(i), n), period, limits);
        out.insert(out.end(), found.begin(), found.end());
    }
    return out;
}

}  // namespace tabrel
