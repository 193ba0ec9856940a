#include "support/ward_fixture.h"

#include "worktime/hour_split.h"
#include "worktime/month_rebuild.h"

namespace tabrel::test {

Group two_shift_group(uint16_t id, std::string name) {
    Group g;
    g.id = id;
    g.nazwa = std::move(name);
    g.profile.shifts.resize(2);
    g.profile.shifts[0].zod = 420;
    g.profile.shifts[0].zile = 720;
    g.profile.shifts[0].zsymbol = "R";
    g.profile.shifts[1].zod = 1140;
    g.profile.shifts[1].zile = 720;
    g.profile.shifts[1].zsymbol = "N";
    g.default_profile = g.profile;
    g.default_profile.shifts.clear();
    return g;
}

Ward::Ward(int year, int month) {
    roster.dodaj_grupe(two_shift_group(1, "Interna"), false);
    roster.current_group = 0;
    roster.shown_year = static_cast<uint16_t>(year);
    roster.shown_month = static_cast<uint8_t>(month - 1);
    hire(5);
    lay_out();
}

void Ward::lay_out() {
    normatyw(roster, options, {roster.shown_year, roster.shown_month + 1, true, nullptr, {}});
}

Worker& Ward::worker(uint16_t id) {
    return roster.workers[roster.worker_index(id)];
}

Worker& Ward::hire(uint16_t id) {
    Worker w;
    w.id = id;
    w.grupy = "1|";
    w.nazwisko = "Nowak";
    w.imie = "Anna";
    roster.dodaj_pracow(w, false, 0);
    roster.rebuild_worker_ids();
    return roster.workers.back();
}

void Ward::duty(int day, int shift, int start, int duration, int overtime, uint16_t group,
                uint16_t worker_id) {
    Duty d;
    d.worker_id = worker_id;
    d.group_id = group;
    d.day_no = static_cast<uint16_t>(day);
    d.shift_no = static_cast<uint8_t>(shift);
    d.start = static_cast<uint16_t>(start);
    d.duration = static_cast<uint16_t>(duration);
    d.overtime = static_cast<int16_t>(overtime);
    roster.dodaj_dyzur(d, roster.worker_index(worker_id));
}

void Ward::day_off(int from, int to, char kind, uint16_t group, uint16_t worker_id) {
    DayOff d;
    d.worker_id = worker_id;
    d.group_id = group;
    d.from_day = static_cast<uint8_t>(from);
    d.to_day = static_cast<uint8_t>(to);
    d.kind = kind;
    roster.dodaj_wolne(d, roster.worker_index(worker_id), prompter);
}

std::vector<DaySummary> Ward::refresh(uint16_t worker_id, bool all_groups) {
    return odswiez_pracownika(roster, options, roster.worker_index(worker_id), all_groups);
}

}  // namespace tabrel::test
