#include "worktime/calendar_grid.h"

#include "worktime/weekday.h"

namespace tabrel {

namespace {

void lay_out_cells(MonthCalendar& calendar, int n) {
    calendar.cells.assign(7 * n, std::vector<CalendarCell>(kGridRows));
    for (int column = 0; column < 7 * n; ++column) {
        for (CalendarCell& cell : calendar.cells[column])
            cell = {static_cast<uint8_t>(column % n + 1), 0};
    }
    if (calendar.days.empty()) return;
    const int f = (calendar.days[0].weekday + 4) % 7;
    const int a = f == 6 ? -1 : 0;
    for (size_t i = 0; i < calendar.days.size(); ++i) {
        const int d = static_cast<int>(i) + 1;
        const int base = (calendar.days[i].weekday + 5) % 7 * n;
        const int row = (f + d) / 7 + a;
        for (int k = 0; k < n; ++k) calendar.cells[base + k][row].day = static_cast<uint8_t>(d);
    }
}

std::string day_code(const CalendarDay& day) {
    if (day.kalendarz_ostre_dyzury) return "od";
    if (day.holiday) return "sw";
    if (day.weekday == kSaturday) return "so";
    return "da";
}

}  // namespace

void przenumeruj_kalendarz(MonthCalendar& calendar, const Profile& rules) {
    lay_out_cells(calendar, static_cast<int>(rules.shifts.size()));
    for (CalendarDay& day : calendar.days) day.day_code = day_code(day);
}

CellLook cell_look(const MonthCalendar& calendar, const Profile& rules, int column, int row) {
    const CalendarCell& cell = calendar.cells.at(column).at(row);
    if (cell.day == 0 || cell.day > calendar.days.size()) return {kOutsideMonth, kPlainFont, ""};
    // A shift table shortened since the layout paints its missing shifts white.
    const bool known_shift = cell.shift_no >= 1 && cell.shift_no <= rules.shifts.size();
    CellLook look{known_shift ? rules.shifts[cell.shift_no - 1].zkolor : clWhite, kPlainFont, ""};
    if (cell.shift_no != 1) return look;
    const CalendarDay& day = calendar.days[cell.day - 1];
    look.text = std::to_string(cell.day);
    if (day.holiday) look.background = kHolidayBackground;
    if (!day.kalendarz_notatki.empty()) look.font = kNotesFont;
    if (day.kalendarz_ostre_dyzury) look.background = kEmergencyBackground;
    return look;
}

bool grid_visible(const Roster& roster) {
    return !roster.groups.empty() && !roster.workers.empty();
}

}  // namespace tabrel
