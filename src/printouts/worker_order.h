#pragma once

#include <string_view>
#include <vector>

#include "model/roster.h"

namespace tabrel {

// How a worker block orders the listed workers, from its attribute text.
enum class WorkerSort { List, Name, DutyFrom };

// "sort=name" or "sort=duty_from" (double quotes removed first); anything else keeps the list.
WorkerSort worker_sort(std::string_view attributes);

// The listed workers (Roster indexes) by surname and first name in Polish collation, letter
// case ignored, equal names in list order.
std::vector<int> workers_by_name(const Roster& roster, const std::vector<int>& list);

// The listed workers with a duty on the day or a day off covering it (0-based day), earliest
// duty start first, then shorter duty, then list order; a day off alone counts as start 0.
std::vector<int> workers_by_duty_from(const Roster& roster, const std::vector<int>& list, int day);

}  // namespace tabrel
