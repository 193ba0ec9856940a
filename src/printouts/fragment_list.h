#pragma once

#include <vector>

#include "printouts/block_tree.h"
#include "printouts/generation_context.h"

namespace tabrel {

// One repetition of one node of the block tree, in document order, with the context it is to
// be filled in.
struct Fragment {
    const BlockNode* node = nullptr;  // its text and kind; the tree outlives the list
    int depth = 0;                    // 0 at the top level
    FragmentContext at;
    bool skipped = false;  // an "overt" repetition on a day without overtime
};

// Every repetition of `level` and of the levels below it: days of the month, workers of the
// list (in the block's order), shifts of the current group, entries of the group list, days of
// overtime of the worker, the group's working-time findings. Inner nodes take the indexes they do
// not set from the fragment before them. Throws TemplateError when the template would repeat past a
// sane size.
std::vector<Fragment> gen_drzewo_replikator(const BlockTree& level, const GenerationContext& ctx);

}  // namespace tabrel
