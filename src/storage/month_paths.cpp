#include "storage/month_paths.h"

#include <cstdio>

#include "base/year_month.h"
#include "model/shown_month.h"

namespace tabrel {

std::filesystem::path month_file_path(const std::filesystem::path& data_folder, int year,
                                      int month) {
    char name[32];
    std::snprintf(name, sizeof name, "%04d_%02d.tbr", year, month);
    return data_folder / name;
}

void plik_save(Roster& roster) {
    if (roster.groups.empty()) return;
    const YearMonth shown = shown_year_month(roster);
    const YearMonth next = next_month(shown);
    const YearMonth previous = previous_month(shown);
    roster.month_file = month_file_path(roster.data_folder, shown.year, shown.month);
    roster.next_month_file = month_file_path(roster.data_folder, next.year, next.month);
    roster.previous_month_file = month_file_path(roster.data_folder, previous.year, previous.month);
}

std::filesystem::path restore_marker(const std::filesystem::path& file) {
    std::filesystem::path marker = file;
    marker += ".~ak";
    return marker;
}

}  // namespace tabrel
