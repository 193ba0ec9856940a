#pragma once

#include <filesystem>

#include "month_arguments.h"

namespace tabrel {

struct PlanRequest {
    MonthRequest month;  // with the group to plan
    bool accept = false;
    bool optimize = false;  // the optimizing planner instead of "Rozpisz dyżury"
    int seconds = 10;       // its search limit
    int overtime = 0;       // minutes above the norm it may plan
};

// "plan YYYY-MM --group ID (--accept | --decline) [--all-groups]": loads the month as the
// program does, runs the automatic planner on the group answering its acceptance question as
// told, saves the month as a month switch would and prints the month as the `month` command
// does. The planner and the printed summaries count the group's entries, or every group's with
// --all-groups. With --optimize the optimizing planner plans instead, within --seconds and
// --overtime, and the printed month gains "optimizer": its status, seconds, the minutes left
// short of the required staffing and the plan's cost.
int run_plan_command(const std::filesystem::path& data_dir, const PlanRequest& request);

}  // namespace tabrel
