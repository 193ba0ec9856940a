#pragma once

#include <functional>
#include <string>
#include <vector>

#include "optimizer/linear_model.h"

namespace tabrel {

struct SearchResult {
    std::string status;          // "optimal", "time_limit", "stopped" or "infeasible"
    std::vector<double> values;  // empty without a solution
    double objective = 0;
    double seconds = 0;
};

// Told of every better solution and now and then between: the better solution's values (empty
// when there is no new one), the best cost so far and the seconds spent; returns false to stop
// the search.
using SearchReport =
    std::function<bool(const std::vector<double>& values, double objective, double seconds)>;

// Solves the model with COIN-OR CBC on one thread with a fixed seed, from `start` (a value for
// every integer column, or empty), within `seconds`. The best solution found is kept when the
// limit ends or the report stops the search.
SearchResult search(const LinearModel& model, const std::vector<double>& start, int seconds,
                    const SearchReport& report);

}  // namespace tabrel
