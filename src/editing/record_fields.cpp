#include "editing/record_fields.h"

#include <algorithm>
#include <cstdint>

namespace tabrel {

namespace {

template <typename Record, typename... Field>
void take_touched(Record& current, const Record& from, const Record& to, Field Record::*... field) {
    ((from.*field != to.*field ? void(current.*field = to.*field) : void()), ...);
}

template <typename Record, typename... Field>
void take_all(Record& into, const Record& from, Field Record::*... field) {
    ((into.*field = from.*field), ...);
}

template <typename Balance>
void move_balance(Balance& current, Balance from, Balance to) {
    current = static_cast<Balance>(int64_t{current} + to - from);
}

}  // namespace

void carry_record(Worker& current, const Worker& from, const Worker& to) {
    using W = Worker;
    take_touched(
        current, from, to, &W::pseudo, &W::grupy, &W::imie, &W::nazwisko, &W::adres, &W::poczta,
        &W::kod, &W::telefon, &W::email, &W::zawod, &W::pesel, &W::wyksztalcenie, &W::kursy,
        &W::user1, &W::user2, &W::user3, &W::pref_system_pattern, &W::pref_8_shift_no, &W::grupa,
        &W::carry_total, &W::carry_auto, &W::carry_manual, &W::etat, &W::pref_dn, &W::pref_zs,
        &W::duty_count, &W::leave_count, &W::pref_system_start_from, &W::pref_system_start_from8,
        &W::kolor, &W::old, &W::pref_8, &W::pref_without_auto, &W::pref_system, &W::own_norm_set,
        &W::pref_system_as_week, &W::duties, &W::days_off, &W::norma, &W::own_norm, &W::summary);
    move_balance(current.urlop, from.urlop, to.urlop);
    move_balance(current.urlop_prev, from.urlop_prev, to.urlop_prev);
    move_balance(current.opieka, from.opieka, to.opieka);
    move_balance(current.reha, from.reha, to.reha);
}

void carry_record(Group& current, const Group& from, const Group& to) {
    using G = Group;
    take_touched(current, from, to, &G::Algorithm, &G::NormaResidueDistribution, &G::nazwa,
                 &G::CustomNorma, &G::old, &G::NewPeriod, &G::reset_before_automat, &G::Norma,
                 &G::list_index, &G::profile, &G::default_profile, &G::kolor);
}

void forget_month_fields(Worker& from, const Worker& to) {
    using W = Worker;
    take_all(from, to, &W::carry_total, &W::carry_auto, &W::carry_manual, &W::duty_count,
             &W::leave_count, &W::own_norm_set, &W::duties, &W::days_off, &W::norma, &W::own_norm,
             &W::summary);
}

void forget_month_fields(Group& from, const Group& to) {
    using G = Group;
    take_all(from, to, &G::CustomNorma, &G::NewPeriod, &G::Norma, &G::list_index);
}

bool has_month_entries(const Worker& worker) {
    return std::ranges::any_of(worker.duties, [](const Duty& d) { return d.seq != 0; }) ||
           std::ranges::any_of(worker.days_off, [](const DayOff& d) { return d.seq != 0; });
}

}  // namespace tabrel
