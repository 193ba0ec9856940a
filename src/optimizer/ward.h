#pragma once

#include <cstdint>
#include <vector>

#include "model/roster.h"
#include "optimizer/optimal_planner.h"
#include "storage/law_neighbours.h"
#include "storage/options.h"
#include "worktime/law_check.h"

namespace tabrel {

// One duty the optimizer may give: a worker, a day and a shift (or an "8" duty on a shift).
struct DutyChoice {
    int worker = 0;  // position in Ward::workers
    int day = 0;     // 0-based
    int shift = 0;   // 1-based
    bool eight = false;
    int length = 0;  // minutes
    WorkSpan span;   // on the law check's time line
    bool night = false;
    bool weekend = false;  // Saturday, Sunday or holiday
};

// A worker the optimizer plans, with what is already fixed in the month.
struct WardWorker {
    int index = 0;  // in the register
    uint16_t id = 0;
    int norm = 0;      // minutes
    int used = 0;      // minutes already used of the norm
    WorkerTime fixed;  // every entry there, the neighbouring months' too
    int fixed_nights = 0;
    int fixed_weekend = 0;
    int pref_dn = 3;
    std::vector<int> rhythm;  // per day the shift the previous month's rhythm continues with,
                              // 0 for a free day; empty without a rhythm
};

// The month of the current group as the optimizer sees it: who may be planned, which duties
// they may get, and how many heads each day and shift still needs.
struct Ward {
    Roster roster;  // a copy with every summary in the run's reading
    OptimizerSettings settings;
    LawNeighbours neighbours;
    LawPeriod period;
    LawLimits limits;
    int days = 0;
    std::vector<int> shift_length;           // by shift index
    std::vector<std::vector<int>> required;  // [day][shift index]: heads the group asks for
    std::vector<std::vector<int>> present;   // [day][shift index]: heads already there
    std::vector<WardWorker> workers;
    std::vector<DutyChoice> choices;  // in worker, day, shift order
};

Ward build_ward(const Roster& roster, const Options& options, const OptimizerSettings& settings);

// Whether the planner may give the worker duties: a member of the current group, neither
// blocked nor "Nie rozpisuj".
bool plannable(const Roster& roster, const Worker& w);

}  // namespace tabrel
