#pragma once

#include "app/prompter.h"
#include "model/roster.h"
#include "storage/options.h"

namespace tabrel {

// When any worker of the register holds an unaccepted duty, asks "Czy zatwierdzić
// automatycznie wpisane dyżury?": Yes accepts every duty, No removes every unaccepted duty of
// every worker, whatever its group. Either way the selected worker's summary is recomputed.
// Nothing is asked, and nothing changes, when there is no unaccepted duty.
void accept_or_discard(Roster& roster, const Options& options, Prompter& prompter);

}  // namespace tabrel
