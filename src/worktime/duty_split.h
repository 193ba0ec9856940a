#pragma once

namespace tabrel {

// A duty's own minutes split into the day part before the night, the night part and the part
// after the night, which belongs to the next calendar day.
struct DutyParts {
    int day = 0;    // o
    int night = 0;  // u
    int after = 0;  // t
    bool operator==(const DutyParts&) const = default;
};

// The split of a duty starting at `start` for `duration` minutes against the night window
// [night_start, night_end), all in minutes from the duty day's midnight. A first-shift duty
// that begins inside the previous night's window takes that night's end as its night part.
DutyParts split_duty(int start, int duration, bool first_shift, int night_start, int night_end);

// Moves minutes across the start of the next working day (`boundary` = 1440 + doba_od): day
// minutes past it go to the next day, after-night minutes before it stay on the duty's day.
void apply_day_boundary(DutyParts& parts, int start, int boundary, int night_end);

}  // namespace tabrel
