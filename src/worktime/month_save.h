#pragma once

#include <string>

#include "base/locale.h"
#include "base/status.h"
#include "model/roster.h"
#include "storage/carried_balance.h"
#include "storage/month_file.h"
#include "storage/options.h"

namespace tabrel {

// Every worker's balance carried into the next month: each worker that is not deleted counted
// over all groups, on a copy, so the roster and what the window shows stay as they are.
CarriedBalances carried_balances(const Roster& roster, const Options& options);

// The shown month's file as text, with the balances it carries counted.
std::string month_file_text(const Roster& roster, const Options& options, const std::string& date);

// Writes the shown month's file with the balances it carries counted, whatever the file holds.
Status zapisz_dyzury_i_wolne(Roster& roster, const Options& options, const Locale& locale,
                             const Clock& clock);

// As zapisz_dyzury_i_wolne, except that a file still holding `stored` is left as it is when the
// save would change nothing but its date; after a write `stored` holds the bytes written.
Status save_changed_month(Roster& roster, const Options& options, const Locale& locale,
                          const Clock& clock, StoredMonth& stored);

}  // namespace tabrel
