#pragma once

#include "model/roster.h"
#include "model/time_value.h"

namespace tabrel {

class IniFile;

// The worker's norm of the month: the own norm when one is set, else the group norm scaled by
// the employment fraction (halves to even); either one less the balance carried so far.
TimeValue worker_norm(const Worker& worker, TimeValue group_norm);

// Sets `carry_total` from the two carries and `norma` from worker_norm.
void apply_worker_norm(Worker& worker, TimeValue group_norm);

// "Zeruj": the automatic carry of every worker of the current group becomes 0.
void nadpracowania_auto_zeruj(Roster& roster);

// "Wczytaj z poprzedniego miesiąca": the automatic carry of every worker of the current group
// is taken from the previous month file's section "auto_nadpracowania" (missing: 0).
void nadpracowania_auto_wczytaj_z_poprzedniego_miesiaca(Roster& roster,
                                                        const IniFile& previous_month);

}  // namespace tabrel
