#include <array>
#include <string_view>

#include "editing/symbols.h"
#include "model/time_value.h"
#include "printouts/tag_families.h"
#include "worktime/leave_account.h"

namespace tabrel {

namespace {

// The worker's summary row of the context's day and the day off that starts on it.
struct DayOffDay {
    const DaySummary& row;
    const DayOff& entry;  // seq 0 when no day off starts on the day
    bool covered;         // the duty slot carries the day-off marker

    bool starts() const { return entry.seq != 0; }
};

using DayOffValue = std::string (*)(const TagCall&, const DayOffDay&);

template <DayOffValue value>
std::string on_day_off_day(const TagCall& c) {
    const DaySummary* row = c.row();
    const Worker* w = c.worker();
    if (!row || !w || c.ctx.at.day >= kMonthSlots) return {};
    const size_t d = static_cast<size_t>(c.ctx.at.day);
    return value(c, {*row, w->days_off[d], w->duties[d].day_off_marker});
}

std::string type(const TagCall& c, const DayOffDay& x) {
    const bool shown = x.row.leave_minutes || x.covered || x.row.kind == kNoDutyLetter;
    return shown ? c.text(x.row.symbol) : std::string();
}

std::string name(const TagCall& c, const DayOffDay& x) {
    if (!x.row.leave_minutes && !x.starts()) return {};
    return c.text(wolne2nazwa(c.ctx.options, x.entry));
}

std::string last_day(const TagCall&, const DayOffDay& x) {
    return x.starts() ? std::to_string(x.entry.to_day) : std::string();
}

std::string days(const TagCall&, const DayOffDay& x) {
    return x.starts() ? std::to_string(x.entry.to_day - x.entry.from_day + 1) : std::string();
}

int working_days(const TagCall& c, const DayOffDay& x) {
    return working_days_between(c.calendar(), x.entry.from_day, x.entry.to_day);
}

std::string work_days(const TagCall& c, const DayOffDay& x) {
    return x.starts() ? std::to_string(working_days(c, x)) : std::string();
}

std::string hours(const TagCall&, const DayOffDay& x) {
    return x.starts() ? min2h(x.entry.minutes, "txt", false) : std::string();
}

std::string norm_hours(const TagCall& c, const DayOffDay& x) {
    const Group* g = c.group();
    if (!x.starts() || !g) return {};
    return min2h(int64_t(working_days(c, x)) * g->profile.day8, "txt", false);
}

bool listed(const TagCall& c, char kind) {
    return c.letters.find(kind) != std::string::npos;
}

// Kinds without hours are marked by a "+" on their first day.
std::string quantity(const TagCall& c, const DayOffDay& x) {
    const char kind = x.row.kind;
    const bool chosen = c.letters.empty() ? x.row.leave_minutes != 0 : kind != 0 && listed(c, kind);
    if (!chosen) return c.time(0);
    if (std::string_view("1579?").find(kind) != std::string_view::npos && listed(c, kind))
        return "+";
    return c.time(x.row.leave_minutes);
}

TimeValue kind_minutes(const Worker& w, char kind) {
    const std::optional<int> index = day_off_index(kind);
    return index ? w.summary.kind_minutes[static_cast<size_t>(*index)] : 0;
}

std::string sum(const TagCall& c) {
    const Worker* w = c.summarised_worker();
    if (!w) return {};
    int64_t total = 0;
    for (char kind : std::string_view("abcdhijkmnorstuwz")) {
        if (listed(c, kind)) total += kind_minutes(*w, kind);
    }
    return c.time(total);
}

// " + hours name" for every listed kind used in the month, in the record card's order.
std::string kinds_used(const TagCall& c) {
    const Worker* w = c.summarised_worker();
    if (!w) return {};
    std::string out;
    for (char kind : std::string_view("zuombsniwdrhakjtc")) {
        const TimeValue minutes = kind_minutes(*w, kind);
        if (minutes == 0 || (!c.letters.empty() && !listed(c, kind))) continue;
        const size_t index = static_cast<size_t>(*day_off_index(kind));
        out += " + " + c.time(minutes) + " " + c.text(c.ctx.options.day_off[index].name);
    }
    return out;
}

constexpr TagSuffix kLettered = TagSuffix::kind_letters;

const std::array kDayOff = {
    TagEntry{"dayoff_type", "wolne_typ", on_day_off_day<type>},
    TagEntry{"dayoff_name", "wolne_nazwa", on_day_off_day<name>},
    TagEntry{"dayoff_to", "wolne_do", on_day_off_day<last_day>},
    TagEntry{"dayoff_days_quantity", "wolne_ile_dni", on_day_off_day<days>},
    TagEntry{"dayoff_work_days_quantity", "wolne_ile_dni_roboczych", on_day_off_day<work_days>},
    TagEntry{"dayoff_hours_quantity", "wolne_ile_godzin", on_day_off_day<hours>},
    TagEntry{"dayoff_hours_norma_quantity", "wolne_ile_godzin_norma", on_day_off_day<norm_hours>},
    TagEntry{"dayoff_quantity", "wolne_ile", on_day_off_day<quantity>, kLettered},
    TagEntry{"dayoff_sum", "prac_wolne_suma", sum, kLettered},
    TagEntry{"dayoff_type_qty", "wolne_typ_ilosc", kinds_used, kLettered},
};

}  // namespace

std::span<const TagEntry> day_off_tags() {
    return kDayOff;
}

}  // namespace tabrel
