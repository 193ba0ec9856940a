#pragma once

#include <string>
#include <vector>

#include "editing/tile_layout.h"
#include "model/roster.h"
#include "storage/options.h"

namespace tabrel {

// The lines of a tile's hint (cp1250, shown joined by CR): the worker, then the duty's hours,
// length and overtime, or the day off's kind and span, norm and duty hours. Put together only
// when the hint is shown: a full ward lays out thousands of tiles on every switch. `tile` comes
// from the layout of the roster as it is; the roster must have a current group.
std::vector<std::string> tile_hint(const Roster& roster, const Options& options, const Tile& tile);

}  // namespace tabrel
