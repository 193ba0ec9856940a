#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace tabrel {

// "ical YYYY-MM (--worker ID | --group ID) [--months N] [--out FILE]": the duties and days off
// of N months (default 1) as an iCalendar file, on stdout without --out. Reads only: nothing in
// the data folder is written, so it needs no lock and runs beside the program.
int run_ical_command(const std::filesystem::path& data_dir, const std::vector<std::string>& args);

}  // namespace tabrel
