#include "editing/worker_editor.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "editing/entry_operations.h"
#include "i18n/format_text.h"
#include "i18n/text.h"
#include "model/time_value.h"

namespace tabrel {

namespace {

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

// A balance below zero stays below zero: it is leave already taken beyond the entitlement.
int32_t leave_of(const std::string& text) {
    return h2min(text);
}

uint8_t bounded(int value, int maximum) {
    return static_cast<uint8_t>(std::clamp(value, 0, maximum));
}

// Leave days may stand below zero when more was booked than granted; the editor keeps them.
int16_t leave_days_of(int value, int maximum) {
    return static_cast<int16_t>(std::clamp(value, -kMaxOverdrawnDays, maximum));
}

uint8_t start_of(int value) {
    return static_cast<uint8_t>(std::clamp(value, 1, 255));
}

bool group_exists(const Roster& roster, uint16_t id) {
    return std::any_of(roster.groups.begin(), roster.groups.end(),
                       [id](const Group& g) { return g.id == id; });
}

void copy_texts(const WorkerForm& form, Worker& w) {
    w.nazwisko = form.nazwisko;
    w.imie = form.imie;
    w.pseudo = cut_pseudo(form.pseudo);
    w.zawod = form.zawod;
    w.adres = form.adres;
    w.poczta = form.poczta;
    w.kod = form.kod;
    w.telefon = form.telefon;
    w.email = form.email;
    w.pesel = form.pesel;
    w.wyksztalcenie = form.wyksztalcenie;
    w.kursy = form.kursy;
    w.user1 = form.user1;
    w.user2 = form.user2;
    w.user3 = form.user3;
}

void copy_planner(const WorkerForm& form, Worker& w) {
    w.pref_dn = bounded(form.pref_dn, kMaxPreference);
    w.pref_zs = bounded(form.pref_zs, kMaxPreference);
    w.pref_without_auto = form.mode == AutoMode::WithoutAuto;
    w.pref_8 = form.mode == AutoMode::Eight;
    w.pref_system = form.mode == AutoMode::System;
    w.pref_8_shift_no = form.pref_8_shift_no;
    w.pref_system_start_from8 = start_of(form.pref_system_start_from8);
    w.pref_system_pattern = form.pref_system_pattern;
    w.pref_system_start_from = start_of(form.pref_system_start_from);
    w.pref_system_as_week = form.pref_system_as_week;
}

AutoMode mode_of(const Worker& w) {
    if (w.pref_system) return AutoMode::System;
    if (w.pref_8) return AutoMode::Eight;
    return AutoMode::WithoutAuto;
}

std::string first_or_empty(const std::vector<std::string>& list) {
    return list.empty() ? std::string() : list.front();
}

}  // namespace

std::vector<int> listed_groups(const Roster& roster) {
    std::vector<int> shown;
    for (size_t i = 0; i < roster.groups.size(); ++i)
        if (!roster.groups[i].old) shown.push_back(static_cast<int>(i));
    return shown;
}

std::vector<uint16_t> member_group_ids(const GroupMembership& grupy, const Roster& roster) {
    std::vector<uint16_t> ids;
    for (uint16_t id : grupy.listed_ids())
        if (group_exists(roster, id)) ids.push_back(id);
    return ids;
}

void prepare_new_worker(WorkerForm& form, const Roster& roster, const Options& options,
                        Colour colour) {
    const Group* current = roster.current();
    form.groups.clear();
    if (current) form.groups.push_back(current->id);
    form.chosen_group = current ? current->id : 0;
    form.old = false;
    for (std::string* text : {&form.nazwisko, &form.imie, &form.pseudo, &form.pesel, &form.kursy,
                              &form.user1, &form.user2, &form.user3})
        text->clear();
    form.zawod = first_or_empty(options.occupations);
    if (roster.current_worker < roster.workers.size())
        form.zawod = roster.workers[roster.current_worker].zawod;
    form.wyksztalcenie = first_or_empty(options.educations);
    form.urlop_prev = "000:00";
    form.urlop = "197:10";
    form.opieka = 0;
    form.reha = 0;
    form.etat = "100";
    form.carry_auto = 0;
    form.own_norm_set = false;
    form.own_norm = "000:00";
    form.carry_manual = "000:00";
    form.kolor = colour;
}

WorkerForm worker_form(const Worker& w, const Roster& roster, char decimal) {
    WorkerForm form;
    form.nazwisko = w.nazwisko;
    form.imie = w.imie;
    form.pseudo = w.pseudo;
    form.kolor = w.kolor;
    form.zawod = w.zawod;
    form.groups = member_group_ids(w.grupy, roster);
    form.chosen_group = w.grupa;
    form.adres = w.adres;
    form.poczta = w.poczta;
    form.kod = w.kod;
    form.telefon = w.telefon;
    form.email = w.email;
    form.pesel = w.pesel;
    form.wyksztalcenie = w.wyksztalcenie;
    form.kursy = w.kursy;
    form.user1 = w.user1;
    form.user2 = w.user2;
    form.user3 = w.user3;
    form.urlop = min2h(w.urlop, "txt", false);
    form.urlop_prev = min2h(w.urlop_prev, "txt", false);
    form.opieka = w.opieka;
    form.reha = w.reha;
    form.etat = etat_text(w.etat, decimal);
    form.carry_auto = w.carry_auto;
    form.carry_manual = min2h(w.carry_manual, "txt", false);
    form.own_norm_set = w.own_norm_set;
    form.own_norm = min2h(w.own_norm, "txt", false);
    form.pref_dn = w.pref_dn;
    form.pref_zs = w.pref_zs;
    form.mode = mode_of(w);
    form.pref_8_shift_no = w.pref_8_shift_no;
    form.pref_system_start_from8 = w.pref_system_start_from8;
    form.pref_system_pattern = w.pref_system_pattern;
    form.pref_system_start_from = w.pref_system_start_from;
    form.pref_system_as_week = w.pref_system_as_week;
    form.old = w.old;
    return form;
}

std::optional<std::string> short_name_for(bool is_new, const WorkerForm& form) {
    if (!is_new || form.nazwisko.empty() || form.imie.empty() || !form.pseudo.empty())
        return std::nullopt;
    return std::string{form.nazwisko.front(), form.imie.front()};
}

std::optional<char> part_time_key(char key, std::string_view text, char decimal) {
    if (key == ',' || key == '.') key = decimal;
    if (key == decimal) {
        if (text.find(decimal) != std::string_view::npos) return std::nullopt;
        return key;
    }
    if (is_digit(key) || key == '\b') return key;
    return std::nullopt;
}

std::string etat_text(double etat, char decimal) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%f", etat);
    std::string text = buf;
    std::replace(text.begin(), text.end(), '.', decimal);
    return text;
}

