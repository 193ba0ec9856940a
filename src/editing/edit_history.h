#pragma once

#include <cstddef>
#include <deque>
#include <optional>
#include <string>

#include "editing/roster_change.h"

namespace tabrel {

// Whose history a step belongs to: the shown month's, which ends when another month is
// shown, or the staff registers', which lasts until the program closes.
enum class EditScope { Month, Staff };

struct EditStep {
    std::string label;  // cp1250, names the change: "przeniesienie dyżuru"
    EditScope scope = EditScope::Month;
    RosterChange change;
};

// The undo and redo history of the roster. Steps hold only what their change touched. Undo
// and redo change the roster in memory only; saving stays where it always was.
class EditHistory {
public:
    static constexpr size_t kLimit = 200;

    // A finished edit. Nothing is recorded when the edit changed nothing; otherwise the steps
    // that could be redone are dropped, and the oldest step when the limit is passed. An empty
    // label is read from the change.
    void record(std::string label, EditScope scope, const RosterState& before,
                const RosterState& after);

    bool can_undo() const { return done_ > 0; }
    bool can_redo() const { return done_ < steps_.size(); }
    const std::string& undo_label() const { return steps_[done_ - 1].label; }
    const std::string& redo_label() const { return steps_[done_].label; }

    // Nothing when done; the refusal message when the step cannot be carried out, and then
    // nothing changed and the step stays where it was.
    std::optional<std::string> undo(Roster& roster);
    std::optional<std::string> redo(Roster& roster);

    // Another month is shown: the month's steps and whatever could be redone go; staff steps
    // stay, without what they did to the month left.
    void leave_month();
    void clear();

    const std::deque<EditStep>& steps() const { return steps_; }
    size_t done() const { return done_; }

private:
    std::deque<EditStep> steps_;
    size_t done_ = 0;  // steps_[0, done_) can be undone, the rest redone
};

}  // namespace tabrel
