#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "storage/month_entries.h"
#include "storage/month_file_cache.h"

namespace tabrel {

// What the working-time rules need beyond the shown month, read from the data folder without
// writing anything: the previous and the next month's entries, the earlier months of the
// calendar year, and how many days back the settlement period began.
struct LawNeighbours {
    MonthEntries previous;
    MonthEntries next;
    std::vector<MonthEntries> earlier_this_year;
    int period_start_days_back = 0;
    std::string error;  // cp1250; empty when every file there was read
};

// `new_period_shown`: the shown month opens a settlement period itself. The period start is
// looked for in the group's month sections at most 12 months back; when none is found the
// shown month counts as its start.
LawNeighbours read_law_neighbours(const std::filesystem::path& data_folder, int year, int month,
                                  uint16_t group_id, bool new_period_shown);
// As above, the files taken from `files` while they are unchanged.
LawNeighbours read_law_neighbours(const std::filesystem::path& data_folder, int year, int month,
                                  uint16_t group_id, bool new_period_shown, MonthFileCache& files);

}  // namespace tabrel
