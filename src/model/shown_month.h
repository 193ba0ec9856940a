#pragma once

#include "base/year_month.h"
#include "model/roster.h"

namespace tabrel {

// The roster keeps its shown month counted from 0; everything else counts months from 1. These
// two are the only crossing between the two.
YearMonth shown_year_month(const Roster& roster);
void show_year_month(Roster& roster, YearMonth shown);

}  // namespace tabrel
