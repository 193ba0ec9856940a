#pragma once

#include <optional>
#include <string>

#include "app/prompter.h"
#include "model/duty.h"
#include "model/roster.h"
#include "model/time_value.h"
#include "storage/options.h"

namespace tabrel {

// The length types of rg_DutyType, in their order on the dialog.
enum class DutyType { Eight, WholeShift, Remainder, Other };

// The bar pb_ShiftLength that slides a duty shorter than its shift inside it.
struct DutyBar {
    bool enabled = false;
    int position = 0;  // minutes after the shift's start
    int max = 0;       // the range is 0 .. max
    int page = 0;      // the duty's length
    std::string hint;  // start + " - " + end
    bool operator==(const DutyBar&) const = default;
};

// The type whose length equals `length`, tested in this order: "Dopracowanie" (the month's
// norm modulo 720), "Całą zmianę" (the length of `shift_no`), '"8"', else "Inny".
DutyType odswiez_czas_trwania(const Roster& roster, int shift_no, int length);

// The logic of the duty dialog "Dodaj/Edytuj dyżur": its fields as minutes and texts, the rules
// that tie them together, and OK. The window converts its masked fields with h2min and min2h.
class DutyForm {
public:
    // A new duty of the worker on day `day` (1-based) and shift `shift_no` of the grid cell:
    // start at the shift's start, no overtime, empty note, no type chosen.
    DutyForm(Roster& roster, const Options& options, Prompter& prompter, int worker_index, int day,
             int shift_no);
    // "Zmień...": every field from the duty, which OK then replaces in its slot.
    static DutyForm editing(Roster& roster, const Options& options, Prompter& prompter,
                            int worker_index, const Duty& duty);

    std::string l_prac_idx() const;    // surname + " " + first name
    std::string l_DateValue() const;   // "5 czerwiec 2024", lower case
    std::string caption() const;       // "Czas trwania dyżuru: " + the length
    std::string from_caption() const;  // "| " + the shift's start
    std::string to_caption() const;    // the shift's end + " |"

    std::optional<DutyType> type() const { return type_; }
    TimeValue start() const { return start_; }
    TimeValue end() const { return end_; }                    // may pass 24:00; shown with wrap
    TimeValue other_length() const { return other_length_; }  // me_Time
    TimeValue overtime() const { return overtime_; }
    const std::string& note() const { return note_; }
    bool on_request() const { return on_request_; }
    const DutyBar& bar() const { return bar_; }
    bool editing() const { return editing_; }

    // The length the chosen type stands for; "Inny" takes me_Time.
    int length_of(DutyType type) const;
    int length() const { return type_ ? length_of(*type_) : 0; }

    void choose_type(DutyType type);            // rg_DutyTypeClick
    void enter_other_length();                  // me_TimeEnter: "Inny" is chosen
    void leave_other_length(TimeValue length);  // me_TimeExit
    void set_start(TimeValue start);            // me_DutyFrom changed
    void end_edited(TimeValue end);  // me_DutyToExit; also before OK while it has the focus
    void move_bar(int position);     // pb_ShiftLengthChange
    void scroll_bar(int position);   // pb_ShiftLengthScroll: stops at the shift's end
    void set_overtime(TimeValue overtime) { overtime_ = overtime; }
    void set_note(std::string_view note);  // at most 30 characters
    void set_on_request(bool on) { on_request_ = on; }

    enum class Outcome { Stay, Closed };
    // sb_OkClick: refuses without a type; otherwise builds the duty, offers to spread it over
    // the month, and inserts it.
    Outcome ok();
    bool placed() const { return placed_; }
    bool spread() const { return spread_; }  // written out over the month

private:
    const Shift* shift() const;
    void odswiez_pasek();
    Duty build(int length) const;
    bool spread_offered(int length) const;

    Roster& roster_;
    const Options& options_;
    Prompter& prompter_;
    int worker_index_;
    int day_;
    int shift_no_;
    bool editing_ = false;
    std::optional<DutyType> type_;
    TimeValue start_ = 0;
    TimeValue end_ = 0;
    TimeValue other_length_ = 0;
    TimeValue overtime_ = 0;
    std::string note_;
    bool on_request_ = false;
    DutyBar bar_;
    bool placed_ = false;
    bool spread_ = false;
};

constexpr size_t kDutyNoteLength = 30;

}  // namespace tabrel
