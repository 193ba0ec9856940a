#include "printouts/law_block.h"

#include "printouts/template_error.h"
#include "worktime/law_findings.h"

namespace tabrel {

const std::vector<LawFinding>& block_findings(const GenerationContext& ctx) {
    auto& cached = ctx.switches.law_findings;
    if (cached) return *cached;
    const Group* group = ctx.roster.current();
    if (group == nullptr) return cached.emplace();
    const LawNeighbours n = shown_month_neighbours(ctx.roster);
    if (!n.error.empty()) throw TemplateError(n.error);
    return cached.emplace(law_findings(ctx.roster, n, ctx.options.law, group->id));
}

const LawFinding* context_finding(const GenerationContext& ctx) {
    const int k = ctx.at.finding;
    if (k < 0) return nullptr;
    const std::vector<LawFinding>& all = block_findings(ctx);
    return static_cast<size_t>(k) < all.size() ? &all[static_cast<size_t>(k)] : nullptr;
}

}  // namespace tabrel
