#pragma once

#include <filesystem>
#include <string>

#include "base/locale.h"
#include "base/prompter.h"
#include "model/roster.h"
#include "storage/options.h"

namespace tabrel::test {

// A ward the size of a large hospital department in March 2024: 6 groups, 200 workers and
// some 3000 duties. Version 0 and version 1 differ in every data file (names, duties, window).
struct LargeWard {
    Roster roster;
    Options options;

    LargeWard(const std::filesystem::path& data_folder, int version);
};

// Everything the program writes at exit: groups, staff, the shown month and the exit state of
// konfiguracja.ini. False when any of it failed.
bool save_everything(LargeWard& ward, const Locale& locale, Prompter& prompter);

// A month file with its "data=" line (the day it was written) blanked, for comparisons that
// must not depend on the day the test runs.
std::string without_save_date(std::string month_text);

}  // namespace tabrel::test
