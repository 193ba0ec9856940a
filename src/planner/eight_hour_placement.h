#pragma once

#include "model/duty.h"
#include "model/roster.h"
#include "storage/options.h"

namespace tabrel {

// The "8" placement: copies of `templ` on the month's working days (Monday to Friday without
// the holiday mark) whose slot is free, on the shifts of the worker's "8" pattern from its
// start character on. The pattern steps once per working day, or with "Tydzień" once per
// calendar week, when the shift's start also replaces the template's. Returns true when a duty
// was placed; with `redisplay` the worker's summary is then recomputed and the caller redraws
// the month's duties.
bool rozpisz_8(Roster& roster, const Options& options, int worker_index, Duty templ,
               bool redisplay);

}  // namespace tabrel
