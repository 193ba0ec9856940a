#pragma once

namespace tabrel {

// The working-time rules a plan is checked against, each with its limit in minutes and a
// switch. The defaults are the labour code's.
struct LawLimits {
    bool daily_rest_on = true;
    int daily_rest = 660;
    bool same_day_twice_on = true;
    bool weekly_rest_on = true;
    int weekly_rest = 2100;
    bool day_length_on = true;
    int day_length = 720;  // at most 24:00
    bool weekly_hours_on = true;
    int weekly_hours = 2880;
    bool yearly_overtime_on = true;
    int yearly_overtime = 9000;
    bool ask_after_drop = false;  // a drop that adds a finding asks instead of only telling

    bool operator==(const LawLimits&) const = default;
};

}  // namespace tabrel
