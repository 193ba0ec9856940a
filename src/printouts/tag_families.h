#pragma once

#include <span>

#include "printouts/tag_call.h"

namespace tabrel {

// The dictionary's families, each a table of names and values.
std::span<const TagEntry> general_tags();
std::span<const TagEntry> day_tags();
std::span<const TagEntry> shift_tags();
std::span<const TagEntry> worker_tags();
std::span<const TagEntry> worker_summary_tags();
std::span<const TagEntry> duty_tags();
std::span<const TagEntry> day_off_tags();
std::span<const TagEntry> law_tags();

}  // namespace tabrel
