#pragma once

#include "model/roster.h"
#include "storage/options.h"

namespace tabrel {

// The rotation placement of the worker's "system" pattern: from its start character on, one
// character per day of the month, weekends and holidays included, beginning on day
// `offset` + 1. A digit names the shift of the day's duty (its whole length); "0" and a shift
// the group lacks give a free day. A day that already holds a duty keeps it. Nothing is placed
// with "Tydzień". Each duty is left unaccepted and the worker's summary recomputed.
void place_rotation(Roster& roster, const Options& options, int worker_index, int offset);

// "Resetuj ustawienia początkowe": the rotation workers of the current group, blocked ones too,
// get start characters 1, 1, ... (as many as their pattern is long), then 2, 2, ... and so on.
void reset_start_positions(Roster& roster);

}  // namespace tabrel
