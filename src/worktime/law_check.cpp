#include "worktime/law_check.h"

#include <algorithm>

#include "i18n/format_text.h"
#include "i18n/text.h"
#include "model/time_value.h"

namespace tabrel {

namespace {

constexpr int64_t kDay = 1440;
constexpr int64_t kWeek = 7 * kDay;

int64_t work_within(std::span<const WorkSpan> spans, int64_t from, int64_t to) {
    int64_t total = 0;
    int64_t counted_to = from;
    for (const WorkSpan& s : spans) {
        if (s.start >= to) break;
        const int64_t a = std::max(s.start, counted_to);
        const int64_t b = std::min(s.end, to);
        if (b > a) total += b - a;
        counted_to = std::max(counted_to, std::min(s.end, to));
    }
    return total;
}

bool touches_shown_work(std::span<const WorkSpan> spans, int64_t from, int64_t to) {
    return std::any_of(spans.begin(), spans.end(),
                       [&](const WorkSpan& s) { return s.shown && s.start < to && s.end > from; });
}

// The spans that can meet each employee day, found by two cursors that only move forward: a
// full month with its neighbours would otherwise be scanned once per duty.
class DayWindow {
public:
    explicit DayWindow(const std::vector<WorkSpan>& spans) : spans_(spans) {}

