#include "editing/roster_change.h"

#include <algorithm>

#include "editing/record_fields.h"
#include "i18n/text.h"

namespace tabrel {

namespace {

template <typename Record>
std::vector<uint16_t> ids_of(const std::vector<Record>& records) {
    std::vector<uint16_t> ids;
    for (const Record& r : records) ids.push_back(r.id);
    return ids;
}

template <typename Record>
const Record* find_id(const std::vector<Record>& records, uint16_t id) {
    const auto it = std::ranges::find(records, id, &Record::id);
    return it == records.end() ? nullptr : &*it;
}

template <typename Record>
Record* find_id(std::vector<Record>& records, uint16_t id) {
    const auto it = std::ranges::find(records, id, &Record::id);
    return it == records.end() ? nullptr : &*it;
}

template <typename Record>
std::vector<RecordChange<Record>> changed_records(const std::vector<Record>& before,
                                                  const std::vector<Record>& after) {
    std::vector<RecordChange<Record>> changes;
    for (const Record& b : before) {
        const Record* a = find_id(after, b.id);
        if (!a)
            changes.push_back({b, std::nullopt});
        else if (!(*a == b))
            changes.push_back({b, *a});
    }
    for (const Record& a : after)
        if (!find_id(before, a.id)) changes.push_back({std::nullopt, a});
    return changes;
}

bool group_has_entries(const Roster& roster, uint16_t group_id) {
    for (const Worker& w : roster.workers) {
        if (std::ranges::any_of(
                w.duties, [&](const Duty& d) { return d.seq != 0 && d.group_id == group_id; }))
            return true;
        if (std::ranges::any_of(
                w.days_off, [&](const DayOff& d) { return d.seq != 0 && d.group_id == group_id; }))
            return true;
    }
    return false;
}

bool holds_entries(const Roster&, const Worker& worker) {
    return has_month_entries(worker);
}

bool holds_entries(const Roster& roster, const Group& group) {
    return group_has_entries(roster, group.id);
}

std::string deleted_meanwhile() {
    return tr("msg_UndoRecordDeleted",
              "Tej zmiany nie można cofnąć ani ponowić: dotyczy pracownika lub grupy, "
              "usuniętych później.");
}

std::string entries_held() {
    return tr("msg_UndoRecordHasEntries",
              "Tej zmiany nie można cofnąć ani ponowić: pracownik lub grupa ma już dyżury "
              "albo wolne w pokazanym miesiącu.");
}

// The refusal for one record's change, if any.
template <typename Record>
std::optional<std::string> refusal(const Roster& roster, const std::vector<Record>& records,
                                   const std::optional<Record>& from,
                                   const std::optional<Record>& to) {
    const uint16_t id = from ? from->id : to->id;
    const Record* current = find_id(records, id);
    if (!from) {
        if (current) return deleted_meanwhile();
        return std::nullopt;
    }
    if (!current || (current->old && !from->old)) return deleted_meanwhile();
    if (!to && holds_entries(roster, *current)) return entries_held();
    return std::nullopt;
}

template <typename Record>
std::optional<std::string> first_refusal(const Roster& roster, const std::vector<Record>& records,
                                         const std::vector<RecordChange<Record>>& changes,
                                         ChangeDirection direction) {
    for (const RecordChange<Record>& c : changes) {
        const bool back = direction == ChangeDirection::Back;
        if (auto message =
                refusal(roster, records, back ? c.after : c.before, back ? c.before : c.after))
            return message;
    }
    return std::nullopt;
}

template <typename Record>
void carry_records(std::vector<Record>& records, const std::vector<RecordChange<Record>>& changes,
                   ChangeDirection direction) {
    for (const RecordChange<Record>& c : changes) {
        const std::optional<Record>& from = direction == ChangeDirection::Back ? c.after : c.before;
        const std::optional<Record>& to = direction == ChangeDirection::Back ? c.before : c.after;
        if (!from) {
            records.push_back(*to);
        } else if (!to) {
            std::erase_if(records, [&](const Record& r) { return r.id == from->id; });
        } else {
            carry_record(*find_id(records, from->id), *from, *to);
        }
    }
}

// The records in the order of `ids`; any record not named keeps its place after them.
template <typename Record>
void put_in_order(std::vector<Record>& records, const std::vector<uint16_t>& ids) {
    if (ids.empty()) return;
    std::vector<Record> ordered;
    for (uint16_t id : ids)
        if (Record* r = find_id(records, id)) ordered.push_back(std::move(*r));
    for (Record& r : records)
        if (std::ranges::find(ids, r.id) == ids.end()) ordered.push_back(std::move(r));
    records = std::move(ordered);
}

}  // namespace

bool RosterChange::empty() const {
    return workers.empty() && groups.empty() && !month_before && worker_order_before.empty() &&
           group_order_before.empty() && group_before == group_after &&
           worker_before == worker_after;
}

RosterChange roster_change(const RosterState& before, const RosterState& after) {
    RosterChange change;
    change.workers = changed_records(before.workers, after.workers);
    change.groups = changed_records(before.groups, after.groups);
    if (!(before.month == after.month)) {
        change.month_before = before.month;
        change.month_after = after.month;
    }
    if (ids_of(before.workers) != ids_of(after.workers)) {
        change.worker_order_before = ids_of(before.workers);
        change.worker_order_after = ids_of(after.workers);
    }
    if (ids_of(before.groups) != ids_of(after.groups)) {
        change.group_order_before = ids_of(before.groups);
        change.group_order_after = ids_of(after.groups);
    }
    change.group_before = before.current_group;
    change.group_after = after.current_group;
    change.worker_before = before.current_worker;
    change.worker_after = after.current_worker;
    return change;
}

std::optional<std::string> carry_change(Roster& roster, const RosterChange& change,
                                        ChangeDirection direction) {
    if (auto message = first_refusal(roster, roster.workers, change.workers, direction))
        return message;
    if (auto message = first_refusal(roster, roster.groups, change.groups, direction))
        return message;
    const bool back = direction == ChangeDirection::Back;
    carry_records(roster.workers, change.workers, direction);
    carry_records(roster.groups, change.groups, direction);
    put_in_order(roster.workers, back ? change.worker_order_before : change.worker_order_after);
    put_in_order(roster.groups, back ? change.group_order_before : change.group_order_after);
    if (change.month_before)
        put_month_part(roster, back ? *change.month_before : *change.month_after);
    if (change.group_before != change.group_after)
        roster.current_group = back ? change.group_before : change.group_after;
    if (change.worker_before != change.worker_after)
        roster.current_worker = back ? change.worker_before : change.worker_after;
    roster.rebuild_worker_ids();
    return std::nullopt;
}

void forget_month(RosterChange& change) {
    const auto forget = [](auto& records) {
        for (auto& c : records)
            if (c.before && c.after) forget_month_fields(*c.before, *c.after);
        std::erase_if(records,
                      [](const auto& c) { return c.before && c.after && *c.before == *c.after; });
    };
    forget(change.workers);
    forget(change.groups);
    change.month_before.reset();
    change.month_after.reset();
}

}  // namespace tabrel
