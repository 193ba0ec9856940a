#include "editing/covered_marks.h"

#include <algorithm>

#include "model/day_off_type.h"

namespace tabrel {

namespace {

bool covered(const Worker& worker, int day) {
    return std::any_of(worker.days_off.begin(), worker.days_off.end(), [&](const DayOff& e) {
        return e.seq != 0 && e.kind != kNoDutyLetter && e.from_day <= day && day <= e.to_day;
    });
}

}  // namespace

void mark_covered_days(Worker& worker, int from_day, int to_day) {
    const int last = std::min(to_day, kMonthSlots);
    for (int day = std::max(from_day, 1); day <= last; ++day)
        worker.duties[day - 1].day_off_marker = covered(worker, day);
}

}  // namespace tabrel
