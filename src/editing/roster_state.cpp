#include "editing/roster_state.h"

namespace tabrel {

RosterState capture_state(const Roster& roster) {
    return {roster.groups, roster.workers, month_part(roster), roster.current_group,
            roster.current_worker};
}

MonthPart month_part(const Roster& roster) {
    return {roster.calendar,           roster.detached_duties,       roster.detached_days_off,
            roster.detached_own_norms, roster.detached_carry_manual, roster.detached_carry_auto,
            roster.duty_counter,       roster.day_off_counter};
}

void put_month_part(Roster& roster, const MonthPart& part) {
    roster.calendar = part.calendar;
    roster.detached_duties = part.detached_duties;
    roster.detached_days_off = part.detached_days_off;
    roster.detached_own_norms = part.detached_own_norms;
    roster.detached_carry_manual = part.detached_carry_manual;
    roster.detached_carry_auto = part.detached_carry_auto;
    roster.duty_counter = part.duty_counter;
    roster.day_off_counter = part.day_off_counter;
}

}  // namespace tabrel
