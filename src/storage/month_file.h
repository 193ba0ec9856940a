#pragma once

#include <optional>
#include <string>

#include "base/locale.h"
#include "base/notices.h"
#include "base/status.h"
#include "model/roster.h"
#include "storage/carried_balance.h"
#include "storage/ini_file.h"
#include "storage/load_purpose.h"
#include "storage/options.h"

namespace tabrel {

// True when nothing of the shown month needs its own file entries: no group flag, no duty, day
// off, carry or own norm, no detached entry. Such a month keeps only its calendar sections.
bool is_empty_month(const Roster& roster);

// The shown month's file as text (cp1250, CR LF), with the balances `carried` into the next
// month. Callers go through worktime/month_save.h, which counts them.
std::string month_file_text(const Roster& roster, const CarriedBalances& carried,
                            const std::string& date);

// The bytes of a month file as it was read or last written; nothing when there was no file.
using StoredMonth = std::optional<std::string>;

// Writes the shown month's file with the balances `carried`, replacing the old one atomically;
// sets the month paths first when none is set, and dates it by the clock. A file still holding
// `stored` is left as it is, its save date included, when the save would change nothing else in
// it; after a write `stored` holds the bytes written. Fails with the reason when it cannot be
// written, and without words when there is no month file (no group).
Status save_changed_month(Roster& roster, const CarriedBalances& carried, const Locale& locale,
                          const Clock& clock, StoredMonth& stored);

struct MonthLoadResult {
    // A failure stopped the load on a bad value (its message names the file and its line): the
    // file must not be saved over.
    Status status;
    IniFile file;        // the month file as read; empty when there is none
    StoredMonth stored;  // its bytes
    Notices notices;     // copies not made, entries read but not counted, a lost carry

    bool failed() const { return !status.ok(); }
};

// Fills the shown month's part of the roster from its file: empties every slot first, renews
// the companion copies (when loading for editing), reads the group settings, the month's day-off
// norm flags, the duties, the days off, the carries and own norms (with `ng_przenos`, the
// automatic carry of the previous month's file). The month paths must be set. A bad value stops the
// load; what was read before it stays.
MonthLoadResult wczytaj_dyzury_i_wolne(Roster& roster, const Options& options,
                                       LoadPurpose purpose = LoadPurpose::Editing);

}  // namespace tabrel
