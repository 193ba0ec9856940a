#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace tabrel {

// "print TEMPLATE.wzr YYYY-MM [--group ID] [--worker ID] [--day N] [--out DIR]": expands the
// template for the month as the templates dialog would (the worker and day given standing for
// the main window's selection), writes the printout into "wydruki/" beside the data folder or
// into DIR, and prints its path.
int run_print_command(const std::filesystem::path& data_dir, const std::vector<std::string>& args);

}  // namespace tabrel
