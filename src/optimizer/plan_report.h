#pragma once

#include "optimizer/optimal_planner.h"
#include "optimizer/ward.h"
#include "storage/options.h"

namespace tabrel {

// Fills the plan's shortfall by day and shift, its total, each planned worker's distance from
// the norm (counted as the summaries count it) and the nights and weekend duties, all with the
// plan's duties in place.
void report_plan(const Ward& ward, const Options& options, OptimalPlan& plan);

}  // namespace tabrel
