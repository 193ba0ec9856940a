#pragma once

#include <string>

#include "model/calendar.h"
#include "model/colour.h"
#include "model/group.h"
#include "model/roster.h"

namespace tabrel {

constexpr int kGridRows = 6;

// Lays out the month on the Monday-first grid: 7 weekday columns, each split into one
// sub-column per shift of the group, 6 week rows; and sets every day's code ("da", "so", "sw",
// "od").
void przenumeruj_kalendarz(MonthCalendar& calendar, const Profile& rules);

// How one grid cell is painted before the duties are drawn over it.
struct CellLook {
    Colour background = 0;
    Colour font = 0;
    std::string text;  // the day number, only in the first sub-column of a day
    bool operator==(const CellLook&) const = default;
};

constexpr Colour kOutsideMonth = rgb(192, 192, 192);
constexpr Colour kHolidayBackground = rgb(255, 200, 200);
constexpr Colour kEmergencyBackground = rgb(255, 255, 0);
constexpr Colour kNotesFont = rgb(100, 255, 100);
constexpr Colour kPlainFont = rgb(0, 0, 0);

// The look of cell [column][row] of a grid laid out by przenumeruj_kalendarz.
CellLook cell_look(const MonthCalendar& calendar, const Profile& rules, int column, int row);

// The grid and its weekday header are shown only once a group and a worker exist.
bool grid_visible(const Roster& roster);

}  // namespace tabrel
