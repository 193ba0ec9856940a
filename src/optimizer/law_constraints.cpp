#include "optimizer/law_constraints.h"

#include <algorithm>

#include "optimizer/rest_weeks.h"

namespace tabrel {

namespace {

constexpr int64_t kDay = 1440;
// Every rule that looks at one employee day or two neighbouring duties spans no more than this
// many days between two duties.
constexpr int kReach = 2;

// The rules that look at single employee days; the weekly ones are modelled apart.
LawLimits local_rules(LawLimits limits) {
    limits.weekly_rest_on = false;
    limits.weekly_hours_on = false;
    limits.yearly_overtime_on = false;
    return limits;
}

// Whether the duties would bring a finding the worker's fixed entries do not have.
bool introduces(const Ward& ward, const WardWorker& w, const std::vector<WorkSpan>& extra) {
    int64_t lo = extra.front().start, hi = extra.front().end;
    for (const WorkSpan& s : extra) lo = std::min(lo, s.start), hi = std::max(hi, s.end);
    lo -= kReach * kDay;
    hi += kReach * kDay;
    WorkerTime before{w.id, {}, 0};
    for (const WorkSpan& s : w.fixed.spans)
        if (s.end > lo && s.start < hi) before.spans.push_back(s);
    WorkerTime after = before;
    after.spans.insert(after.spans.end(), extra.begin(), extra.end());
    std::sort(after.spans.begin(), after.spans.end(),
              [](const WorkSpan& a, const WorkSpan& b) { return a.start < b.start; });
    const LawLimits limits = local_rules(ward.limits);
    const auto had = check_worker(before, ward.period, limits);
    const auto has = check_worker(after, ward.period, limits);
    return std::any_of(has.begin(), has.end(), [&](const LawFinding& f) {
        return std::find(had.begin(), had.end(), f) == had.end();
    });
}

class ConflictFinder {
public:
    ConflictFinder(const Ward& ward, LawConstraints& law) : ward_(ward), law_(law) {}

    void worker(int w) {
        const auto& days = law_.by_day[w];
        for (const auto& day : days)
            for (int c : day) law_.forbidden[c] = breaks({c});
        for (int d = 0; d < ward_.days; ++d)
            for (int gap = 1; gap <= kReach && d + gap < ward_.days; ++gap)
                for (int a : usable(days[d]))
                    for (int b : usable(days[d + gap]))
                        if (breaks({a, b})) add({a, b});
        for (int d = 0; d + 2 < ward_.days; ++d)
            for (int a : usable(days[d]))
                for (int b : usable(days[d + 1]))
                    for (int c : usable(days[d + 2]))
                        if (!paired(a, b) && !paired(b, c) && !paired(a, c) && breaks({a, b, c}))
                            add({a, b, c});
    }

private:
    std::vector<int> usable(const std::vector<int>& day) const {
        std::vector<int> out;
        for (int c : day)
            if (!law_.forbidden[c]) out.push_back(c);
        return out;
    }
    bool breaks(const std::vector<int>& given) const {
        std::vector<WorkSpan> spans;
        for (int c : given) spans.push_back(ward_.choices[c].span);
        return introduces(ward_, ward_.workers[ward_.choices[given.front()].worker], spans);
    }
    bool paired(int a, int b) const {
        const auto& with = pairs_[a];
        return std::find(with.begin(), with.end(), b) != with.end();
    }
    void add(const std::vector<int>& set) {
        if (set.size() == 2) {
            pairs_[set[0]].push_back(set[1]);
            pairs_[set[1]].push_back(set[0]);
        }
        law_.conflicts.push_back(set);
    }

    const Ward& ward_;
    LawConstraints& law_;
    std::vector<std::vector<int>> pairs_ = std::vector<std::vector<int>>(ward_.choices.size());
};

long month_room(const Ward& ward, const WardWorker& w) {
    long room = static_cast<long>(w.norm) + ward.settings.overtime_minutes - w.used;
    if (ward.limits.weekly_hours_on) {
        long worked = 0;
        for (const WorkSpan& s : w.fixed.spans)
            if (s.shown) worked += s.end - s.start;
        room = std::min(room, long{ward.limits.weekly_hours} * ward.period.month_days / 7 - worked);
    }
    return std::max(0L, room);
}

void add_at_most_one(LinearModel& model, const std::vector<int>& choices) {
    if (choices.size() < 2) return;
    LinearModel::Row& row = model.add_row(-LinearModel::kInfinity, 1);
    for (int c : choices) add_term(row, c, 1);
}

}  // namespace

LawConstraints law_constraints(const Ward& ward) {
    LawConstraints law;
    law.forbidden.assign(ward.choices.size(), false);
    law.by_day.assign(ward.workers.size(), std::vector<std::vector<int>>(ward.days));
    for (int c = 0; c < static_cast<int>(ward.choices.size()); ++c)
        law.by_day[ward.choices[c].worker][ward.choices[c].day].push_back(c);
    ConflictFinder finder(ward, law);
    for (int w = 0; w < static_cast<int>(ward.workers.size()); ++w) {
        law.room.push_back(month_room(ward, ward.workers[w]));
        finder.worker(w);
        if (ward.limits.weekly_rest_on) add_rest_weeks(ward, w, law);
    }
    for (int c = 0; c < static_cast<int>(ward.choices.size()); ++c)
        if (ward.choices[c].length > law.room[ward.choices[c].worker]) law.forbidden[c] = true;
    return law;
}

void add_law_rows(const Ward& ward, const LawConstraints& law, LinearModel& model) {
    for (const auto& days : law.by_day)
        for (const auto& day : days) add_at_most_one(model, day);
    for (const auto& set : law.conflicts) {
        LinearModel::Row& row = model.add_row(-LinearModel::kInfinity, double(set.size()) - 1);
        for (int c : set) add_term(row, c, 1);
    }
    for (const RestWeek& week : law.weeks) {
        // One window stays free; a window is free only while no choice breaking into it is
        // given, so with whole choices the window columns need not be integer.
        const size_t any = model.rows.size();
        model.add_row(1, LinearModel::kInfinity);
        std::vector<int> windows;
        for (size_t j = 0; j < week.windows.size(); ++j) {
            windows.push_back(model.add_column(0, 1, 0));
            add_term(model.rows[any], windows.back(), 1);
        }
        for (size_t j = 0; j < week.windows.size(); ++j) {
            std::vector<std::vector<int>> per_day(ward.days);
            for (int c : week.windows[j]) per_day[ward.choices[c].day].push_back(c);
            for (const auto& day : per_day) {
                if (day.empty()) continue;
                LinearModel::Row& row = model.add_row(-LinearModel::kInfinity, 1);
                add_term(row, windows[j], 1);
                for (int c : day) add_term(row, c, 1);
            }
        }
    }
    for (size_t w = 0; w < ward.workers.size(); ++w) {
        LinearModel::Row& row = model.add_row(-LinearModel::kInfinity, double(law.room[w]));
        for (const auto& day : law.by_day[w])
            for (int c : day) add_term(row, c, ward.choices[c].length);
    }
}

}  // namespace tabrel
