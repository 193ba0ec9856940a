#pragma once

#include <string>
#include <string_view>

namespace tabrel {

// A tag token with its modifiers taken off: the part before the first blank, without a final
// ":" (text-time form) and then without a final "0" (zeros shown as "0").
struct TagModifiers {
    std::string name;
    bool text_time = false;
    bool zero = false;
};

TagModifiers read_modifiers(std::string_view token);

// Zeros of a value: without the zero modifier "0" and a zero time ("00:00", or with the
// separator in force) become "&nbsp;"; with it "&nbsp;" becomes "0".
std::string apply_zero_rule(std::string value, bool zero, char time_separator);

}  // namespace tabrel
