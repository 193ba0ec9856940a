#include <array>

#include "editing/symbols.h"
#include "model/time_value.h"
#include "printouts/tag_families.h"

namespace tabrel {

namespace {

// The worker's duty slot and summary row of the context's day.
struct DutyDay {
    const Duty& slot;
    const DaySummary& row;
    bool holiday;
    bool next_holiday;  // the next day, or the first of the next month, is a holiday

    bool has_duty() const { return slot.seq != 0; }
    bool has_leave() const { return row.leave_minutes != 0; }
    int64_t working_day_minutes() const {
        return (holiday ? 0 : row.day_minutes) + (next_holiday ? 0 : row.next_day_minutes);
    }
    int64_t holiday_minutes() const {
        return (holiday ? row.day_minutes : 0) + (next_holiday ? row.next_day_minutes : 0);
    }
};

using DutyValue = std::string (*)(const TagCall&, const DutyDay&);

template <DutyValue value>
std::string on_duty_day(const TagCall& c) {
    const DaySummary* row = c.row();
    const Worker* w = c.worker();
    if (!row || !w || c.ctx.at.day >= kMonthSlots) return {};
    const auto& days = c.calendar().days;
    const size_t d = static_cast<size_t>(c.ctx.at.day);
    const bool next_holiday =
        d + 1 < days.size() ? days[d + 1].holiday : c.calendar().next_month_first == 1;
    return value(c, {w->duties[d], *row, days[d].holiday, next_holiday});
}

// The symbol shown for a duty; the configuration's symbols are escaped, a length is not.
std::string symbol(const TagCall& c, const Duty& duty) {
    const std::string format = c.time_format();
    const std::string sym =
        dyzur2symbol(c.ctx.roster, c.ctx.options, duty, SymbolMode::Ile, format);
    return sym == min2h(duty.duration, format, false) ? sym : c.text(sym);
}

std::string type(const TagCall& c, const DutyDay& x) {
    const DaySummary& r = x.row;
    const bool shown = r.leave_minutes || r.shown_minutes || r.night_minutes ||
                       x.slot.day_off_marker || r.kind == kNoDutyLetter;
    return shown ? c.text(r.symbol) : std::string();
}

// A duty of another group is marked so that a style sheet can set it apart.
std::string duty_symbol(const TagCall& c, const DutyDay& x) {
    if (!x.has_duty()) return {};
    const Group* g = c.group();
    if (g && x.slot.group_id == g->id) return symbol(c, x.slot);
    if (x.slot.duration == 0) return {};
    return "<span class=\"outofgroup\">" + symbol(c, x.slot) + "</span>";
}

std::string duty_or_dayoff_symbol(const TagCall& c, const DutyDay& x) {
    if (x.has_leave() || x.slot.day_off_marker) return c.text(x.row.symbol);
    return x.has_duty() ? symbol(c, x.slot) : std::string();
}

std::string shift_name(const TagCall& c, const DutyDay& x) {
    const Group* g = c.group();
    if (!x.has_duty() || !g || x.slot.shift_no < 1 || x.slot.shift_no > g->profile.shifts.size())
        return {};
    return c.text(g->profile.shifts[x.slot.shift_no - 1].znazwa);
}

std::string note(const TagCall& c, const DutyDay& x) {
    return x.has_duty() ? c.text(x.slot.note) : std::string();
}

std::string from(const TagCall& c, const DutyDay& x) {
    return x.has_duty() ? c.clock(x.slot.start) : std::string();
}

std::string to(const TagCall& c, const DutyDay& x) {
    return x.has_duty() ? c.clock(x.slot.start + x.slot.duration) : std::string();
}

std::string overtime_to(const TagCall& c, const DutyDay& x) {
    const Duty& d = x.slot;
    return x.has_duty() ? c.clock(d.start + d.duration + d.overtime) : std::string();
}

std::string from_to(const TagCall& c, const DutyDay& x) {
    return x.has_duty() ? from(c, x) + "-" + to(c, x) : std::string();
}

std::string from_to_all(const TagCall& c, const DutyDay& x) {
    return x.has_duty() ? from(c, x) + "-" + overtime_to(c, x) : std::string();
}

std::string overtime(const TagCall& c, const DutyDay& x) {
    return c.time(x.has_duty() ? x.slot.overtime : 0);
}

std::string overtime_100(const TagCall& c, const DutyDay& x) {
    return c.time(x.row.overtime_100);
}

// The rates split the overtime of the duty as the summary counted it.
std::string overtime_50(const TagCall& c, const DutyDay& x) {
    return c.time(x.row.duty.overtime - x.row.overtime_100);
}

std::string length(const TagCall& c, const DutyDay& x) {
    return c.time(x.row.shown_minutes + x.row.night_minutes);
}

std::string night(const TagCall& c, const DutyDay& x) {
    return c.time(x.slot.day_off_marker ? 0 : x.row.night_minutes);
}

std::string day_hours(const TagCall& c, const DutyDay& x) {
    return c.time(!x.holiday && !x.has_leave() ? x.row.shown_minutes : 0);
}

std::string holiday_hours(const TagCall& c, const DutyDay& x) {
    return c.time(x.holiday && !x.has_leave() ? x.row.shown_minutes : 0);
}

int64_t whole_duty(const DutyDay& x) {
    return int64_t(x.row.day_minutes) + x.row.next_day_minutes + x.row.night_minutes;
}

std::string day_length(const TagCall& c, const DutyDay& x) {
    return c.time(whole_duty(x));
}

std::string day_length_all(const TagCall& c, const DutyDay& x) {
    return c.time(whole_duty(x) + x.row.duty.overtime);
}

std::string duty_day_hours(const TagCall& c, const DutyDay& x) {
    return c.time(x.has_leave() ? 0 : x.working_day_minutes());
}

std::string duty_holiday_hours(const TagCall& c, const DutyDay& x) {
    return c.time(x.has_leave() ? 0 : x.holiday_minutes());
}

std::string leave_or_duty_day_hours(const TagCall& c, const DutyDay& x) {
    return c.time(x.has_leave() ? x.row.leave_minutes : x.working_day_minutes());
}

std::string leave_or_shown(const TagCall& c, const DutyDay& x) {
    return c.time(x.has_leave() ? x.row.leave_minutes : x.row.shown_minutes);
}

const std::array kDuty = {
    TagEntry{"duty_type", "dyzur_typ", on_duty_day<type>},
    TagEntry{"duty_symbol", "dyzur_symbol", on_duty_day<duty_symbol>},
    TagEntry{"duty_dayoff_symbol", "dyzur_wolne_symbol", on_duty_day<duty_or_dayoff_symbol>},
    TagEntry{"duty_shift", "dyzur_zmiana", on_duty_day<shift_name>},
    TagEntry{"duty_note", "dyzur_uwagi", on_duty_day<note>},
    TagEntry{"duty_from", "dyzur_od", on_duty_day<from>},
    TagEntry{"duty_to", "dyzur_do", on_duty_day<to>},
    TagEntry{"duty_fromto", "dyzur_oddo", on_duty_day<from_to>},
    TagEntry{"duty_fromto_all", "dyzur_oddo_g", on_duty_day<from_to_all>},
    TagEntry{"duty_overtime_to", "dyzur_nadgodz_do", on_duty_day<overtime_to>},
    TagEntry{"duty_overtime", "dyzur_nadgodz", on_duty_day<overtime>},
    TagEntry{"duty_100_overtime", "dyzur_100_nadgodz", on_duty_day<overtime_100>},
    TagEntry{"duty_50_overtime", "dyzur_50_nadgodz", on_duty_day<overtime_50>},
    TagEntry{"duty_length", "dyzur_ile", on_duty_day<length>},
    TagEntry{"duty_n_quantity", "dyzur_ile_n", on_duty_day<night>},
    TagEntry{"duty_d_quantity", "dyzur_ile_d", on_duty_day<day_hours>},
    TagEntry{"duty_h_quantity", "dyzur_ile_s", on_duty_day<holiday_hours>},
    TagEntry{"duty_day_length", "dyzur_ile_dyz", on_duty_day<day_length>},
    TagEntry{"duty_day_length_all", "dyzur_ile_dyz_g", on_duty_day<day_length_all>},
    TagEntry{"duty_day_d_quantity", "dyzur_ile_dyz_d", on_duty_day<duty_day_hours>},
    TagEntry{"duty_day_h_quantity", "dyzur_ile_dyz_s", on_duty_day<duty_holiday_hours>},
    TagEntry{"duty_dayoff_day_quantity", "dyzur_wolne_dyz_ile",
             on_duty_day<leave_or_duty_day_hours>},
    TagEntry{"duty_dayoff_quantity", "dyzur_wolne_ile", on_duty_day<leave_or_shown>},
};

}  // namespace

std::span<const TagEntry> duty_tags() {
    return kDuty;
}

}  // namespace tabrel
