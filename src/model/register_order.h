#pragma once

#include "model/roster.h"

namespace tabrel {

// Takes the worker record at `from` out of the register and puts it in at `to`, the records
// between moving up or down by one place. The record keeps its duties, days off and id; the
// worker id list follows, and the moved worker stays the selected one. Indices outside the
// register change nothing.
void move_worker(Roster& roster, int from, int to);

// The same for the group records; the moved group becomes the current one.
void move_group(Roster& roster, int from, int to);

}  // namespace tabrel
