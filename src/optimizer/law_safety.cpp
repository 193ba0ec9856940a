#include "optimizer/law_safety.h"

#include <algorithm>

#include "optimizer/planned_entry.h"
#include "worktime/law_findings.h"

namespace tabrel {

namespace {

constexpr int64_t kDay = 1440;

std::vector<LawFinding> findings(const Roster& roster, int index, const LawNeighbours& n,
                                 const LawLimits& limits) {
    return check_worker(worker_time(roster, index, n), law_period(roster, n), limits);
}

// A finding the month did not have, or none.
const LawFinding* introduced(const std::vector<LawFinding>& had,
                             const std::vector<LawFinding>& has) {
    for (const LawFinding& f : has)
        if (std::find(had.begin(), had.end(), f) == had.end()) return &f;
    return nullptr;
}

// The latest of the worker's duties (by day) that works within the finding's stretch, else the
// latest of all.
size_t culprit(const Roster& roster, const std::vector<PlannedDuty>& mine, const LawFinding& f) {
    for (size_t i = mine.size(); i-- > 0;) {
        const Duty d = planned_entry(roster, mine[i]);
        const int64_t start = (d.day_no - 1) * kDay + d.start;
        if (start < f.end && start + d.duration > f.start) return i;
    }
    return mine.size() - 1;
}

}  // namespace

std::vector<PlannedDuty> drop_law_breaking(const Roster& roster, const LawNeighbours& neighbours,
                                           const LawLimits& limits,
                                           std::vector<PlannedDuty>& duties) {
    std::vector<PlannedDuty> dropped, kept;
    Roster trial = roster;
    for (size_t i = 0; i < roster.workers.size(); ++i) {
        std::vector<PlannedDuty> mine;
        for (const PlannedDuty& p : duties)
            if (p.worker == roster.workers[i].id) mine.push_back(p);
        if (mine.empty()) continue;
        std::sort(mine.begin(), mine.end(),
                  [](const PlannedDuty& a, const PlannedDuty& b) { return a.day < b.day; });
        const auto had = findings(roster, static_cast<int>(i), neighbours, limits);
        while (!mine.empty()) {
            trial.workers[i] = roster.workers[i];
            put_planned(trial, mine);
            const auto has = findings(trial, static_cast<int>(i), neighbours, limits);
            const LawFinding* f = introduced(had, has);
            if (!f) break;
            const size_t at = culprit(roster, mine, *f);
            dropped.push_back(mine[at]);
            mine.erase(mine.begin() + static_cast<long>(at));
        }
        kept.insert(kept.end(), mine.begin(), mine.end());
    }
    duties = kept;
    return dropped;
}

}  // namespace tabrel
