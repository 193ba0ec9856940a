#include <array>

#include "printouts/tag_families.h"
#include "worktime/month_navigation.h"

namespace tabrel {

namespace {

std::string number(int64_t n) {
    return std::to_string(n);
}

std::string whole_shift_duties(const TagCall& c) {
    const Shift* first = c.first_shift();
    if (!first || first->zile == 0) return {};
    return number(c.calendar().group_norm / first->zile);
}

std::string today_date(const TagCall& c) {
    const Date d = c.ctx.clock.today();
    return c.text(c.ctx.locale.short_date(d.year, d.month, d.day));
}

std::string group_name(const TagCall& c) {
    const Group* g = c.group();
    return g ? c.text(g->nazwa) : std::string();
}

const std::array kGeneral = {
    TagEntry{"place", "miejscowosc",
             [](const TagCall& c) { return c.text(c.ctx.options.miejscowosc); }},
    TagEntry{"address", "adres", [](const TagCall& c) { return c.text(c.ctx.options.adres); }},
    TagEntry{"zip_code", "kod", [](const TagCall& c) { return c.text(c.ctx.options.kod); }},
    TagEntry{"company", "firma", [](const TagCall& c) { return c.text(c.ctx.options.firma); }},
    TagEntry{"month", "miesiac", [](const TagCall& c) { return month_name(c.calendar().month); }},
    TagEntry{"month_no", "miesiac_nr", [](const TagCall& c) { return number(c.calendar().month); }},
    TagEntry{"month_days_qty", "miesiac_ile_roboczych",
             [](const TagCall& c) { return number(c.calendar().working_days); }},
    TagEntry{"month_all_shift_duty_qty", "miesiac_ile_calozmianowych", whole_shift_duties},
    TagEntry{
        "month_days", "miesiac_ile_dni",
        [](const TagCall& c) { return number(static_cast<int64_t>(c.calendar().days.size())); }},
    TagEntry{"year", "rok", [](const TagCall& c) { return number(c.calendar().year); }},
    TagEntry{"date", "data", today_date},
    TagEntry{"group_name", "grupa_nazwa", group_name},
    TagEntry{"group_normative", "grupa_normatyw",
             [](const TagCall& c) { return c.time(c.calendar().group_norm); }},
    TagEntry{"group_least", "grupa_dopracowanie",
             [](const TagCall& c) { return c.time(c.calendar().group_norm_remainder); }},
};

}  // namespace

std::span<const TagEntry> general_tags() {
    return kGeneral;
}

}  // namespace tabrel
