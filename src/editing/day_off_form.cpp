#include "editing/day_off_form.h"

#include <algorithm>

#include "editing/entry_operations.h"
#include "i18n/format_text.h"
#include "i18n/text.h"
#include "model/day_off_type.h"
#include "worktime/leave_account.h"

namespace tabrel {

namespace {

constexpr int kAnnualPosition = 1;
constexpr int kCarePosition = 6;
constexpr int kRehabilitationPosition = 14;
constexpr int kOnDemandPosition = 15;

struct ChoiceRow {
    const char* key;
    const char* text_utf8;
    char letter;
};

constexpr ChoiceRow kChoices[kDayOffChoices] = {
    {"cb_DayOffType0", "Bez dyżuru (daw. Na życzenie)", kNoDutyLetter},
    {"cb_DayOffType1", "Wypoczynkowy", 'u'},
    {"cb_DayOffType2", "Macierzyński", 'm'},
    {"cb_DayOffType3", "Wychowawczy", 'w'},
    {"cb_DayOffType4", "Szkoleniowy", 's'},
    {"cb_DayOffType5", "Zwolnienie lekarskie", 'z'},
    {"cb_DayOffType6", "Opieka nad dzieckiem", 'o'},
    {"cb_DayOffType7", "Wagary", 'n'},
    {"cb_DayOffType8", "Inny ", 'i'},
    {"cb_DayOffType9", "Za pracę w niedzielę/święto", '1'},
    {"cb_DayOffType10", "Za pracę w sobotę", '7'},
    {"cb_DayOffType11", "Bezpłatny", 'b'},
    {"cb_DayOffType12", "Opieka nad członkiem rodziny", 'r'},
    {"cb_DayOffType13", "Zwolnienie na dziecko", 'd'},
    {"cb_DayOffType14", "Rehabilitacyjny", 'h'},
    {"cb_DayOffType15", "Na żądanie", 'a'},
    {"cb_DayOffType16", "Za pracę w święto", '9'},
    {"cb_DayOffType17", "Okolicznościowy", 'k'},
};

// Leave accounts are signed: annual leave may be booked beyond what is left, and giving the
// entry back later must restore exactly what was there.
template <typename Account>
void take(Account& account, int64_t amount) {
    account = static_cast<Account>(account - amount);
}

}  // namespace

std::array<DayOffChoice, kDayOffChoices> day_off_choices() {
    std::array<DayOffChoice, kDayOffChoices> choices;
    for (int i = 0; i < kDayOffChoices; ++i)
        choices[i] = {tr(kChoices[i].key, kChoices[i].text_utf8), kChoices[i].letter};
    return choices;
}

DayOffForm::DayOffForm(Roster& roster, const Options& options, Prompter& prompter, int worker_index,
                       int first_day)
    : roster_(roster),
      options_(options),
      prompter_(prompter),
      worker_index_(worker_index),
      first_day_(std::clamp(first_day, 1, first_max())) {
    choose_kind(0);
}

int DayOffForm::first_max() const {
    return roster_.month_days();
}

std::string DayOffForm::from_label() const {
    return no_duty_kind() ? tr("l_DayOffDay", "Dnia: ") : tr("l_DayOffFrom", "Od:");
}

std::string DayOffForm::to_label() const {
    return no_duty_kind() ? tr("l_DayOffShift", "na zmianie nr:") : tr("l_DayOffTo", "Do:");
}

std::string DayOffForm::length_text() const {
    return no_duty_kind() ? "000:00" : min2h(length_, "txt", false);
}

TimeValue DayOffForm::leave_value(int from, int to) const {
    return static_cast<TimeValue>(ile_pracujacych(roster_.calendar, roster_.workers[worker_index_],
                                                  from, to, CountMode::minutes,
                                                  current_day8(roster_)));
}

void DayOffForm::recompute_length() {
    length_ = no_duty_kind() ? 0 : leave_value(first_day_, std::max(first_day_, second_));
}

void DayOffForm::choose_kind(int position) {
    position_ = std::clamp(position, 0, kDayOffChoices - 1);
    if (no_duty_kind()) {
        const Group* group = roster_.current();
        second_min_ = 0;
        second_max_ = group ? static_cast<int>(group->profile.shifts.size()) : 0;
        second_ = 0;
    } else {
        second_min_ = first_day_;
        second_max_ = first_max();
        second_ = first_day_;
    }
    recompute_length();
}

// The shift spin of "Bez dyżuru" keeps its own range; for the other kinds the last day follows
// the first, and the value shown is always that of the days in the spins.
void DayOffForm::set_first_day(int day) {
    first_day_ = std::clamp(day, 1, first_max());
    if (no_duty_kind()) return;
    second_min_ = first_day_;
    second_ = std::max(second_, first_day_);
    recompute_length();
}

void DayOffForm::set_second(int value) {
    second_ = std::clamp(value, second_min_, second_max_);
    recompute_length();
}

// Books the entry against the worker's accounts; false (with the message) when a day limit
// refuses it.
bool DayOffForm::book(Worker& worker, int from, int to, TimeValue value) {
    const int days = to - from + 1;
    switch (position_) {
        case kAnnualPosition:
            if (worker.urlop_prev != 0 && worker.urlop_prev < value) {
                take(worker.urlop, value - worker.urlop_prev);
                worker.urlop_prev = 0;
            } else if (worker.urlop_prev != 0) {
                take(worker.urlop_prev, value);
            } else {
                take(worker.urlop, value);
            }
            return true;
        case kCarePosition:
            if (worker.opieka < days) {
                prompter_.inform(format_text(tr("msg_CareDaysExceeded",
                                                "Wybrana liczba dni przekracza limit dni opieki "
                                                "dla wybranego pracownika!%sWolnego nie dodano."),
                                             {"\r"}));
                return false;
            }
            take(worker.opieka, days);
            return true;
        case kRehabilitationPosition:
            if (worker.reha < days) {
                prompter_.inform(format_text(
                    tr("msg_RehaDaysExceeded",
                       "Wybrana liczba dni przekracza limit dni urlopu rehabilitacyjnego dla "
                       "wybranego pracownika!%sWolnego nie dodano."),
                    {"\r"}));
                return false;
            }
            take(worker.reha, days);
            return true;
        case kOnDemandPosition:
            take(worker.urlop, value);
            return true;
        default:
            return true;
    }
}

DayOffForm::Outcome DayOffForm::ok() {
    Worker& worker = roster_.workers[worker_index_];
    const Group* group = roster_.current();
    DayOff entry;
    entry.worker_id = worker.id;
    entry.group_id = group ? group->id : 0;
    entry.from_day = static_cast<uint8_t>(first_day_);
    entry.to_day = static_cast<uint8_t>(std::max(first_day_, second_));
    entry.kind = kChoices[position_].letter;
    if (no_duty_kind()) {
        entry.minutes = static_cast<uint16_t>(second_);
        entry.to_day = entry.from_day;
    } else {
        const TimeValue value = leave_value(entry.from_day, entry.to_day);
        entry.minutes = static_cast<uint16_t>(std::max<TimeValue>(value, 0));
        if (!book(worker, entry.from_day, entry.to_day, value)) return Outcome::Stay;
    }
    placed_ = dodaj_wolne(roster_, prompter_, entry, worker_index_);
    if (placed_) recompute_worker(roster_, options_, worker_index_);
    return Outcome::Closed;
}

}  // namespace tabrel
