#pragma once

#include <vector>

#include "optimizer/linear_model.h"
#include "optimizer/ward.h"

namespace tabrel {

// A week of one worker that must keep one stretch of weekly rest free: each window lists the
// choices that would break into it.
struct RestWeek {
    int worker = 0;
    std::vector<std::vector<int>> windows;
};

// The working-time rules switched on, turned into limits on the choices. Column i of the model
// is choice i.
struct LawConstraints {
    std::vector<bool> forbidden;              // by choice: breaks a rule on its own
    std::vector<std::vector<int>> conflicts;  // choices that break a rule together
    std::vector<RestWeek> weeks;
    std::vector<long> room;  // by worker: minutes the norm and the month's hours still allow
    std::vector<std::vector<std::vector<int>>> by_day;  // [worker][day]: the choices
};

LawConstraints law_constraints(const Ward& ward);

// One duty a day, the conflicts, the weekly rest windows and the room, as rows.
void add_law_rows(const Ward& ward, const LawConstraints& law, LinearModel& model);

}  // namespace tabrel
