#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tabrel {

// Fills a language file's format text: each "%s" or "%d" takes the next argument in order,
// "%%" gives "%". The pattern comes from a user-editable file, so missing arguments give
// empty text and any other "%" is kept as it stands; nothing is read past the arguments.
std::string format_text(std::string_view pattern, const std::vector<std::string>& args);

}  // namespace tabrel
