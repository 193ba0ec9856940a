#pragma once

#include <filesystem>

#include "model/roster.h"

namespace tabrel {

// A month's file in the data folder: yyyy_mm.tbr (month 1..12).
std::filesystem::path month_file_path(const std::filesystem::path& data_folder, int year,
                                      int month);

// Sets the shown, next and previous month's paths from the shown year and month; does
// nothing while there is no group.
void plik_save(Roster& roster);

// The restore marker beside a data file.
std::filesystem::path restore_marker(const std::filesystem::path& file);

}  // namespace tabrel
