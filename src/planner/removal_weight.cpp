#include "planner/removal_weight.h"

#include <algorithm>
#include <cstdlib>

namespace tabrel {

namespace {

constexpr int kNeutral = 3;
constexpr float kPreferenceStep = 0.2f;

// The pull of a 0..6 slider away from its neutral middle: positive when the slider stands on
// the given side (a neutral slider counts as high), negative otherwise.
float preference_term(int slider, bool positive_when_high) {
    const float sign = (slider >= kNeutral) == positive_when_high ? 1.0f : -1.0f;
    return static_cast<float>(std::abs(kNeutral - slider)) * kPreferenceStep * sign;
}

// Only the first two shifts are days and nights; a later shift leans neither way.
float day_night_term(const Worker& worker, int shift_no) {
    if (shift_no == 1) return preference_term(worker.pref_dn, true);
    if (shift_no == 2) return preference_term(worker.pref_dn, false);
    return 0.0f;
}

float staffing_ratio(const Roster& roster, const std::vector<ReferenceStaffing>& reference,
                     int day_index, int shift_no) {
    const bool holiday = roster.calendar.days[day_index].holiday;
    float r = 0.0f;
    if (shift_no - 1 < static_cast<int>(reference.size()))
        r = holiday ? reference[shift_no - 1].holiday : reference[shift_no - 1].ordinary;
    r = std::max(r, 1.0f);
    return static_cast<float>(staffing(roster, day_index, shift_no - 1)) / r;
}

}  // namespace

float removal_weight(const Roster& roster, const std::vector<ReferenceStaffing>& reference,
                     const Worker& worker, int day_index, int shift_no) {
    if (day_index < 0 || day_index >= static_cast<int>(roster.calendar.days.size())) return 0.0f;
    const int shifts = shift_count(roster);
    // A duty of another group may carry a shift number this group does not have.
    shift_no = std::clamp(shift_no, 1, std::max(shifts, 1));
    float w = 0.0f;
    if (shifts > 1)
        w = staffing_ratio(roster, reference, day_index, shift_no) +
            day_night_term(worker, shift_no);
    const bool holiday = roster.calendar.days[day_index].holiday;
    return w + preference_term(worker.pref_zs, !holiday);
}

}  // namespace tabrel
