#include "export/export_months.h"

#include "base/year_month.h"
#include "storage/month_paths.h"

namespace tabrel {

namespace {

MonthEntries shown_month_entries(const Roster& roster, int year, int month) {
    MonthEntries out{year, month, roster.detached_duties, roster.detached_days_off};
    for (const Worker& w : roster.workers) {
        for (const Duty& d : w.duties)
            if (d.seq != 0 && d.group_id != 0) out.duties.push_back(d);
        for (const DayOff& d : w.days_off)
            if (d.seq != 0) out.days_off.push_back(d);
    }
    return out;
}

}  // namespace

ExportMonths export_months(const Roster& roster, int year, int month, int count) {
    ExportMonths result;
    YearMonth when{year, month};
    for (int i = 0; i < count; ++i, when = next_month(when)) {
        const int y = when.year;
        const int m = when.month;
        const bool shown = !roster.month_file.empty() &&
                           roster.month_file == month_file_path(roster.data_folder, y, m);
        if (shown) {
            result.months.push_back(shown_month_entries(roster, y, m));
            continue;
        }
        MonthEntriesResult read = read_month_entries(roster.data_folder, y, m);
        if (!read.error.empty()) {
            result.error = read.error;
            return result;
        }
        result.months.push_back(std::move(read.entries));
    }
    return result;
}

}  // namespace tabrel
