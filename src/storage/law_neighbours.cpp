#include "storage/law_neighbours.h"

#include "base/year_month.h"
#include "model/calendar.h"
#include "storage/ini_file.h"
#include "storage/month_paths.h"
#include "storage/safe_file.h"

namespace tabrel {

namespace {

bool opens_period(const std::filesystem::path& folder, YearMonth m, uint16_t group_id) {
    const auto text = read_file(month_file_path(folder, m.year, m.month));
    if (!text) return false;
    return IniFile::parse(*text).read_integer("g" + std::to_string(group_id), "NewPeriod", 0) != 0;
}

int period_start_days_back(const std::filesystem::path& folder, int year, int month,
                           uint16_t group_id) {
    int days = 0;
    YearMonth m{year, month};
    for (int back = 1; back <= 12; ++back) {
        m = previous_month(m);
        days += days_in_month(m.year, m.month);
        if (opens_period(folder, m, group_id)) return days;
    }
    return 0;
}

MonthEntries read_into(const std::filesystem::path& folder, YearMonth m, std::string& error) {
    MonthEntriesResult r = read_month_entries(folder, m.year, m.month);
    if (!r.error.empty() && error.empty()) error = r.error;
    return std::move(r.entries);
}

}  // namespace

LawNeighbours read_law_neighbours(const std::filesystem::path& data_folder, int year, int month,
                                  uint16_t group_id, bool new_period_shown) {
    LawNeighbours n;
    n.previous = read_into(data_folder, previous_month({year, month}), n.error);
    n.next = read_into(data_folder, next_month({year, month}), n.error);
    for (int m = 1; m < month; ++m)
        n.earlier_this_year.push_back(read_into(data_folder, {year, m}, n.error));
    if (!new_period_shown)
        n.period_start_days_back = period_start_days_back(data_folder, year, month, group_id);
    return n;
}

}  // namespace tabrel
