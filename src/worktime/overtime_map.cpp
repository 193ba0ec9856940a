#include "worktime/overtime_map.h"

#include <algorithm>
#include <vector>

namespace tabrel {

namespace {

constexpr int kMinimumMapLength = 2880;  // the duty's day and the next one

class OvertimeMinuteMap {
public:
    explicit OvertimeMinuteMap(int length) : marks_(std::max(length, kMinimumMapLength)) {}

    // Marks [from, to); an empty or inverted range marks nothing.
    void mark(int from, int to) {
        from = std::max(from, 0);
        to = std::min(to, static_cast<int>(marks_.size()));
        for (int i = from; i < to; ++i) marks_[i] = true;
    }

    int count() const { return static_cast<int>(std::count(marks_.begin(), marks_.end(), true)); }

private:
    std::vector<bool> marks_;
};

bool overlaps_window(int end, int overtime_end, int from, int to) {
    return (end < from && from < overtime_end) || (end < to && to < overtime_end) ||
           (from <= end && end < to);
}

}  // namespace

OvertimeRules overtime_rules(int ng_od, int ng_do, int ng_powyzej, bool ng_swieto, bool ng_dyzur0,
                             int doba_od) {
    OvertimeRules rules;
    rules.window_from = ng_od;
    rules.window_to = ng_do < ng_od ? ng_do + 1440 : ng_do;
    rules.beyond = ng_powyzej;
    rules.on_holiday = ng_swieto;
    rules.zero_duty = ng_dyzur0;
    rules.day_boundary = 1440 + doba_od;
    return rules;
}

int higher_rate_minutes(const OvertimeCase& duty, const OvertimeRules& rules) {
    if (duty.overtime <= 0) return 0;
    const int end = duty.end;
    const int overtime_end = end + duty.overtime;
    const int boundary = rules.day_boundary;
    OvertimeMinuteMap map(overtime_end);
    if (rules.on_holiday) {
        if (duty.holiday && boundary >= end) map.mark(end, std::min(overtime_end, boundary));
        if (duty.next_holiday && boundary < overtime_end)
            map.mark(std::max(boundary, end), overtime_end);
    }
    const int from = rules.window_from;
    const int to = rules.window_to;
    if (from != to && overlaps_window(end, overtime_end, from, to))
        map.mark(std::max(from, end), std::min(to, overtime_end));
    if (rules.beyond < duty.overtime) map.mark(end + rules.beyond, overtime_end);
    if (rules.zero_duty && duty.duration == 0) map.mark(end, overtime_end);
    return map.count();
}

}  // namespace tabrel
