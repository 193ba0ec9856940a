#include "cell_picture.h"

namespace tabrel {

namespace {

// The number a cell shows in its corner, as the configuration chooses.
int corner_value(const MonthCalendar& calendar, const Options& options, const CalendarCell& cell) {
    switch (options.CalendarDisplay) {
        case 1:
            return cell.day;
        case 2: {
            const CalendarDay& day = calendar.days[cell.day - 1];
            const size_t shift = cell.shift_no - 1u;
            return shift < day.shift_counts.size() ? day.shift_counts[shift] : 0;
        }
        default:
            return cell.shift_no;
    }
}

}  // namespace

CellPicture cell_picture(const Roster& roster, const Options& options, int column, int row) {
    const MonthCalendar& calendar = roster.calendar;
    CellPicture picture{cell_look(calendar, roster.current()->profile, column, row)};
    const CalendarCell& c = calendar.cells[column][row];
    if (c.day >= 1 && c.day <= static_cast<int>(calendar.days.size()))
        picture.corner = corner_value(calendar, options, c);
    return picture;
}

std::vector<CellPicture> cell_pictures(const Roster& roster, const Options& options) {
    std::vector<CellPicture> pictures;
    if (!roster.current()) return pictures;
    const auto& grid = roster.calendar.cells;
    for (int column = 0; column < static_cast<int>(grid.size()); ++column) {
        for (int row = 0; row < static_cast<int>(grid[column].size()); ++row)
            pictures.push_back(cell_picture(roster, options, column, row));
    }
    return pictures;
}

}  // namespace tabrel
