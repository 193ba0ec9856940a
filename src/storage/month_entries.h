#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "model/day_off.h"
#include "model/duty.h"

namespace tabrel {

// The duties and days off of one month, as a month file or the shown month holds them.
struct MonthEntries {
    int year = 0;
    int month = 0;  // 1..12
    std::vector<Duty> duties;
    std::vector<DayOff> days_off;
};

struct MonthEntriesResult {
    MonthEntries entries;
    std::string error;  // cp1250, names the file (and line); empty when read
};

// Reads only the duty and day-off lines of a month's file, writing nothing: no companion copy,
// no carry. What a load would refuse is left out (a day past the month, a duty of group 0) and a
// day off is cut at the month end. A missing file is a month without entries.
MonthEntriesResult read_month_entries(const std::filesystem::path& data_folder, int year,
                                      int month);

}  // namespace tabrel
