#pragma once

#include <optional>
#include <string_view>

#include "model/roster.h"
#include "worktime/month_navigation.h"

namespace tabrel {

// A whole decimal number and nothing else.
std::optional<int> cli_number(std::string_view text);

// "YYYY-MM" with a month 1..12.
std::optional<YearMonth> parse_year_month(std::string_view text);

// The group shown: the one with the id asked for, else the first that is not deleted; -1 when
// there is none; nothing when the id asked for is not there.
std::optional<int> choose_group(const Roster& roster, std::optional<int> id);

}  // namespace tabrel
