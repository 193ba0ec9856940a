#pragma once

#include <cstdint>
#include <vector>

#include "model/roster.h"

namespace tabrel {

// The shown month's part of the roster that belongs to no register record.
struct MonthPart {
    MonthCalendar calendar;
    std::vector<Duty> detached_duties;
    std::vector<DayOff> detached_days_off;
    std::vector<Roster::KeptLine> detached_own_norms;
    std::vector<Roster::KeptLine> detached_carry_manual;
    std::vector<Roster::KeptLine> detached_carry_auto;
    int16_t duty_counter = 0;
    int16_t day_off_counter = 0;

    bool operator==(const MonthPart&) const = default;
};

// Everything an edit of the month or the staff may change, copied whole.
struct RosterState {
    std::vector<Group> groups;
    std::vector<Worker> workers;
    MonthPart month;
    int16_t current_group = -1;
    uint16_t current_worker = 0;

    bool operator==(const RosterState&) const = default;
};

RosterState capture_state(const Roster& roster);

MonthPart month_part(const Roster& roster);
void put_month_part(Roster& roster, const MonthPart& part);

}  // namespace tabrel
