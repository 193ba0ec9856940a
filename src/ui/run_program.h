#pragma once

#include <filesystem>

#include "app/program_folders.h"

namespace tabrel {

// The program's whole life on its folders: opens its data, asks for the password, shows the
// main window and runs the event loop. Returns the exit code; 1 when the start was refused.
int run_program(const ProgramFolders& folders);

// Runs the program whose executable lies in `program_folder`, beside its data when that is a
// portable copy, on the user's data folder when it is installed. 1 when the user has no folder
// an installed copy could keep the data in.
int run_installed_or_portable(const std::filesystem::path& program_folder);

}  // namespace tabrel
