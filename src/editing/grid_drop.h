#pragma once

#include <string>

#include "editing/edit_context.h"
#include "editing/redisplay.h"

namespace tabrel {

// What is dragged onto the calendar grid.
struct DropSource {
    enum class Kind {
        DutyPanel,    // the panel "Dyżur": a new duty
        WorkerList,   // the selected worker from the worker list: a new duty
        DayOffPanel,  // the panel "Wolne": a new day off
        Tile,         // a duty or day-off tile: moved, or a duty copied with Ctrl
    };
    Kind kind = Kind::DutyPanel;
    std::string tile;  // the tile's name for Kind::Tile
};

// A cell that shows a day of the month, on a shift of the current group.
bool valid_cell(const Roster& roster, int day, int shift_no);

// drop_allowed: the cell under the mouse becomes the selected cell; only a valid one accepts.
bool drop_allowed(EditContext& context, int day, int shift_no);

// drop_on_grid: the rules of each source for the cell's day and shift. Refusals are told
// through the prompter and leave the roster as it was.
Redisplay drop_on_grid(EditContext& context, const DropSource& source, int day, int shift_no,
                       bool ctrl);

// A new duty for `worker_index` (the selected worker, or the one chosen by typing its short
// name) after the checks every drop makes: with Ctrl inserted at once as a whole shift, without
// it through the duty dialog.
Redisplay drop_new_duty(EditContext& context, int worker_index, int day, int shift_no, bool ctrl);

// A new day off of the selected worker from `day` on, through the day-off dialog.
Redisplay drop_new_day_off(EditContext& context, int day);

// The checks common to all drops: someone in the register, the selected worker not blocked.
bool drop_allowed(EditContext& context);

}  // namespace tabrel
