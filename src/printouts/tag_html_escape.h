#pragma once

#include <string>
#include <string_view>

namespace tabrel {

// Roster and configuration text made safe inside an HTML page: "&", "<", ">" and the double
// quote become entities; every other byte (cp1250 letters included) stays.
std::string html_escape(std::string_view text);

}  // namespace tabrel