double etat_value(std::string_view text, char decimal) {
    if (std::none_of(text.begin(), text.end(), is_digit)) return 100;
    std::string plain(text);
    std::replace(plain.begin(), plain.end(), decimal, '.');
    return std::strtod(plain.c_str(), nullptr);
}

Worker worker_from_form(const WorkerForm& form, const Worker& base, char decimal) {
    Worker w = base;
    copy_texts(form, w);
    w.urlop = leave_of(form.urlop);
    w.urlop_prev = leave_of(form.urlop_prev);
    w.carry_manual = h2min(form.carry_manual);
    w.carry_auto = form.carry_auto;
    w.carry_total = saturate16(int64_t{w.carry_auto} + w.carry_manual);
    w.etat = etat_value(form.etat, decimal);
    w.own_norm = h2min(form.own_norm);
    w.own_norm_set = form.own_norm_set;
    copy_planner(form, w);
    w.opieka = leave_days_of(form.opieka, kMaxCareDays);
    w.reha = leave_days_of(form.reha, kMaxRehaDays);
    w.kolor = form.kolor;
    w.old = form.old;
    w.grupa = 0;
    w.grupy = GroupMembership::of(form.groups);
    return w;
}

StoredWorker store_worker(Roster& roster, const Options& options, const WorkerForm& form,
                          std::optional<int> edited_index, char decimal) {
    const bool editing = edited_index && *edited_index >= 0 &&
                         *edited_index < static_cast<int>(roster.workers.size());
    Worker base;
    if (editing) {
        base = roster.workers[*edited_index];
    } else {
        base.id = roster.id('k');
    }
    const Worker w = worker_from_form(form, base, decimal);
    const Group* current = roster.current();
    StoredWorker stored;
    stored.redisplay = (editing && w.pseudo != base.pseudo) || (!editing && !w.pseudo.empty()) ||
                       !current || form.chosen_group != current->id;
    if (editing) {
        stored.index = *edited_index;
        roster.dodaj_pracow(w, true, stored.index);
    } else {
        roster.dodaj_pracow(w, false, 0);
        stored.index = static_cast<int>(roster.workers.size() - 1);
        roster.rebuild_worker_ids();
    }
    roster.current_worker = static_cast<uint16_t>(stored.index);
    recompute_worker(roster, options, stored.index);
    return stored;
}

bool delete_worker(Roster& roster, Prompter& prompter, int worker_index) {
    if (worker_index < 0 || worker_index >= static_cast<int>(roster.workers.size())) return false;
    Worker& w = roster.workers[worker_index];
    const std::string question = format_text(
        tr("msg_ConfirmWorkerDelete", "Usunąć pracownika: %s %s?"), {w.nazwisko, w.imie});
    if (!prompter.ask(question)) return false;
    w.old = true;
    return true;
}

bool restore_worker(Roster& roster, int worker_index) {
    if (worker_index < 0 || worker_index >= static_cast<int>(roster.workers.size())) return false;
    Worker& w = roster.workers[worker_index];
    if (!w.old) return false;
    w.old = false;
    return true;
}

std::string worker_need_message() {
    return tr("msg_WorkerNeed", "Najpierw należy dodać pracownika.");
}

}  // namespace tabrel
