#pragma once

#include <string>

namespace tabrel {

// Polish weekday names (cp1250) by the calendar's numbering, 1 = Sunday .. 7 = Saturday; the
// empty text for any other number.
std::string weekday_name(int weekday);
std::string weekday_name_short(int weekday);

}  // namespace tabrel
