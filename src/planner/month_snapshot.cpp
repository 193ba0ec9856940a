#include "planner/month_snapshot.h"

namespace tabrel {

MonthSnapshot take_snapshot(const Roster& roster) {
    return {roster.workers, roster.calendar, roster.duty_counter};
}

void restore_snapshot(Roster& roster, const MonthSnapshot& snapshot) {
    roster.workers = snapshot.workers;
    roster.calendar = snapshot.calendar;
    roster.duty_counter = snapshot.duty_counter;
}

}  // namespace tabrel
