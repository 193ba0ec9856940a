#pragma once

#include <filesystem>
#include <optional>

#include "month_arguments.h"

namespace tabrel {

// Beyond ten years an export is surely a typing mistake.
inline constexpr int kMaxIcalMonths = 120;

struct IcalRequest {
    YearMonth first{0, 0};
    std::optional<int> worker_id;  // exactly one of the two
    std::optional<int> group_id;
    int months = 1;
    std::optional<std::filesystem::path> out;
};

// "ical YYYY-MM (--worker ID | --group ID) [--months N] [--out FILE]": the duties and days off
// of N months (default 1) as an iCalendar file, on stdout without --out. Reads only: nothing in
// the data folder is written, so it needs no lock and runs beside the program.
int run_ical_command(const std::filesystem::path& data_dir, const IcalRequest& request);

}  // namespace tabrel
