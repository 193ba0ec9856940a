#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "storage/law_limits.h"

namespace tabrel {

enum class LawRule { DailyRest, SameDayTwice, WeeklyRest, DayLength, WeeklyHours, YearlyOvertime };

// One duty's work, overtime included, in minutes from the shown month's first midnight (the
// previous month's duties lie below 0, the next month's past its end).
struct WorkSpan {
    int64_t start = 0;
    int64_t end = 0;
    bool shown = false;  // a duty of the shown month
};

// The longest stretch of [from, to) that no span (sorted by start) covers.
int64_t longest_rest(std::span<const WorkSpan> spans, int64_t from, int64_t to);

// Everything the rules need of one worker, every group's duties together.
struct WorkerTime {
    uint16_t worker_id = 0;
    std::vector<WorkSpan> spans;  // by start
    int year_overtime = 0;        // overtime of the calendar year up to the shown month
};

struct LawPeriod {
    int month_days = 30;
    int64_t week_origin = 0;  // the settlement period's first midnight, from the month's
    int64_t year_start = 0;   // 1 January's midnight, likewise
};

struct LawFinding {
    uint16_t worker_id = 0;
    LawRule rule = LawRule::DailyRest;
    int64_t start = 0;  // the employee day, week, month or year concerned
    int64_t end = 0;
    int found = 0;  // minutes
    int limit = 0;
    bool notice = false;  // within reach of the limit, not beyond it

    bool operator==(const LawFinding&) const = default;
};

// The findings of one worker, by start.
std::vector<LawFinding> check_worker(const WorkerTime& w, const LawPeriod& period,
                                     const LawLimits& limits);
// As above, added to the end of `out`.
void check_worker(const WorkerTime& w, const LawPeriod& period, const LawLimits& limits,
                  std::vector<LawFinding>& out);

// "daily_rest", "same_day_twice", ...
const char* law_rule_name(LawRule rule);

// The finding in the user's words with the article of the code (cp1250).
std::string law_finding_text(const LawFinding& f);

}  // namespace tabrel
