#pragma once

#include <vector>

#include "model/calendar.h"

namespace tabrel {

class IniFile;

// Reads the user's own marks of every day from the month file's sections "kalendarz_wlasny",
// "kalendarz_ostre_dyzury" and "kalendarz_notatki" (key: zero-based day index). A missing key
// clears the mark; 0xA4 in a note stands for a line break.
void read_day_overrides(const IniFile& month_file, std::vector<CalendarDay>& days);

}  // namespace tabrel
