#pragma once

#include "app/prompter.h"
#include "model/roster.h"
#include "storage/options.h"

namespace tabrel {

// "Rozpisz dyżury": plans the shown month of the current group in memory. In order: the start
// positions are reset when the group asks for it; the "8" and rotation workers without any
// used time get their patterns; those are trimmed back to their norm (full-time "8" workers
// excepted); rotation duties are moved from over-staffed to under-staffed shifts; each planned
// worker below the norm may get one duty for the rest when the group's residue setting asks
// for it; finally the user accepts every duty placed, or the month is put back exactly as it
// was. Only duties placed in this run for the group are ever moved or removed. Used time is
// measured in the summaries' reading: the group's own entries, or with `all_groups` every
// group's. The caller then redraws the duties and days off. Nothing is written to disk.
void uloz_tabrel(Roster& roster, const Options& options, Prompter& prompter, bool all_groups);

}  // namespace tabrel
