#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace tabrel {

// "month YYYY-MM [--group ID] [--all-groups]": loads the data folder and the month as the
// program does and prints the calendar and every worker's month summary and day rows as JSON.
// Summaries count the shown group's entries, or every group's with --all-groups.
int run_month_command(const std::filesystem::path& data_dir, const std::vector<std::string>& args);

// "month-resave YYYY-MM": loads the month and saves it back as a month switch would.
int run_month_resave_command(const std::filesystem::path& data_dir,
                             const std::vector<std::string>& args);

}  // namespace tabrel
