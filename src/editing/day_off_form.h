#pragma once

#include <array>
#include <string>

#include "base/prompter.h"
#include "model/roster.h"
#include "model/time_value.h"
#include "storage/options.h"

namespace tabrel {

// One item of the kind list cb_DayOffType and the letter stored for it.
struct DayOffChoice {
    std::string text;  // cp1250
    char letter;
};

constexpr int kDayOffChoices = 18;

// The eighteen kinds the dialog offers, in list order; position 0 is "Bez dyżuru".
std::array<DayOffChoice, kDayOffChoices> day_off_choices();

// The logic of the day-off dialog "Dodaj/Edytuj wolne" for one worker: the kind, the two spins,
// the leave value shown, and OK with the leave accounts.
class DayOffForm {
public:
    // FormShow: position 0 chosen, the first spin at `first_day`.
    DayOffForm(Roster& roster, const Options& options, Prompter& prompter, int worker_index,
               int first_day);

    int position() const { return position_; }
    int first_day() const { return first_day_; }
    int first_max() const;                  // the month's length; the minimum is 1
    int second() const { return second_; }  // last day, or the shift number for "Bez dyżuru"
    int second_min() const { return second_min_; }
    int second_max() const { return second_max_; }
    bool length_visible() const { return position_ != 0; }
    std::string from_label() const;   // "Od:" or "Dnia: "
    std::string to_label() const;     // "Do:" or "na zmianie nr:"
    std::string length_text() const;  // the leave value as hours:minutes
    TimeValue length() const { return length_; }

    void choose_kind(int position);  // cb_DayOffType_Change
    void set_first_day(int day);     // se_DayOffFromChange
    void set_second(int value);      // se_DayOffToChange

    enum class Outcome { Stay, Closed };
    // sb_OkClick: books the entry against the worker's leave accounts and inserts it; the care
    // and rehabilitation limits refuse it and keep the dialog open.
    Outcome ok();
    bool placed() const { return placed_; }

private:
    bool no_duty_kind() const { return position_ == 0; }
    TimeValue leave_value(int from, int to) const;
    void recompute_length();
    bool book(Worker& worker, int from, int to, TimeValue value);

    Roster& roster_;
    const Options& options_;
    Prompter& prompter_;
    int worker_index_;
    int position_ = 0;
    int first_day_ = 1;
    int second_ = 0;
    int second_min_ = 0;
    int second_max_ = 0;
    TimeValue length_ = 0;
    bool placed_ = false;
};

}  // namespace tabrel
