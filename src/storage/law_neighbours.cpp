#include "storage/law_neighbours.h"

#include "base/year_month.h"
#include "model/calendar.h"

namespace tabrel {

namespace {

int period_start_days_back(const std::filesystem::path& folder, int year, int month,
                           uint16_t group_id, MonthFileCache& files) {
    int days = 0;
    YearMonth m{year, month};
    for (int back = 1; back <= 12; ++back) {
        m = previous_month(m);
        days += days_in_month(m.year, m.month);
        if (files.opens_period(folder, m.year, m.month, group_id)) return days;
    }
    return 0;
}

MonthEntries read_into(const std::filesystem::path& folder, YearMonth m, std::string& error,
                       MonthFileCache& files) {
    const MonthEntriesResult& r = files.entries(folder, m.year, m.month);
    if (!r.error.empty() && error.empty()) error = r.error;
    return r.entries;
}

}  // namespace

LawNeighbours read_law_neighbours(const std::filesystem::path& data_folder, int year, int month,
                                  uint16_t group_id, bool new_period_shown) {
    MonthFileCache files;
    return read_law_neighbours(data_folder, year, month, group_id, new_period_shown, files);
}

LawNeighbours read_law_neighbours(const std::filesystem::path& data_folder, int year, int month,
                                  uint16_t group_id, bool new_period_shown, MonthFileCache& files) {
    LawNeighbours n;
    n.previous = read_into(data_folder, previous_month({year, month}), n.error, files);
    n.next = read_into(data_folder, next_month({year, month}), n.error, files);
    for (int m = 1; m < month; ++m)
        n.earlier_this_year.push_back(read_into(data_folder, {year, m}, n.error, files));
    if (!new_period_shown)
        n.period_start_days_back =
            period_start_days_back(data_folder, year, month, group_id, files);
    return n;
}

}  // namespace tabrel
