#include "editing/symbols.h"

#include <algorithm>
#include <optional>

#include "model/time_value.h"

namespace tabrel {

namespace {

// A duty's shift numbers refer to the table of the group it was placed in.
const Group* group_of(const Roster& roster, const Duty& duty) {
    for (const Group& g : roster.groups)
        if (g.id == duty.group_id) return &g;
    return roster.current();
}

bool matches_shift(const Profile& rules, const Duty& duty) {
    if (duty.shift_no < 1 || duty.shift_no > rules.shifts.size()) return false;
    const Shift& shift = rules.shifts[duty.shift_no - 1];
    return duty.start == shift.zod && duty.duration == shift.zile;
}

// A month whose norm is whole shifts has no remainder duty, so a zero-length duty is not one.
bool is_remainder(const Roster& roster, const Group* group, const Duty& duty) {
    const TimeValue remainder = roster.calendar.group_norm_remainder;
    return remainder > 0 && group == roster.current() && duty.duration == remainder;
}

std::string by_mode(const Options& options, const Duty& duty, SymbolMode mode,
                    std::string_view format) {
    switch (mode) {
        case SymbolMode::Ile:
            return min2h(duty.duration, format, false);
        case SymbolMode::Symbol:
            if (!options.symbol_other.empty()) return options.symbol_other;
            return min2h(duty.duration, format, false);
        case SymbolMode::KSymbol:
            return options.symbol_other;
        case SymbolMode::OdDo:
            return min2h(duty.start, format, false) + "-" +
                   min2h(duty.start + duty.duration, format, false);
    }
    return {};
}

std::optional<int> kind_of(const Worker& worker, const DayOff& entry, int day) {
    if (entry.seq != 0) return day_off_index(entry.kind);
    for (int i = std::min(day, kMonthSlots) - 1; i >= 0; --i) {
        if (worker.days_off[i].seq != 0) return day_off_index(worker.days_off[i].kind);
    }
    return std::nullopt;
}

}  // namespace

std::string dyzur2symbol(const Roster& roster, const Options& options, const Duty& duty,
                         SymbolMode mode, std::string_view format) {
    const Group* group = group_of(roster, duty);
    if (group == nullptr) return by_mode(options, duty, mode, format);
    if (matches_shift(group->profile, duty))
        return group->profile.shifts[duty.shift_no - 1].zsymbol;

    const bool remainder = is_remainder(roster, group, duty);
    const bool eight = duty.duration == group->profile.day8;
    if (!remainder && !eight) return by_mode(options, duty, mode, format);
    if (eight) return options.symbol_8;
    if (!options.symbol_d.empty()) return options.symbol_d;
    return mode == SymbolMode::KSymbol ? std::string() : min2h(duty.duration, format, false);
}

std::string wolne2symbol(const Options& options, const Worker& worker, const DayOff& entry,
                         int day) {
    const std::optional<int> kind = kind_of(worker, entry, day);
    return kind ? options.day_off[*kind].symbol : std::string(" ");
}

std::string wolne2nazwa(const Options& options, const DayOff& entry) {
    const std::optional<int> kind = day_off_index(entry.kind);
    return kind ? options.day_off[*kind].name : std::string(" ");
}

}  // namespace tabrel
