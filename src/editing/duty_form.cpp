#include "editing/duty_form.h"

#include <algorithm>

#include "editing/entry_operations.h"
#include "editing/text_case.h"
#include "i18n/text.h"
#include "planner/eight_hour_placement.h"
#include "worktime/month_navigation.h"

namespace tabrel {

namespace {

constexpr int kDay = 1440;
// "Dopracowanie" is what is left of the month's norm after whole 12-hour duties.
constexpr int kLongDuty = 720;

std::string clock(int minutes) {
    return min2h(minutes, "txt", true);
}

int remainder_length(const Roster& roster) {
    return roster.calendar.group_norm % kLongDuty;
}

int shift_length(const Roster& roster, int shift_no) {
    const Group* group = roster.current();
    if (!group || shift_no < 1 || shift_no > static_cast<int>(group->profile.shifts.size()))
        return 0;
    return group->profile.shifts[shift_no - 1].zile;
}

}  // namespace

// The whole-shift test looks at the dialog's own shift: that is the length "Całą zmianę" stands
// for there, so an unchanged duty of another shift keeps its length.
DutyType odswiez_czas_trwania(const Roster& roster, int shift_no, int length) {
    if (length == remainder_length(roster)) return DutyType::Remainder;
    if (length == shift_length(roster, shift_no)) return DutyType::WholeShift;
    if (length == current_day8(roster)) return DutyType::Eight;
    return DutyType::Other;
}

DutyForm::DutyForm(Roster& roster, const Options& options, Prompter& prompter, int worker_index,
                   int day, int shift_no)
    : roster_(roster),
      options_(options),
      prompter_(prompter),
      worker_index_(worker_index),
      day_(day),
      shift_no_(shift_no) {
    if (const Shift* s = shift()) start_ = static_cast<TimeValue>(s->zod);
    odswiez_pasek();
}

DutyForm DutyForm::editing(Roster& roster, const Options& options, Prompter& prompter,
                           int worker_index, const Duty& duty) {
    DutyForm form(roster, options, prompter, worker_index, duty.day_no, duty.shift_no);
    form.editing_ = true;
    form.start_ = static_cast<TimeValue>(duty.start);
    form.other_length_ = static_cast<TimeValue>(duty.duration);
    form.overtime_ = duty.overtime;
    form.note_ = duty.note;
    form.on_request_ = duty.on_request;
    form.type_ = odswiez_czas_trwania(roster, duty.shift_no, duty.duration);
    form.odswiez_pasek();
    return form;
}

const Shift* DutyForm::shift() const {
    const Group* group = roster_.current();
    if (!group || shift_no_ < 1 || shift_no_ > static_cast<int>(group->profile.shifts.size()))
        return nullptr;
    return &group->profile.shifts[shift_no_ - 1];
}

std::string DutyForm::l_prac_idx() const {
    const Worker& w = roster_.workers[worker_index_];
    return w.nazwisko + " " + w.imie;
}

std::string DutyForm::l_DateValue() const {
    const MonthCalendar& c = roster_.calendar;
    return lower_case(std::to_string(day_) + " " + month_name(c.month) + " " +
                      std::to_string(c.year));
}

std::string DutyForm::caption() const {
    return tr("rg_DutyType", "Czas trwania dyżuru: ") + min2h(length(), "txt", false);
}

std::string DutyForm::from_caption() const {
    const Shift* s = shift();
    return "| " + clock(s ? s->zod : 0);
}

std::string DutyForm::to_caption() const {
    const Shift* s = shift();
    return clock(s ? s->zod + s->zile : 0) + " |";
}

int DutyForm::length_of(DutyType type) const {
    switch (type) {
        case DutyType::Eight:
            return current_day8(roster_);
        case DutyType::WholeShift:
            return shift_length(roster_, shift_no_);
        case DutyType::Remainder:
            return remainder_length(roster_);
        case DutyType::Other:
            return other_length_;
    }
    return 0;
}

void DutyForm::choose_type(DutyType type) {
    type_ = type;
    odswiez_pasek();
}

void DutyForm::enter_other_length() {
    type_ = DutyType::Other;
}

void DutyForm::leave_other_length(TimeValue length) {
    other_length_ = length;
    odswiez_pasek();
}

void DutyForm::set_start(TimeValue start) {
    start_ = start;
    odswiez_pasek();
}

void DutyForm::end_edited(TimeValue end) {
    int length = end - start_;
    if (end < start_) length += kDay;
    other_length_ = static_cast<TimeValue>(length);
    type_ = odswiez_czas_trwania(roster_, shift_no_, length);
    odswiez_pasek();
}

void DutyForm::move_bar(int position) {
    const Shift* s = shift();
    if (!s) return;
    start_ = static_cast<TimeValue>((s->zod + position) % kDay);
    odswiez_pasek();
}

void DutyForm::scroll_bar(int position) {
    const Shift* s = shift();
    if (!s) return;
    move_bar(std::clamp(position, 0, std::max(s->zile - bar_.page, 0)));
}

void DutyForm::set_note(std::string_view note) {
    note_ = std::string(note.substr(0, kDutyNoteLength));
}

void DutyForm::odswiez_pasek() {
    const int length = this->length();
    const Shift* s = shift();
    bar_.enabled = type_ && s && length < s->zile;
    if (bar_.enabled) {
        bar_.position = start_ - s->zod + (start_ < s->zod ? kDay : 0);
        bar_.max = s->zile - 1;
        bar_.page = length;
        bar_.hint = clock(start_) + " - " + clock(s->zod + bar_.position + length);
    }
    end_ = static_cast<TimeValue>(start_ + length);
}

Duty DutyForm::build(int length) const {
    const Worker& w = roster_.workers[worker_index_];
    const Group* group = roster_.current();
    Duty d;
    d.duration = static_cast<uint16_t>(length);
    d.start = static_cast<uint16_t>(start_ == 0 ? kDay : start_);
    d.overtime = overtime_;
    d.worker_id = w.id;
    d.group_id = group ? group->id : 0;
    d.day_no = static_cast<uint16_t>(day_);
    d.shift_no = static_cast<uint8_t>(shift_no_);
    d.day_off_marker = w.duties[day_ - 1].day_off_marker;
    d.accepted = true;
    d.on_request = on_request_;
    d.note = note_;
    return d;
}

// A full-time worker with nothing worked yet whose duty fits the month's norm a whole number
// of working days may have it written out over the month.
bool DutyForm::spread_offered(int length) const {
    const Worker& w = roster_.workers[worker_index_];
    const MonthCalendar& c = roster_.calendar;
    const int worked = w.summary.hours_D + w.summary.hours_N + w.summary.hours_S;
    return length != 0 && c.group_norm == length * c.working_days && w.etat == 100 && worked == 0;
}

DutyForm::Outcome DutyForm::ok() {
    if (!type_) {
        prompter_.inform(
            tr("msg_DutyLengthNeeded", "Aby dodać dyżur należy określić jego czas trwania!"));
        return Outcome::Stay;
    }
    const int length = this->length();
    const Duty duty = build(length);
    if (spread_offered(length) &&
        prompter_.ask(tr("msg_SpreadDuty", "Czy rozpisać wybrany dyżur na cały miesiąc?"))) {
        spread_ = true;
        placed_ = rozpisz_8(roster_, options_, worker_index_, duty, true);
        return Outcome::Closed;
    }
    placed_ = dodaj_dyzur(roster_, options_, duty, true, worker_index_);
    if (placed_ && editing_) lower_staffing(roster_, day_, shift_no_);
    return Outcome::Closed;
}

}  // namespace tabrel
