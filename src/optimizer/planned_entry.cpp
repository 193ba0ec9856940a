#include "optimizer/planned_entry.h"

namespace tabrel {

Duty planned_entry(const Roster& roster, const PlannedDuty& planned) {
    const Group& group = *roster.current();
    const Shift& shift = group.profile.shifts[planned.shift - 1];
    Duty d;
    d.duration = planned.eight ? group.profile.day8 : shift.zile;
    d.start = shift.zod;
    d.worker_id = static_cast<uint16_t>(planned.worker);
    d.group_id = group.id;
    d.day_no = static_cast<uint16_t>(planned.day);
    d.shift_no = static_cast<uint8_t>(planned.shift);
    d.accepted = false;
    d.on_request = false;
    return d;
}

int register_index(const Roster& roster, int worker_id) {
    for (size_t i = 0; i < roster.workers.size(); ++i)
        if (roster.workers[i].id == worker_id) return static_cast<int>(i);
    return -1;
}

void put_planned(Roster& roster, const std::vector<PlannedDuty>& duties) {
    for (const PlannedDuty& p : duties) {
        const int index = register_index(roster, p.worker);
        if (index >= 0) roster.dodaj_dyzur(planned_entry(roster, p), index);
    }
}

}  // namespace tabrel