    // The spans that may meet [from, to), for `from` not below any earlier call's. The spans
    // before them end by `from` (and so by any later `from`); those after start at `to` or later.
    std::span<const WorkSpan> meeting(int64_t from, int64_t to) {
        while (first_ < spans_.size() && spans_[first_].end <= from) ++first_;
        while (last_ < spans_.size() && spans_[last_].start < to) ++last_;
        const size_t begin = std::min(first_, last_);
        return {spans_.data() + begin, last_ - begin};
    }

private:
    const std::vector<WorkSpan>& spans_;
    size_t first_ = 0;
    size_t last_ = 0;
};

void check_employee_days(const WorkerTime& w, const LawLimits& limits,
                         std::vector<LawFinding>& out) {
    DayWindow window(w.spans);
    for (const WorkSpan& opening : w.spans) {
        const int64_t from = opening.start;
        const int64_t to = from + kDay;
        const std::span<const WorkSpan> near = window.meeting(from, to);
        if (!touches_shown_work(near, from, to)) continue;
        if (limits.daily_rest_on) {
            const auto rest = static_cast<int>(longest_rest(near, from, to));
            if (rest < limits.daily_rest)
                out.push_back({w.worker_id, LawRule::DailyRest, from, to, rest, limits.daily_rest});
        }
        if (limits.day_length_on) {
            const auto work = static_cast<int>(work_within(near, from, to));
            if (work > limits.day_length)
                out.push_back({w.worker_id, LawRule::DayLength, from, to, work, limits.day_length});
        }
    }
}

void check_second_starts(const WorkerTime& w, std::vector<LawFinding>& out) {
    for (size_t i = 1; i < w.spans.size(); ++i) {
        const WorkSpan& first = w.spans[i - 1];
        const WorkSpan& second = w.spans[i];
        if (!first.shown && !second.shown) continue;
        const int64_t gap = second.start - first.start;
        if (gap < kDay)
            out.push_back({w.worker_id, LawRule::SameDayTwice, first.start, first.start + kDay,
                           static_cast<int>(gap), static_cast<int>(kDay)});
    }
}

int64_t floor_div(int64_t a, int64_t b) {
    return a / b - (a % b != 0 && (a < 0) != (b < 0) ? 1 : 0);
}

void check_weeks(const WorkerTime& w, const LawPeriod& p, const LawLimits& limits,
                 std::vector<LawFinding>& out) {
    const int64_t month_end = p.month_days * kDay;
    for (int64_t from = p.week_origin + floor_div(-p.week_origin, kWeek) * kWeek; from < month_end;
         from += kWeek) {
        const auto rest = static_cast<int>(longest_rest(w.spans, from, from + kWeek));
        if (rest < limits.weekly_rest)
            out.push_back(
                {w.worker_id, LawRule::WeeklyRest, from, from + kWeek, rest, limits.weekly_rest});
    }
}

void check_month_hours(const WorkerTime& w, const LawPeriod& p, const LawLimits& limits,
                       std::vector<LawFinding>& out) {
    int64_t worked = 0;
    for (const WorkSpan& s : w.spans)
        if (s.shown) worked += s.end - s.start;
    const int64_t limit = static_cast<int64_t>(limits.weekly_hours) * p.month_days / 7;
    if (worked > limit)
        out.push_back({w.worker_id, LawRule::WeeklyHours, 0, p.month_days * kDay,
                       static_cast<int>(worked), static_cast<int>(limit)});
}

void check_year_overtime(const WorkerTime& w, const LawPeriod& p, const LawLimits& limits,
                         std::vector<LawFinding>& out) {
    const int limit = limits.yearly_overtime;
    const bool beyond = w.year_overtime > limit;
    // Within a tenth of the limit the ward sister is told before the limit is passed.
    const bool near = !beyond && w.year_overtime * 10 >= limit * 9 && w.year_overtime > 0;
    if (beyond || near)
        out.push_back({w.worker_id, LawRule::YearlyOvertime, p.year_start, p.month_days * kDay,
                       w.year_overtime, limit, near});
}

}  // namespace

int64_t longest_rest(std::span<const WorkSpan> spans, int64_t from, int64_t to) {
    int64_t longest = 0;
    int64_t free_from = from;
    for (const WorkSpan& s : spans) {
        if (s.start >= to) break;
        if (s.end <= free_from) continue;
        longest = std::max(longest, std::max<int64_t>(s.start, free_from) - free_from);
        free_from = std::max(free_from, s.end);
        if (free_from >= to) return longest;
    }
    return std::max(longest, to - free_from);
}

void check_worker(const WorkerTime& w, const LawPeriod& period, const LawLimits& limits,
                  std::vector<LawFinding>& out) {
    const auto first = static_cast<std::ptrdiff_t>(out.size());
    check_employee_days(w, limits, out);
    if (limits.same_day_twice_on) check_second_starts(w, out);
    if (limits.weekly_rest_on) check_weeks(w, period, limits, out);
    if (limits.weekly_hours_on) check_month_hours(w, period, limits, out);
    if (limits.yearly_overtime_on) check_year_overtime(w, period, limits, out);
    std::stable_sort(out.begin() + first, out.end(),
                     [](const LawFinding& a, const LawFinding& b) { return a.start < b.start; });
}

std::vector<LawFinding> check_worker(const WorkerTime& w, const LawPeriod& period,
                                     const LawLimits& limits) {
    std::vector<LawFinding> out;
    check_worker(w, period, limits, out);
    return out;
}

const char* law_rule_name(LawRule rule) {
    switch (rule) {
        case LawRule::DailyRest:
            return "daily_rest";
        case LawRule::SameDayTwice:
            return "same_day_twice";
        case LawRule::WeeklyRest:
            return "weekly_rest";
        case LawRule::DayLength:
            return "day_length";
        case LawRule::WeeklyHours:
            return "weekly_hours";
        case LawRule::YearlyOvertime:
            return "yearly_overtime";
    }
    return "";
}

std::string law_finding_text(const LawFinding& f) {
    const std::string found = min2h(f.found, "txt", false);
    const std::string limit = min2h(f.limit, "txt", false);
    const std::string gap = min2h(std::abs(f.limit - f.found), "txt", false);
    switch (f.rule) {
        case LawRule::DailyRest:
            return format_text(tr("law_DailyRest",
                                  "Odpoczynek dobowy najwyżej %s zamiast %s, brakuje %s "
                                  "(art. 132 § 1 KP)"),
                               {found, limit, gap});
        case LawRule::SameDayTwice:
            return format_text(tr("law_SameDayTwice",
                                  "Drugi dyżur w tej samej dobie pracowniczej, %s po "
                                  "rozpoczęciu poprzedniego (art. 128 § 3 i 132 KP)"),
                               {found});
        case LawRule::WeeklyRest:
            return format_text(tr("law_WeeklyRest",
                                  "Odpoczynek tygodniowy najwyżej %s zamiast %s, brakuje %s "
                                  "(art. 133 § 1 KP)"),
                               {found, limit, gap});
        case LawRule::DayLength:
            return format_text(tr("law_DayLength",
                                  "Praca w dobie %s, więcej niż %s o %s (art. 135 KP, art. 94 "
                                  "ustawy o działalności leczniczej)"),
                               {found, limit, gap});
        case LawRule::WeeklyHours:
            return format_text(tr("law_WeeklyHours",
                                  "Praca w miesiącu %s, więcej niż %s o %s: za długi "
                                  "przeciętny tydzień pracy (art. 131 § 1 KP)"),
                               {found, limit, gap});
        case LawRule::YearlyOvertime:
            if (f.notice)
                return format_text(tr("law_YearlyOvertimeNear",
                                      "Nadgodziny w roku %s, blisko limitu %s (art. 151 § 3 KP)"),
                                   {found, limit});
            return format_text(tr("law_YearlyOvertime",
                                  "Nadgodziny w roku %s, więcej niż limit %s o %s (art. 151 § 3 "
                                  "KP)"),
                               {found, limit, gap});
    }
    return {};
}

}  // namespace tabrel
