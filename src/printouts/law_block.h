#pragma once

#include <vector>

#include "printouts/generation_context.h"

namespace tabrel {

// The working-time findings of the current group's workers for the shown month, with the
// neighbouring months read from the data folder as `tabrel-cli check` reads them; computed
// once per generation. Throws TemplateError when a neighbouring month cannot be read, so that
// no printout claims a plan is clean that was not fully checked.
const std::vector<LawFinding>& block_findings(const GenerationContext& ctx);

// The finding of the context's "law" block repetition; nothing outside one.
const LawFinding* context_finding(const GenerationContext& ctx);

}  // namespace tabrel
