#pragma once

#include <cstdint>
#include <string>

#include "base/locale.h"
#include "model/roster.h"
#include "worktime/law_check.h"

namespace tabrel {

// A moment of the shown month's time line as the short date and "hh:mm" (cp1250).
std::string law_moment_text(const Roster& roster, const Locale& locale, int64_t minutes);

// The finding on one line, with the date and time it begins (cp1250).
std::string law_finding_line(const LawFinding& f, const Roster& roster, const Locale& locale);

}  // namespace tabrel
