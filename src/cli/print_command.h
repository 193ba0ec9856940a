#pragma once

#include <filesystem>
#include <optional>

#include "base/year_month.h"

namespace tabrel {

struct PrintRequest {
    std::filesystem::path template_path;
    YearMonth when{0, 0};
    std::optional<int> group_id;
    std::optional<int> worker_id;
    std::optional<int> day;
    std::optional<std::filesystem::path> out;
};

// "print TEMPLATE.wzr YYYY-MM [--group ID] [--worker ID] [--day N] [--out DIR]": expands the
// template for the month as the templates dialog would (the worker and day given standing for
// the main window's selection), writes the printout into "wydruki/" beside the data folder or
// into DIR, and prints its path.
int run_print_command(const std::filesystem::path& data_dir, const PrintRequest& request);

}  // namespace tabrel
