#pragma once

#include "printouts/generation_context.h"
#include "sample_ward.h"

namespace tabrel::fuzz {

// A copy of the sample ward with the lists and the selection of a freshly opened main window,
// as `tabrel-cli print` sets them up for a generation.
struct WardContext {
    Roster roster = sample_ward().roster;
    GenerationContext ctx{roster, sample_ward().options, sample_ward().locale, system_clock()};

    WardContext();
};

}  // namespace tabrel::fuzz
