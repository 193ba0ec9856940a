#include "model/register_order.h"

#include <algorithm>

namespace tabrel {

namespace {

template <typename Record>
bool move_record(std::vector<Record>& records, int from, int to) {
    const int size = static_cast<int>(records.size());
    if (from < 0 || to < 0 || from >= size || to >= size || from == to) return false;
    const auto at = [&records](int i) { return records.begin() + i; };
    if (from < to)
        std::rotate(at(from), at(from + 1), at(to + 1));
    else
        std::rotate(at(to), at(from), at(from + 1));
    return true;
}

}  // namespace

void move_worker(Roster& roster, int from, int to) {
    if (!move_record(roster.workers, from, to)) return;
    roster.rebuild_worker_ids();
    roster.current_worker = static_cast<uint16_t>(to);
}

void move_group(Roster& roster, int from, int to) {
    if (!move_record(roster.groups, from, to)) return;
    roster.current_group = static_cast<int16_t>(to);
}

}  // namespace tabrel
