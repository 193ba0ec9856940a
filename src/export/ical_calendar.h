#pragma once

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include "model/roster.h"
#include "storage/month_entries.h"
#include "storage/options.h"

namespace tabrel {

// Whose entries a calendar file holds: one worker's in every group (the phone is the
// person's), or every entry of one group.
struct IcalTarget {
    enum class Kind { Worker, Group };
    Kind kind = Kind::Worker;
    uint16_t id = 0;
};

// The iCalendar file (UTF-8, CR LF) of the target's duties and days off in `months`: a timed
// event per duty in Polish local time, an all-day event per day off (joined over a month end
// when the next month continues it). Each event's UID stays the same from one export to the
// next, so a calendar updates it instead of adding it again. `stamp` is the time of the export.
// Entries of workers not in the register are left out.
std::string ical_calendar(const Roster& roster, const Options& options, IcalTarget target,
                          const std::vector<MonthEntries>& months, std::chrono::sys_seconds stamp);

}  // namespace tabrel
