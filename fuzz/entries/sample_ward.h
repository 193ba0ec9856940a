#pragma once

#include "base/locale.h"
#include "model/roster.h"
#include "storage/options.h"

namespace tabrel::fuzz {

inline constexpr int kWardYear = 2024;
inline constexpr int kWardMonth = 5;

// The test ward of tests/data (groups, staff and May 2024 with duties, days off and overtime),
// loaded once as the program loads a data folder. Entries work on copies.
struct SampleWard {
    Roster roster;
    Options options;
    Locale locale;
};

const SampleWard& sample_ward();

}  // namespace tabrel::fuzz
