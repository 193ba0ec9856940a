#pragma once

#include <QWidget>

#include "optimizer/optimal_planner.h"

namespace tabrel {

// Runs the optimizing planner on a thread of its own behind a modal progress dialog that shows
// the time spent and the best plan's shortfall; "Przerwij" stops the search and keeps the best
// plan found so far. The window takes no input meanwhile, so the roster stays as the search
// read it. An error of the search is thrown again here.
OptimalPlan search_optimal_plan(const Roster& roster, const Options& options,
                                const OptimizerSettings& settings, QWidget* parent);

}  // namespace tabrel
