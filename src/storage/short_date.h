#pragma once

#include <optional>
#include <string_view>

#include "base/locale.h"

namespace tabrel {

// A date written in the system's short date format read back. The order of day, month and
// year is learnt from the locale's own output; nothing for a text that is not such a date.
std::optional<Date> parse_short_date(const Locale& locale, std::string_view text);

// The date `days` days earlier (a negative count goes forward).
Date days_before(Date date, int days);

}  // namespace tabrel
