#pragma once

#include <string>

#include "base/clock.h"

namespace tabrel {

// What the system's regional settings decide. The GUI fills it from the desktop; the core and
// the tests use the Polish defaults.
struct Locale {
    // Short date as the system writes it (cp1250), e.g. "07.12.2026".
    virtual std::string short_date(int year, int month, int day) const;
    virtual char decimal_separator() const { return ','; }
    virtual ~Locale() = default;
};

// The short date made safe for a file name: characters a file name cannot hold become "-".
std::string file_name_date(const Locale& locale, int year, int month, int day);

}  // namespace tabrel
