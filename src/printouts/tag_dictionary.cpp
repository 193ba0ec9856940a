#include "printouts/generation_context.h"
#include "printouts/tag_lookup.h"
#include "printouts/tag_modifiers.h"

namespace tabrel {

namespace {

// The special tags switch the rest of the generation and show nothing themselves.
void apply_switches(const std::string& token, const TagModifiers& m, GenerationSwitches& s) {
    if (token == "clear_auto_eols") s.clear_auto_eols = true;
    if (m.name == "read_all_groups") {
        s.all_groups = true;
        // A summary computed for the current group alone would now be out of date.
        s.summary_worker = -1;
    }
}

std::string lookup(const TagModifiers& m, GenerationContext& ctx) {
    if (m.name == "eol") return "|eol|";
    const std::optional<FoundTag> found = find_tag(m.name, ctx.at.shift);
    if (!found) return {};
    const TagCall call{ctx, m.text_time, found->shift_number, found->letters};
    return found->entry->value(call);
}

}  // namespace

std::string gen_zamien(const std::string& token, GenerationContext& ctx) {
    const std::string_view cut = std::string_view(token).substr(0, token.find(' '));
    if (cut == "dot_as_time_sep") ctx.switches.time_separator = '.';
    const TagModifiers m = read_modifiers(token);
    apply_switches(token, m, ctx.switches);
    return apply_zero_rule(lookup(m, ctx), m.zero, ctx.switches.time_separator);
}

}  // namespace tabrel
