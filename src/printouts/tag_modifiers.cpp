#include "printouts/tag_modifiers.h"

namespace tabrel {

TagModifiers read_modifiers(std::string_view token) {
    TagModifiers m;
    const size_t blank = token.find(' ');
    if (blank != std::string_view::npos) token = token.substr(0, blank);
    if (token.ends_with(':')) {
        m.text_time = true;
        token.remove_suffix(1);
    }
    if (token.ends_with('0')) {
        m.zero = true;
        token.remove_suffix(1);
    }
    m.name = token;
    return m;
}

std::string apply_zero_rule(std::string value, bool zero, char time_separator) {
    if (zero) return value == "&nbsp;" ? "0" : value;
    const std::string zero_time = std::string("00") + time_separator + "00";
    if (value == "0" || value == "00:00" || value == zero_time) return "&nbsp;";
    return value;
}

}  // namespace tabrel
