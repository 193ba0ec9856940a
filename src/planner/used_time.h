#pragma once

#include "model/worker.h"

namespace tabrel {

// The time a worker has used of the norm by the last summary: worked hours and the leave
// that counts toward the norm, in minutes.
inline int used_time(const Worker& w) {
    const WorkerMonthSummary& s = w.summary;
    return s.hours_D + s.hours_N + s.hours_S + s.leave_toward_norm;
}

}  // namespace tabrel
