#include "storage/law_neighbours.h"

#include "model/calendar.h"
#include "storage/ini_file.h"
#include "storage/month_paths.h"
#include "storage/safe_file.h"

namespace tabrel {

namespace {

struct YearMonthPair {
    int year;
    int month;
};

YearMonthPair step(int year, int month, int by) {
    const int index = year * 12 + (month - 1) + by;
    return {index / 12, index % 12 + 1};
}

bool opens_period(const std::filesystem::path& folder, YearMonthPair m, uint16_t group_id) {
    const auto text = read_file(month_file_path(folder, m.year, m.month));
    if (!text) return false;
    return IniFile::parse(*text).read_integer("g" + std::to_string(group_id), "NewPeriod", 0) != 0;
}

int period_start_days_back(const std::filesystem::path& folder, int year, int month,
                           uint16_t group_id) {
    int days = 0;
    for (int back = 1; back <= 12; ++back) {
        const YearMonthPair m = step(year, month, -back);
        days += days_in_month(m.year, m.month);
        if (opens_period(folder, m, group_id)) return days;
    }
    return 0;
}

MonthEntries read_into(const std::filesystem::path& folder, YearMonthPair m, std::string& error) {
    MonthEntriesResult r = read_month_entries(folder, m.year, m.month);
    if (!r.error.empty() && error.empty()) error = r.error;
    return std::move(r.entries);
}

}  // namespace

LawNeighbours read_law_neighbours(const std::filesystem::path& data_folder, int year, int month,
                                  uint16_t group_id, bool new_period_shown) {
    LawNeighbours n;
    n.previous = read_into(data_folder, step(year, month, -1), n.error);
    n.next = read_into(data_folder, step(year, month, 1), n.error);
    for (int m = 1; m < month; ++m)
        n.earlier_this_year.push_back(read_into(data_folder, {year, m}, n.error));
    if (!new_period_shown)
        n.period_start_days_back = period_start_days_back(data_folder, year, month, group_id);
    return n;
}

}  // namespace tabrel
