#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "printouts/tag_call.h"

namespace tabrel {

// A name of the dictionary and the argument its numbered or lettered form carries.
struct FoundTag {
    const TagEntry* entry = nullptr;
    int shift_number = 0;  // for shift tags: the number in the name, else the context's shift + 1
    std::string letters;   // for day-off kind tags: the letters after the base name
};

// Finds a Polish or English name (modifiers already removed). `shift_index` is the 0-based
// shift of the context, used by shift tags written without a number.
std::optional<FoundTag> find_tag(std::string_view name, int shift_index);

}  // namespace tabrel
