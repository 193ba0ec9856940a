#pragma once

#include "base/locale.h"
#include "base/prompter.h"
#include "model/roster.h"
#include "storage/load_purpose.h"
#include "storage/month_file.h"
#include "storage/options.h"
#include "worktime/month_rebuild.h"

namespace tabrel {

// The month change and the month save at exit, without widgets. It remembers whether the
// shown month's file stopped loading on a bad value: such a file is never saved over with the
// partial state, neither at the next switch nor at exit.
class MonthSwitch {
public:
    // Loading for reading leaves every file of the data folder as it is.
    MonthSwitch(Roster& roster, Options& options, Prompter& prompter, const Locale& locale,
                const Clock& clock, LoadPurpose purpose = LoadPurpose::Editing);

    // switch_to (month 1..12): saves the month shown so far (unless a restore is in
    // progress or its load failed), loads the month entered, rebuilds the calendar and the
    // group norm, and recomputes every worker's summary counting all groups. When the save
    // fails and the user chooses to stay, the shown month stays (shown_year and shown_month
    // unchanged). The window then shows the returned norm texts and redraws the grid.
    NormStatus switch_to(int year, int month);

    // The refresh after a change of the current group, a day mark or the custom norm: the
    // calendar and norm are rebuilt from the marks in memory and every summary recomputed. A
    // month shown before the first group existed is loaded as by a month change instead.
    NormStatus recompute();

    // The month save at exit: the shown month when a group exists. False when the month could
    // not be written or its file is kept because its load failed (the user has been told).
    bool save_at_exit();

    // The month save before a restore swaps the file with its backup: written even when
    // unchanged, so the file becoming the backup is dated now and is not taken for a stale copy.
    bool save_written();

    bool load_failed() const { return load_failed_; }

private:
    bool restore_in_progress() const;
    NormStatus rebuild(bool clear_counts, const IniFile* month_file);
    // Saves the shown month; false when it could not be written and the user stays on it.
    bool leave_shown_month();
    // Saves the shown month unless its file must be kept; false when nothing was written.
    bool save_shown_month();
    void load_shown_month(NormStatus& status);

    Roster& roster_;
    Options& options_;
    Prompter& prompter_;
    const Locale& locale_;
    const Clock& clock_;
    LoadPurpose purpose_;
    bool load_failed_ = false;
    // The shown month's file as read or last written: a save that would change nothing in it
    // but the date writes nothing.
    StoredMonth stored_;
};

}  // namespace tabrel
