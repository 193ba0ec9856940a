#pragma once

#include <chrono>
#include <cstdint>
#include <string>

#include "model/duty.h"
#include "model/roster.h"
#include "storage/options.h"

namespace tabrel {

// What every event of one calendar file shares.
struct IcalContext {
    const Roster& roster;
    const Options& options;
    std::string uid_suffix;  // "-" + the data folder's hash + "@tabrel"
    std::string stamp;       // DTSTAMP value, UTC
    bool worker_prefix;      // a group's file: each summary starts with the short name
};

// A day off as one all-day event; may run over a month end.
struct DayOffSpan {
    uint16_t worker_id = 0;
    uint16_t group_id = 0;
    char kind = 0;
    std::chrono::sys_days first;
    std::chrono::sys_days last;  // inclusive
};

// The VEVENT of a duty on `day`, from its start to start + duration in local wall-clock time.
std::string ical_duty_event(const IcalContext& ctx, const Duty& d, std::chrono::sys_days day);

// The all-day VEVENT of a day off.
std::string ical_day_off_event(const IcalContext& ctx, const DayOffSpan& span);

}  // namespace tabrel
