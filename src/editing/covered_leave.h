#pragma once

#include <array>
#include <cstdint>

#include "model/roster.h"

namespace tabrel {

// The `seq` of each duty slot of a worker, taken before an edit.
using DutySnapshot = std::array<int16_t, kMonthSlots>;

DutySnapshot duty_snapshot(const Worker& worker);

// Duties that came or went on days inside a day off change what that leave is worth: each such
// day's leave accounts are corrected. True when any slot changed since the snapshot.
bool correct_covered_leave(Roster& roster, int worker_index, const DutySnapshot& before);

}  // namespace tabrel
