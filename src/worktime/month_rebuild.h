#pragma once

#include <optional>
#include <string>

#include "model/roster.h"
#include "model/time_value.h"
#include "storage/options.h"

namespace tabrel {

class IniFile;

struct MonthRebuildRequest {
    int year = 0;  // 0: the year of today's date
    int month = 1;
    bool clear_counts = false;  // empty every day's staffing counters
    // The shown month's file when its day marks and notes are to be read again.
    const IniFile* month_file = nullptr;
    // The norm typed by hand while "Własny normatyw" is down.
    std::optional<TimeValue> custom_norm;
};

// What the main window shows of the month's norm.
struct NormStatus {
    int working_days = 0;
    std::string norm_title;  // cp1250; a carriage return breaks the line
    std::string norm_value;
    std::string norm_text;  // the group norm as hours:minutes
};

// Rebuilds the shown month for the current group (an empty group's defaults when there is
// none): the calendar, the night window, the group norm and the grid. The "8" and whole-shift
// lengths of the options follow the group.
NormStatus normatyw(Roster& roster, Options& options, const MonthRebuildRequest& request);

}  // namespace tabrel
