#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "editing/roster_state.h"

namespace tabrel {

// One record as an edit found it and left it; absent on the side where it did not exist.
template <typename Record>
struct RecordChange {
    std::optional<Record> before;
    std::optional<Record> after;
};

// What one edit changed: only the records it touched, the month part when it touched it, the
// register orders when they changed, and the selection.
struct RosterChange {
    std::vector<RecordChange<Worker>> workers;
    std::vector<RecordChange<Group>> groups;
    std::optional<MonthPart> month_before, month_after;
    std::vector<uint16_t> worker_order_before, worker_order_after;  // ids; empty when unchanged
    std::vector<uint16_t> group_order_before, group_order_after;
    int16_t group_before = -1, group_after = -1;
    uint16_t worker_before = 0, worker_after = 0;

    bool empty() const;
};

RosterChange roster_change(const RosterState& before, const RosterState& after);

enum class ChangeDirection { Back, Forward };

// Undoes (Back) or redoes (Forward) the change on the roster. Refused, with the message and
// the roster untouched, when a record it touches was deleted or removed meanwhile, or when it
// would remove a record that holds entries of the shown month.
std::optional<std::string> carry_change(Roster& roster, const RosterChange& change,
                                        ChangeDirection direction);

// What is left of a staff change once its month is no longer shown: the register records
// without their month fields, and the orders.
void forget_month(RosterChange& change);

}  // namespace tabrel
