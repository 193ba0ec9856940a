#pragma once

#include <filesystem>
#include <functional>
#include <nlohmann/json.hpp>

#include "model/roster.h"
#include "month_arguments.h"
#include "storage/options.h"

namespace tabrel {

// "month YYYY-MM [--group ID] [--all-groups]": loads the data folder and the month as the
// program does and prints the calendar and every worker's month summary and day rows as JSON.
// Summaries count the shown group's entries, or every group's with --all-groups.
int run_month_command(const std::filesystem::path& data_dir, const MonthRequest& request);

// "month-resave YYYY-MM": loads the month and saves it back as a month switch would.
int run_month_resave_command(const std::filesystem::path& data_dir, YearMonth when);

// What a command does to the loaded month before it is saved.
using MonthChange = std::function<void(Roster&, const Options&)>;

// What a command adds to the printed month.
using MonthAddition = std::function<void(nlohmann::ordered_json&)>;

// Loads the month as `month` does, lets `change` work on it, saves it as a month switch would
// and prints it as `month` does, with `addition`'s keys after the rest.
int run_changed_month_command(const std::filesystem::path& data_dir, const MonthRequest& request,
                              const MonthChange& change, const MonthAddition& addition = {});

}  // namespace tabrel
