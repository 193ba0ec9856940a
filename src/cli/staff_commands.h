#pragma once

#include <filesystem>

namespace tabrel {

// "resave": loads groups and staff as the program does at start and saves them as it does
// at exit.
int resave_command(const std::filesystem::path& data_folder);

// "dump": loads groups and staff as the program does at start and prints them as JSON.
int dump_command(const std::filesystem::path& data_folder);

}  // namespace tabrel
