#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "app/prompter.h"
#include "model/duty.h"
#include "model/roster.h"
#include "storage/options.h"
#include "worktime/month_rebuild.h"

namespace tabrel {

// calendar_popup on opening, for the day of the selected cell (0: a cell without a day).
struct CalendarPopup {
    bool enabled = false;          // toggle_holiday, toggle_emergency_day and a_DayProperties
    bool holiday_checked = false;  // the day's effective holiday status
    bool er_duty_checked = false;  // "Ostry dyżur"
    bool operator==(const CalendarPopup&) const = default;
};
CalendarPopup calendar_popup(const Roster& roster, int day);

// The calendar and the norm of the shown month rebuilt from the day marks in memory, keeping
// the staffing counters.
NormStatus recompute_month_norm(Roster& roster, Options& options);

// toggle_holiday and toggle_emergency_day: the day's mark is inverted, the calendar and the norm
// follow at once, and so does the selected worker's summary.
NormStatus toggle_holiday(Roster& roster, Options& options, int day);
NormStatus toggle_emergency_day(Roster& roster, Options& options, int day);

// gb_DaySummary with the read-only notes is shown only for a day with notes.
bool day_notes_visible(const Roster& roster, int day);

constexpr size_t kDayNotesLength = 255;

// The logic of the dialog "Dzień - parametry" for one day: the day's duties of the current
// group, the notes, the emergency flag and the holiday reset.
class DayProperties {
public:
    // A duty of the list and the worker's position in the register (1-based).
    struct DutyRow {
        int worker = 0;
        Duty duty;
    };

    // a_DayProperties and FormShow for day `day` (1-based), opened from a cell of `shift_no`.
    DayProperties(Roster& roster, Options& options, Prompter& prompter, int day, int shift_no);

    const std::vector<DutyRow>& duties() const { return duties_; }
    // The hint of the selected row: "[first name surname] start - end"; empty without a row.
    std::string hint(int row) const;

    const std::string& notes() const { return notes_; }
    void set_notes(std::string_view notes);  // at most 255 characters
    std::string notes_counter() const;       // "Notatki: (pozostało znaków: %d)"
    bool er_duty() const { return er_duty_; }
    void set_er_duty(bool on) { er_duty_ = on; }
    bool default_holiday_enabled() const;
    int day() const { return day_; }
    int shift_no() const { return shift_no_; }

    // Clears the day's own holiday mark at once; Cancel does not bring it back, and the
    // calendar follows at the next recalculation.
    void restore_default_holiday();
    // "Usuń dyżur...": the row's duty goes through the duty removal, with its question.
    void delete_duty(int row);
    bool duty_deleted() const { return duty_deleted_; }  // the day's tiles are to be redrawn

    // OK: the notes and the emergency flag are stored and the calendar and norm rebuilt.
    NormStatus apply();

private:
    void fill_duties();

    Roster& roster_;
    Options& options_;
    Prompter& prompter_;
    int day_;
    int shift_no_;
    std::vector<DutyRow> duties_;
    std::string notes_;
    bool er_duty_ = false;
    bool duty_deleted_ = false;
};

}  // namespace tabrel
