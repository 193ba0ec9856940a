#pragma once

#include <nlohmann/json.hpp>

#include "model/roster.h"

namespace tabrel {

// Every group with its shifts and both profiles and every worker with all its stored fields,
// under the records' field names, texts in UTF-8, in register order.
nlohmann::ordered_json roster_json(const Roster& roster);

}  // namespace tabrel
