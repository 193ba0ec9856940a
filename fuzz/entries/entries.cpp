#include "fuzz_entries.h"

namespace tabrel::fuzz {

std::span<const Entry> entries() {
    static constexpr Entry kEntries[] = {
        {"archive", archive},
        {"group_file", group_file},
        {"staff_file", staff_file},
        {"month_file", month_file},
        {"options_file", options_file},
        {"legacy_file", legacy_file},
        {"language_file", language_file},
        {"template_header", template_header},
        {"template_body", template_body},
    };
    return kEntries;
}

}  // namespace tabrel::fuzz
