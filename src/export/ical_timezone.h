#pragma once

#include <string>

namespace tabrel {

// The zone every duty time is given in: the ward keeps Polish wall-clock time.
inline constexpr const char* kIcalTimeZone = "Europe/Warsaw";

// The VTIMEZONE component of kIcalTimeZone (CET, CEST from the last Sunday of March to the
// last Sunday of October), CR LF lines.
std::string ical_timezone();

}  // namespace tabrel
