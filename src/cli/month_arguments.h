#pragma once

#include <optional>
#include <string_view>

#include "base/year_month.h"
#include "model/roster.h"

namespace tabrel {

// The month a command works on and the group it shows.
struct MonthRequest {
    YearMonth when{0, 0};
    std::optional<int> group_id;
    bool all_groups = false;  // summaries count every group's entries
};

// "YYYY-MM" with a month 1..12.
std::optional<YearMonth> parse_year_month(std::string_view text);

// The group shown: the one with the id asked for, else the first that is not deleted; -1 when
// there is none; nothing when the id asked for is not there.
std::optional<int> choose_group(const Roster& roster, std::optional<int> id);

}  // namespace tabrel
