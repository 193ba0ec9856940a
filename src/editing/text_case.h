#pragma once

#include <string>
#include <string_view>

namespace tabrel {

// Case rules over cp1250 texts, Polish letters included.
std::string lower_case(std::string_view cp1250);
bool equal_ignoring_case(std::string_view a, std::string_view b);

}  // namespace tabrel
