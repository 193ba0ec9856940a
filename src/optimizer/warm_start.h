#pragma once

#include <vector>

#include "optimizer/law_constraints.h"
#include "optimizer/ward.h"

namespace tabrel {

// A quick plan that keeps every limit, so the solver holds a solution from its first moment:
// the required staffing filled day by day (nights and weekends by fewest so far for the norm,
// other shifts by most of the norm left), then each worker brought up to the norm on the
// thinnest shifts. By choice: given or not.
std::vector<bool> greedy_plan(const Ward& ward, const LawConstraints& law);

}  // namespace tabrel
