#pragma once

namespace tabrel {

// The settings that decide which overtime minutes count at the higher rate, in minutes from
// the duty day's midnight.
struct OvertimeRules {
    int window_from = 1140;   // ng_od
    int window_to = 1860;     // ng_do, moved past ng_od into the next day when it lies before it
    int beyond = 120;         // ng_powyzej: overtime past this amount
    bool on_holiday = true;   // ng_swieto
    bool zero_duty = true;    // ng_dyzur0: all overtime of a duty of length 0
    int day_boundary = 1440;  // 1440 + doba_od: where the next working day begins
};

// One duty's overtime as the rules see it.
struct OvertimeCase {
    int end = 0;                // start + duration
    int duration = 0;           // the duty's own minutes
    int overtime = 0;           // may be negative: then nothing counts at the higher rate
    bool holiday = false;       // the duty's day
    bool next_holiday = false;  // the following day
};

OvertimeRules overtime_rules(int ng_od, int ng_do, int ng_powyzej, bool ng_swieto, bool ng_dyzur0,
                             int doba_od);

// The minutes of the overtime that count at the higher rate. Each rule marks a range on a
// minute map of the duty; a minute marked by several rules counts once.
int higher_rate_minutes(const OvertimeCase& duty, const OvertimeRules& rules);

}  // namespace tabrel
