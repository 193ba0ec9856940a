#pragma once

#include "editing/edit_context.h"
#include "editing/redisplay.h"
#include "editing/tile_name.h"

namespace tabrel {

// A duty tile dropped on day `day` and shift `shift_no`: moved, or with Ctrl copied. Another
// duty of the worker on the target day refuses it, except a move to another shift of the
// same day.
Redisplay move_duty_tile(EditContext& context, const TileRef& tile, int day, int shift_no,
                         bool ctrl);

// A day-off tile dropped on day `day`: the entry starts there instead and keeps its length (cut
// to the month with a notice). Its covered-day marks move with it and its leave accounts follow
// its new days.
Redisplay move_day_off_tile(EditContext& context, const TileRef& tile, int day);

}  // namespace tabrel
