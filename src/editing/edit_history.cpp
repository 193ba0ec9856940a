#include "editing/edit_history.h"

#include "editing/change_label.h"

namespace tabrel {

void EditHistory::record(std::string label, EditScope scope, const RosterState& before,
                         const RosterState& after) {
    RosterChange change = roster_change(before, after);
    if (change.empty()) return;
    if (label.empty()) label = change_label(change);
    steps_.resize(done_);
    steps_.push_back({std::move(label), scope, std::move(change)});
    if (steps_.size() > kLimit) steps_.pop_front();
    done_ = steps_.size();
}

std::optional<std::string> EditHistory::undo(Roster& roster) {
    if (!can_undo()) return std::nullopt;
    auto refused = carry_change(roster, steps_[done_ - 1].change, ChangeDirection::Back);
    if (!refused) --done_;
    return refused;
}

std::optional<std::string> EditHistory::redo(Roster& roster) {
    if (!can_redo()) return std::nullopt;
    auto refused = carry_change(roster, steps_[done_].change, ChangeDirection::Forward);
    if (!refused) ++done_;
    return refused;
}

void EditHistory::leave_month() {
    steps_.resize(done_);
    std::erase_if(steps_, [](const EditStep& s) { return s.scope == EditScope::Month; });
    for (EditStep& step : steps_) forget_month(step.change);
    std::erase_if(steps_, [](const EditStep& s) { return s.change.empty(); });
    done_ = steps_.size();
}

void EditHistory::clear() {
    steps_.clear();
    done_ = 0;
}

}  // namespace tabrel
