#pragma once

#include <filesystem>

#include "month_arguments.h"

namespace tabrel {

struct PlanRequest {
    MonthRequest month;  // with the group to plan
    bool accept = false;
};

// "plan YYYY-MM --group ID (--accept | --decline) [--all-groups]": loads the month as the
// program does, runs the automatic planner on the group answering its acceptance question as
// told, saves the month as a month switch would and prints the month as the `month` command
// does. The planner and the printed summaries count the group's entries, or every group's with
// --all-groups.
int run_plan_command(const std::filesystem::path& data_dir, const PlanRequest& request);

}  // namespace tabrel
