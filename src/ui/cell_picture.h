#pragma once

#include <vector>

#include "model/roster.h"
#include "storage/options.h"
#include "worktime/calendar_grid.h"

namespace tabrel {

// What the grid draws in one cell before its tiles.
struct CellPicture {
    CellLook look;
    int corner = -1;  // the corner number, -1 for a cell outside the month
    bool operator==(const CellPicture&) const = default;
};

// The cell [column, row] of the shown month; the roster must have a current group.
CellPicture cell_picture(const Roster& roster, const Options& options, int column, int row);

// Every cell, column by column; none without a current group.
std::vector<CellPicture> cell_pictures(const Roster& roster, const Options& options);

}  // namespace tabrel
