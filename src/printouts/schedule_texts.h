#pragma once

#include <string>
#include <vector>

#include "model/roster.h"

namespace tabrel {

// Who works and who is off on one day, as HTML fragments of short names separated by ", ".
struct DaySchedule {
    std::string kto_8;                    // "8" duties
    std::string kto_dopr;                 // norm-remainder duties
    std::string kto_inny;                 // other duties that fit no shift
    std::string kto_wolne;                // kinds "1", "5", "7", "9", each in its class mark
    std::string kto_urlopy;               // kind "u"
    std::string kto_zwolnienia;           // kind "z"
    std::string kto_inne_wolne;           // the other kinds that carry hours
    std::vector<std::string> kto_zmiana;  // per shift of the current group: exact fits
};

// The schedule texts of every day of the shown month. Without `all_groups` only members of the
// current group and only their entries of that group count. With `escape_names` the short names
// are HTML-escaped while the markup around them stays. No current group gives empty days.
std::vector<DaySchedule> przygotuj_rozklad(const Roster& roster, bool all_groups,
                                           bool escape_names);

}  // namespace tabrel
