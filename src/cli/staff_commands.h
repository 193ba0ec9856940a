#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace tabrel {

// "resave": loads groups and staff as the program does at start and saves them as it does
// at exit.
int resave_command(const std::filesystem::path& data_folder, const std::vector<std::string>& args);

// "dump": loads groups and staff as the program does at start and prints them as JSON.
int dump_command(const std::filesystem::path& data_folder, const std::vector<std::string>& args);

}  // namespace tabrel
