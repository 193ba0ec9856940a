#include "editing/group_editor.h"

#include <algorithm>

#include "i18n/format_text.h"
#include "i18n/text.h"
#include "model/time_value.h"

namespace tabrel {

namespace {

constexpr int kDay = 1440;
constexpr size_t kCellCut = 2;

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

// A staffing cell as a number: its leading digits, capped at what the record holds.
uint8_t staffing_of(std::string_view text) {
    int value = 0;
    for (char c : text) {
        if (!is_digit(c)) break;
        value = std::min(value * 10 + (c - '0'), 255);
    }
    return static_cast<uint8_t>(value);
}

int minutes_of(const std::string& text) {
    return h2min(text);
}

uint16_t length_of(const std::string& text) {
    return static_cast<uint16_t>(std::max(minutes_of(text), 0));
}

uint16_t start_of(const std::string& text) {
    return static_cast<uint16_t>(((minutes_of(text) % kDay) + kDay) % kDay);
}

Shift shift_of(const ShiftRow& row, const Shift* before) {
    Shift s;
    if (before) s.zdyz = before->zdyz;
    s.zod = start_of(row.start);
    s.zile = length_of(row.length);
    s.zkolor = colour_from_text(row.colour).value_or(clWhite);
    s.zsymbol = row.symbol;
    s.znazwa = row.name;
    s.zobsada = staffing_of(row.staffing);
    s.zobsadas = staffing_of(row.holiday_staffing);
    return s;
}

ShiftRow row_of(const Shift& s) {
    return {min2h(s.zod, "txt", false),
            min2h(s.zile, "txt", false),
            s.zsymbol,
            colour_to_text(s.zkolor),
            s.znazwa,
            std::to_string(s.zobsada),
            std::to_string(s.zobsadas)};
}

void copy_day_rules(const GroupForm& form, Profile& profile) {
    profile.day8 = static_cast<uint16_t>(std::max<TimeValue>(h2min(form.day8), 0));
    profile.sob_swieto = form.sob_swieto;
    profile.wolne_za_sob_swieto = form.wolne_za_sob_swieto;
    profile.noc_w_swieto_jak_swieto = form.noc_w_swieto_jak_swieto;
    profile.bez_swiat = form.bez_swiat;
}

const Group* group_by_id(const Roster& roster, uint16_t id) {
    for (const Group& g : roster.groups)
        if (g.id == id) return &g;
    return nullptr;
}

}  // namespace

std::vector<ShiftRow> default_shift_rows() {
    return {{"7:00", "12:00", "R", "clWhite", "", "4", "3"},
            {"20:00", "12:00", "N", "clWhite", "", "1", "1"}};
}

GroupForm default_group_form() {
    GroupForm form;
    form.shifts = default_shift_rows();
    return form;
}

std::optional<char> shift_cell_key(int column, char key, size_t cell_length) {
    const bool control = key == '\b' || key == '\r' || key == '/';
    switch (column) {
        case kStaffingColumn:
        case kHolidayStaffingColumn:
            if (control || is_digit(key)) return key;
            return std::nullopt;
        case kStartColumn:
        case kLengthColumn:
            if (key == ',' || key == '.') return ':';
            if (control || key == ':' || is_digit(key)) return key;
            return std::nullopt;
        case kSymbolColumn:
            if (cell_length > 1 && !control) return std::nullopt;
            return key;
        default:
            return key;
    }
}

std::string cut_shift_cell(int column, std::string text) {
    if ((column == kSymbolColumn || column == kColourColumn) && text.size() > kCellCut)
        text.resize(kCellCut);
    return text;
}

std::string normalise_time_cell(int column, std::string_view text) {
    const int minutes = h2min(text);
    if (column == kStartColumn) return min2h(((minutes % kDay) + kDay) % kDay, "txt", false);
    return min2h(minutes, "txt", false);
}

void auto_calc_shifts(std::vector<ShiftRow>& rows) {
    if (rows.size() < 2) return;
    int others = 0;
    for (size_t i = 0; i + 1 < rows.size(); ++i) {
        const int start = minutes_of(rows[i].start);
        const int length = minutes_of(rows[i].length);
        rows[i + 1].start = min2h((start + length) % kDay, "txt", false);
        others += length;
    }
    rows.back().length = min2h(std::max(kDay - others, 0), "txt", false);
}

bool can_add_shift(size_t shift_count) {
    return shift_count < kMaxShifts;
}

bool can_delete_shift(size_t shift_count) {
    return shift_count > 1;
}

void prepare_new_group(GroupForm& form, Colour colour) {
    form.nazwa.clear();
    form.kolor = colour;
    const std::vector<ShiftRow> defaults = default_shift_rows();
    for (size_t i = form.shifts.size(); i < defaults.size(); ++i)
        form.shifts.push_back(defaults[i]);
    form.shifts.resize(defaults.size());
}

GroupForm group_form(const Group& group) {
    GroupForm form;
    form.nazwa = group.nazwa;
    form.kolor = group.kolor;
    for (const Shift& s : group.profile.shifts) form.shifts.push_back(row_of(s));
    form.day8 = min2h(group.profile.day8, "txt", false);
    form.sob_swieto = group.profile.sob_swieto;
    form.wolne_za_sob_swieto = group.profile.wolne_za_sob_swieto;
    form.noc_w_swieto_jak_swieto = group.profile.noc_w_swieto_jak_swieto;
    form.bez_swiat = group.profile.bez_swiat;
    form.reset_before_automat = group.reset_before_automat;
    form.Algorithm = group.Algorithm;
    form.NormaResidueDistribution = group.NormaResidueDistribution;
    return form;
}

Group group_from_form(const GroupForm& form, const Roster& roster,
                      std::optional<uint16_t> edited_id) {
    const Group* edited = edited_id ? group_by_id(roster, *edited_id) : nullptr;
    Group g;
    if (edited) {
        g.id = edited->id;
        g.default_profile = edited->default_profile;
        g.profile = edited->profile;
        // The month's settlement-period mark is not the editor's to drop.
        g.NewPeriod = edited->NewPeriod;
        g.list_index = edited->list_index;
    } else {
        g.id = roster.id('g');
    }
    if (const Group* shown = roster.current()) {
        g.CustomNorma = shown->CustomNorma;
        g.Norma = shown->Norma;
    }
    g.nazwa = form.nazwa;
    g.kolor = form.kolor;
    g.old = false;
    g.reset_before_automat = form.reset_before_automat;
    g.Algorithm = form.Algorithm;
    g.NormaResidueDistribution = form.NormaResidueDistribution;
    std::vector<Shift> shifts;
    for (size_t i = 0; i < form.shifts.size() && i < kMaxShifts; ++i) {
        const std::vector<Shift>& before = g.profile.shifts;
        shifts.push_back(shift_of(form.shifts[i], i < before.size() ? &before[i] : nullptr));
    }
    g.profile.shifts = std::move(shifts);
    copy_day_rules(form, g.profile);
    if (!edited) copy_day_rules(form, g.default_profile);
    return g;
}

int store_group(Roster& roster, const GroupForm& form, std::optional<uint16_t> edited_id) {
    const Group g = group_from_form(form, roster, edited_id);
    for (size_t i = 0; edited_id && i < roster.groups.size(); ++i) {
        if (roster.groups[i].id != *edited_id) continue;
        roster.current_group = static_cast<int16_t>(i);
        roster.dodaj_grupe(g, true);
        return static_cast<int>(i);
    }
    roster.dodaj_grupe(g, false);
    roster.current_group = static_cast<int16_t>(roster.groups.size() - 1);
    return roster.current_group;
}

void save_as_default(Group& group, const GroupForm& form) {
    Profile profile = group.default_profile;
    copy_day_rules(form, profile);
    group.default_profile = profile;
}

bool delete_group(Roster& roster, Prompter& prompter) {
    const int index = roster.current_group;
    if (index < 0 || index >= static_cast<int>(roster.groups.size())) return false;
    const std::string question =
        format_text(tr("msg_ConfirmGroupDelete",
                       "Czy usunąć wybraną grupę?%sPracownicy nie zostaną usunięci - mogą oni "
                       "zostać przypisani do innych grup."),
                    {"\r\n"});
    if (!prompter.ask(question)) return false;
    Group& group = roster.groups[index];
    for (Worker& w : roster.workers) w.grupy.remove(group.id);
    group.old = true;
    roster.current_group = -1;
    for (size_t i = 0; i < roster.groups.size() && roster.current_group < 0; ++i)
        if (!roster.groups[i].old) roster.current_group = static_cast<int16_t>(i);
    return true;
}

std::string group_need_message() {
    return tr("msg_GroupNeed", "Najpierw należy utworzyć grupę.");
}

}  // namespace tabrel
