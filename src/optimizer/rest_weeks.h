#pragma once

#include "optimizer/law_constraints.h"

namespace tabrel {

// The weeks of the settlement period's grid in which the worker's choices could take away the
// weekly rest, each with the windows that may hold it. In a week that already lacks the rest
// the worker gets no duty, so the finding stays as it is.
void add_rest_weeks(const Ward& ward, int worker, LawConstraints& law);

}  // namespace tabrel
