#include "optimizer/rest_weeks.h"

#include <algorithm>
#include <set>

namespace tabrel {

namespace {

constexpr int64_t kWeek = 7 * 1440;

bool overlaps(const WorkSpan& s, int64_t from, int64_t to) {
    return s.start < to && s.end > from;
}

int64_t first_week(const LawPeriod& p) {
    const int64_t a = -p.week_origin;
    const int64_t weeks = a / kWeek - (a % kWeek != 0 && a < 0 ? 1 : 0);
    return p.week_origin + weeks * kWeek;
}

class WeekBuilder {
public:
    WeekBuilder(const Ward& ward, int worker, LawConstraints& law)
        : ward_(ward), worker_(worker), law_(law) {
        for (const auto& day : law.by_day[worker])
            for (int c : day) mine_.push_back(c);
    }

    void week(int64_t from) {
        const int64_t to = from + kWeek;
        std::vector<int> choices;
        for (int c : mine_)
            if (!law_.forbidden[c] && overlaps(ward_.choices[c].span, from, to))
                choices.push_back(c);
        if (choices.empty()) return;
        const auto& fixed = ward_.workers[worker_].fixed.spans;
        if (longest_rest(fixed, from, to) < ward_.limits.weekly_rest) {
            for (int c : choices) law_.forbidden[c] = true;
            return;
        }
        RestWeek rest{worker_, {}};
        for (int64_t start : window_starts(from, to, choices)) {
            const int64_t end = start + ward_.limits.weekly_rest;
            if (end > to || std::any_of(fixed.begin(), fixed.end(),
                                        [&](const WorkSpan& s) { return overlaps(s, start, end); }))
                continue;
            std::vector<int> blockers;
            for (int c : choices)
                if (overlaps(ward_.choices[c].span, start, end)) blockers.push_back(c);
            if (blockers.empty()) return;  // no choice can take this week's rest away
            rest.windows.push_back(std::move(blockers));
        }
        law_.weeks.push_back(std::move(rest));
    }

private:
    // A longest free stretch begins at the week's start or where some work ends.
    std::set<int64_t> window_starts(int64_t from, int64_t to, const std::vector<int>& choices) {
        std::set<int64_t> starts{from};
        for (const WorkSpan& s : ward_.workers[worker_].fixed.spans)
            if (s.end > from && s.end < to) starts.insert(s.end);
        for (int c : choices)
            if (ward_.choices[c].span.end < to) starts.insert(ward_.choices[c].span.end);
        return starts;
    }

    const Ward& ward_;
    int worker_;
    LawConstraints& law_;
    std::vector<int> mine_;
};

}  // namespace

void add_rest_weeks(const Ward& ward, int worker, LawConstraints& law) {
    WeekBuilder builder(ward, worker, law);
    const int64_t month_end = int64_t{ward.period.month_days} * 1440;
    for (int64_t from = first_week(ward.period); from < month_end; from += kWeek)
        builder.week(from);
}

}  // namespace tabrel
