#include "worktime/month_save.h"

#include <optional>

#include "worktime/hour_split.h"

namespace tabrel {

namespace {

// What the worker did beyond (or short of) the month's norm; nothing when it did nothing or
// exactly its norm.
std::optional<TimeValue> balance_to_carry(const Worker& w) {
    const WorkerMonthSummary& s = w.summary;
    const int64_t used = int64_t{s.hours_D} + s.hours_N + s.hours_S + s.leave_toward_norm;
    if (used == 0 || used == w.norma) return std::nullopt;
    return saturate16(used - w.norma);
}

// An empty month's file keeps only its calendar, so its balances are not counted.
CarriedBalances balances_to_write(const Roster& roster, const Options& options) {
    return is_empty_month(roster) ? CarriedBalances() : carried_balances(roster, options);
}

}  // namespace

CarriedBalances carried_balances(const Roster& roster, const Options& options) {
    CarriedBalances carried;
    for (const Worker& w : roster.workers) {
        if (w.old) continue;
        if (auto balance = balance_to_carry(counted_over_all_groups(roster, options, w)))
            carried.push_back({w.id, *balance});
    }
    return carried;
}

std::string month_file_text(const Roster& roster, const Options& options, const std::string& date) {
    return month_file_text(roster, balances_to_write(roster, options), date);
}

Status zapisz_dyzury_i_wolne(Roster& roster, const Options& options, const Locale& locale,
                             const Clock& clock) {
    StoredMonth unknown;
    return save_changed_month(roster, options, locale, clock, unknown);
}

Status save_changed_month(Roster& roster, const Options& options, const Locale& locale,
                          const Clock& clock, StoredMonth& stored) {
    return save_changed_month(roster, balances_to_write(roster, options), locale, clock, stored);
}

}  // namespace tabrel
