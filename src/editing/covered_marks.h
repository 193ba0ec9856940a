#pragma once

#include "model/worker.h"

namespace tabrel {

// Sets `day_off_marker` on the days from `from_day` to `to_day` that one of the worker's days
// off covers ("Bez dyżuru" covers none) and clears it on the others.
void mark_covered_days(Worker& worker, int from_day, int to_day);

}  // namespace tabrel
