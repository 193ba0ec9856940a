#include "app/law_watch.h"

#include <algorithm>
#include <tuple>

#include "worktime/law_findings.h"

namespace tabrel {

namespace {

constexpr int64_t kDay = 1440;

// Where a finding is: the same place before and after a change is the same finding.
auto place(const LawFinding& f) {
    return std::tuple(f.worker_id, f.rule, f.start);
}

}  // namespace

std::vector<LawFinding> LawWatch::refresh(const Roster& roster, const LawLimits& limits) {
    const Group* group = roster.current();
    const Basis basis{roster.data_folder, roster.shown_year, roster.shown_month,
                      group ? group->id : -1, group != nullptr && group->NewPeriod};
    const bool same = basis_ == basis && limits_ == limits;
    if (basis_ != basis) neighbours_ = shown_month_neighbours(roster, files_);
    basis_ = basis;
    limits_ = limits;
    std::vector<LawFinding> before = std::move(findings_);
    findings_ = law_findings(roster, neighbours_, limits, 0, std::move(room_));
    std::vector<LawFinding> added;
    if (!same) {
        room_ = std::move(before);
        return added;
    }
    // Sorted, so that a full ward's thousands of findings are not compared pair by pair.
    std::vector<decltype(place(LawFinding{}))> known;
    known.reserve(before.size());
    for (const LawFinding& f : before) known.push_back(place(f));
    std::sort(known.begin(), known.end());
    for (const LawFinding& f : findings_)
        if (!std::binary_search(known.begin(), known.end(), place(f))) added.push_back(f);
    room_ = std::move(before);
    return added;
}

std::vector<LawFinding> LawWatch::of_worker(uint16_t worker_id) const {
    std::vector<LawFinding> out;
    for (const LawFinding& f : findings_)
        if (f.worker_id == worker_id) out.push_back(f);
    return out;
}

int law_finding_day(const LawFinding& f, int month_days) {
    const int64_t day = f.start < 0 ? 0 : f.start / kDay;
    return static_cast<int>(std::min<int64_t>(day, month_days - 1));
}

}  // namespace tabrel
