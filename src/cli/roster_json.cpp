#include "roster_json.h"

#include "i18n/cp1250.h"

namespace tabrel {

namespace {

using Json = nlohmann::ordered_json;

std::string text(const std::string& cp1250) {
    return cp1250_to_utf8(cp1250);
}

Json shift_json(const Shift& s) {
    return {{"zod", s.zod},
            {"zile", s.zile},
            {"zdyz", s.zdyz},
            {"zkolor", colour_to_text(s.zkolor)},
            {"zsymbol", text(s.zsymbol)},
            {"znazwa", text(s.znazwa)},
            {"zobsada", s.zobsada},
            {"zobsadas", s.zobsadas}};
}

Json profile_json(const Profile& p) {
    Json shifts = Json::array();
    for (const Shift& s : p.shifts) shifts.push_back(shift_json(s));
    return {{"shifts", shifts},
            {"day8", p.day8},
            {"sob_swieto", p.sob_swieto},
            {"wolne_za_sob_swieto", p.wolne_za_sob_swieto},
            {"noc_w_swieto_jak_swieto", p.noc_w_swieto_jak_swieto},
            {"bez_swiat", p.bez_swiat},
            {"auto_staff_n", p.auto_staff_n},
            {"auto_staff_h", p.auto_staff_h}};
}

Json group_json(const Group& g) {
    return {{"id", g.id},
            {"nazwa", text(g.nazwa)},
            {"old", g.old},
            {"kolor", colour_to_text(g.kolor)},
            {"Algorithm", g.Algorithm},
            {"NormaResidueDistribution", g.NormaResidueDistribution},
            {"reset_before_automat", g.reset_before_automat},
            {"CustomNorma", g.CustomNorma},
            {"Norma", g.Norma},
            {"NewPeriod", g.NewPeriod},
            {"profile", profile_json(g.profile)},
            {"default_profile", profile_json(g.default_profile)}};
}

Json worker_json(const Worker& w) {
    return {{"id", w.id},
            {"grupa", w.grupa},
            {"grupy", text(w.grupy.text())},
            {"nazwisko", text(w.nazwisko)},
            {"imie", text(w.imie)},
            {"pseudo", text(w.pseudo)},
            {"kolor", colour_to_text(w.kolor)},
            {"old", w.old},
            {"etat", w.etat},
            {"urlop", w.urlop},
            {"urlop_prev", w.urlop_prev},
            {"opieka", w.opieka},
            {"reha", w.reha},
            {"pesel", text(w.pesel)},
            {"wyksztalcenie", text(w.wyksztalcenie)},
            {"kursy", text(w.kursy)},
            {"user1", text(w.user1)},
            {"user2", text(w.user2)},
            {"user3", text(w.user3)},
            {"adres", text(w.adres)},
            {"poczta", text(w.poczta)},
            {"kod", text(w.kod)},
            {"telefon", text(w.telefon)},
            {"email", text(w.email)},
            {"zawod", text(w.zawod)},
            {"pref_dn", w.pref_dn},
            {"pref_zs", w.pref_zs},
            {"pref_8", w.pref_8},
            {"pref_8_shift_no", text(w.pref_8_shift_no)},
            {"pref_without_auto", w.pref_without_auto},
            {"pref_system", w.pref_system},
            {"pref_system_pattern", text(w.pref_system_pattern)},
            {"pref_system_start_from", w.pref_system_start_from},
            {"pref_system_start_from8", w.pref_system_start_from8},
            {"pref_system_as_week", w.pref_system_as_week}};
}

}  // namespace

Json roster_json(const Roster& roster) {
    Json groups = Json::array();
    for (const Group& g : roster.groups) groups.push_back(group_json(g));
    Json workers = Json::array();
    for (const Worker& w : roster.workers) workers.push_back(worker_json(w));
    return {{"groups", groups}, {"workers", workers}};
}

}  // namespace tabrel
