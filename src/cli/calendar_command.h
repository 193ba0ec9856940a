#pragma once

#include <filesystem>
#include <nlohmann/json.hpp>

#include "model/calendar.h"
#include "month_arguments.h"
#include "worktime/month_rebuild.h"

namespace tabrel {

// "calendar YYYY-MM [--group ID]": the month's calendar, norm and grid map as JSON on stdout.
// Without --group the first group that is not deleted is used; without any group, the
// defaults of an empty group.
int run_calendar_command(const std::filesystem::path& data_dir, const MonthRequest& request);

// The calendar part of the JSON, shared with the month command.
nlohmann::ordered_json calendar_json(const MonthCalendar& c, const NormStatus& status);

}  // namespace tabrel
