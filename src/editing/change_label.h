#pragma once

#include <string>

#include "editing/roster_change.h"

namespace tabrel {

// The name an entry edit of the grid gets in the history, read from what it changed: a duty
// or day off added, removed, moved to another day, shift or worker, or changed in place.
// "zmiana miesiąca" when the change is none of these. cp1250.
std::string change_label(const RosterChange& change);

}  // namespace tabrel
