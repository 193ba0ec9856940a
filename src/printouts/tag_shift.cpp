#include <array>

#include "printouts/tag_families.h"

namespace tabrel {

namespace {

template <typename Value>
std::string of_shift(const TagCall& c, Value value) {
    const Shift* s = c.shift();
    return s ? value(*s) : std::string();
}

std::string shift_no(const TagCall& c) {
    return of_shift(c, [&](const Shift&) { return std::to_string(c.shift_number); });
}

std::string shift_from(const TagCall& c) {
    return of_shift(c, [&](const Shift& s) { return c.clock(s.zod); });
}

std::string shift_to(const TagCall& c) {
    return of_shift(c, [&](const Shift& s) { return c.clock(s.zod + s.zile); });
}

std::string shift_symbol(const TagCall& c) {
    return of_shift(c, [&](const Shift& s) { return c.text(s.zsymbol); });
}

std::string shift_name(const TagCall& c) {
    return of_shift(c, [&](const Shift& s) { return c.text(s.znazwa); });
}

std::string duty_who(const TagCall& c) {
    if (!c.shift() || !c.day()) return {};
    return c.schedule()[static_cast<size_t>(c.ctx.at.day)].kto_zmiana[c.shift_number - 1];
}

std::string next_month_class(const TagCall& c) {
    switch (c.calendar().next_month_first) {
        case 1:
            return "dsw";
        case 7:
            return "dso";
        default:
            return "dda";
    }
}

std::string after_first_shift_start(const TagCall& c, int minutes) {
    const Shift* first = c.first_shift();
    return first ? c.clock(first->zod + minutes) : std::string();
}

std::string eight_duty_end(const TagCall& c) {
    const Group* g = c.group();
    return g ? after_first_shift_start(c, g->profile.day8) : std::string();
}

std::string least_duty_end(const TagCall& c) {
    return after_first_shift_start(c, c.calendar().group_norm_remainder);
}

// Worked and leave hours of everyone in the worker list, as their summaries stand.
std::string listed_total(const TagCall& c) {
    int64_t total = 0;
    for (int index : c.ctx.worker_list) {
        if (index < 0 || index >= static_cast<int>(c.ctx.roster.workers.size())) continue;
        const WorkerMonthSummary& s = c.ctx.roster.workers[static_cast<size_t>(index)].summary;
        total += s.worked_total + s.leave_toward_norm;
    }
    return c.time(total);
}

constexpr TagSuffix kNumbered = TagSuffix::shift_number;

const std::array kShift = {
    TagEntry{"shift_no", "zmiana_nr", shift_no, kNumbered},
    TagEntry{"shift_from", "zmiana_od", shift_from, kNumbered},
    TagEntry{"shift_to", "zmiana_do", shift_to, kNumbered},
    TagEntry{"shift_symbol", "zmiana_symbol", shift_symbol, kNumbered},
    TagEntry{"shift_name", "zmiana_nazwa", shift_name, kNumbered},
    TagEntry{"duty_who", "dyzur_kto", duty_who, kNumbered},
    TagEntry{"n1_day_class", "1n_dzien_klasa", next_month_class},
    TagEntry{"duty8_to", "dyzur8_do", eight_duty_end},
    TagEntry{"least_to", "dopracowanie_do", least_duty_end},
    TagEntry{"all_sum", "suma_wypr", listed_total},
};

}  // namespace

std::span<const TagEntry> shift_tags() {
    return kShift;
}

}  // namespace tabrel
