#pragma once

#include <filesystem>
#include <string>

#include "model/roster.h"

namespace tabrel {

// Fills the emptied groups and workers of the roster from grupy.ini and the staff archive of
// the data folder without writing anything there: no companion copies, and kadra.ini is taken
// from kadra.inr in memory (a kadra.ini beside a missing archive is read as it is). For the
// commands that only read. An error text (cp1250), empty when both loaded; a folder that still
// holds the legacy tabrel.ini is refused, since only the program's own load converts it.
std::string read_register(const std::filesystem::path& data_folder, Roster& roster);

}  // namespace tabrel
