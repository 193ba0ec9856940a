#pragma once

#include "storage/ini_file.h"
#include "storage/law_limits.h"

namespace tabrel {

inline constexpr const char* kLawSection = "kontrola_czasu_pracy";

// The section "kontrola_czasu_pracy": each limit as "hh:mm" with its switch "..._wl" (1 on,
// 0 off). Missing or unreadable values keep their defaults; a day length is kept to 24:00.
LawLimits read_law_limits(const IniFile& file);

// Writes the section when the file has it or a setting differs from its default, so that a
// file of an older version stays as it was while nothing of this was changed.
void write_law_limits(IniFile& file, const LawLimits& limits);

}  // namespace tabrel
