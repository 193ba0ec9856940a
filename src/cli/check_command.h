#pragma once

#include <filesystem>

#include "month_arguments.h"

namespace tabrel {

// The exit status of "check --strict" when the month has a finding.
inline constexpr int kExitFindings = 3;

struct CheckRequest {
    MonthRequest month;
    bool strict = false;
};

// "check YYYY-MM [--group ID] [--strict]": the working-time findings as JSON on stdout; the
// month is read, never written.
int run_check_command(const std::filesystem::path& data_dir, const CheckRequest& request);

}  // namespace tabrel
