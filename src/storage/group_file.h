#pragma once

#include <string>
#include <string_view>

#include "model/group.h"
#include "model/roster.h"

namespace tabrel {

constexpr const char* kGroupsFileName = "grupy.ini";

// The group line (tag "g", 20 fields) and the shift line (tag "z", 9 fields), without line end.
std::string group_line(const Group& g);
std::string shift_line(const Shift& s);

// The whole grupy.ini: every group's line followed by the lines of its current shifts.
std::string groups_file_text(const std::vector<Group>& groups);

// Appends the groups of a grupy.ini text to the roster. A group line fills a reading buffer
// that keeps what earlier lines left in fields a shorter line lacks; the following shift
// lines fill its shift table. A bad value, or a shift line past kMaxShifts, throws
// ConversionError naming the file and the line; the groups before it stay appended.
void read_groups(std::string_view text, Roster& roster);

}  // namespace tabrel
