#include <array>

#include "printouts/tag_families.h"

namespace tabrel {

namespace {

template <std::string Worker::*field>
std::string record_text(const TagCall& c) {
    const Worker* w = c.worker();
    return w ? c.text(w->*field) : std::string();
}

template <typename Value>
std::string of_worker(const TagCall& c, Value value) {
    const Worker* w = c.worker();
    return w ? value(*w) : std::string();
}

// Each use gives the next number, whatever the worker.
std::string running_number(const TagCall& c) {
    return std::to_string(++c.ctx.switches.worker_no);
}

std::string part_time(const TagCall& c) {
    return of_worker(c, [&](const Worker& w) { return c.decimal("%f", w.etat); });
}

std::string carried(const TagCall& c) {
    return of_worker(c, [&](const Worker& w) { return c.time(w.carry_total); });
}

std::string manual_correction(const TagCall& c) {
    return of_worker(c, [&](const Worker& w) { return c.time(w.carry_manual); });
}

std::string leave_left(const TagCall& c) {
    return of_worker(c, [&](const Worker& w) { return c.time(w.urlop + w.urlop_prev); });
}

std::string leave_left_last_year(const TagCall& c) {
    return of_worker(c, [&](const Worker& w) { return c.time(w.urlop_prev); });
}

std::string leave_left_this_year(const TagCall& c) {
    return of_worker(c, [&](const Worker& w) { return c.time(w.urlop); });
}

const std::array kWorker = {
    TagEntry{"worker_no", "prac_nr", running_number},
    TagEntry{"worker_surname", "prac_nazwisko", record_text<&Worker::nazwisko>},
    TagEntry{"worker_name", "prac_imie", record_text<&Worker::imie>},
    TagEntry{"worker_adress", "prac_adres", record_text<&Worker::adres>},
    TagEntry{"worker_postoffice", "prac_poczta", record_text<&Worker::poczta>},
    TagEntry{"worker_zipcode", "prac_kod", record_text<&Worker::kod>},
    TagEntry{"worker_phone", "prac_telefon", record_text<&Worker::telefon>},
    TagEntry{"worker_email", "prac_email", record_text<&Worker::email>},
    TagEntry{"worker_occupation", "prac_stanowisko", record_text<&Worker::zawod>},
    TagEntry{"worker_nick", "prac_skrot", record_text<&Worker::pseudo>},
    TagEntry{"worker_part_time", "prac_etat", part_time},
    TagEntry{"worker_prev_month_extra_time", "prac_nadpr_z_poprz_mies", carried},
    TagEntry{"worker_manual_correction", "prac_reczna_korekta_normatywu", manual_correction},
    TagEntry{"worker_holiday_remain", "prac_urlop_wyp_poz", leave_left},
    TagEntry{"worker_holiday_remain_last_year", "prac_urlop_wyp_poz_pop_rok", leave_left_last_year},
    TagEntry{"worker_holiday_remain_this_year", "prac_urlop_wyp_poz_ten_rok", leave_left_this_year},
    TagEntry{"worker_national_identity", "prac_pesel", record_text<&Worker::pesel>},
    TagEntry{"worker_education", "prac_wyksztalcenie", record_text<&Worker::wyksztalcenie>},
    TagEntry{"worker_courses", "prac_kursy", record_text<&Worker::kursy>},
    TagEntry{"worker_user1", "prac_inne1", record_text<&Worker::user1>},
    TagEntry{"worker_user2", "prac_inne2", record_text<&Worker::user2>},
    TagEntry{"worker_user3", "prac_inne3", record_text<&Worker::user3>},
};

}  // namespace

std::span<const TagEntry> worker_tags() {
    return kWorker;
}

}  // namespace tabrel
