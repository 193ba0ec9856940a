#pragma once

#include <QAction>
#include <QObject>
#include <QUndoStack>
#include <string>

#include "base/prompter.h"
#include "editing/edit_history.h"

class QMenuBar;

namespace tabrel {

// The main window's undo and redo: the core history bound to a QUndoStack and to the Edit
// menu's "Cofnij" and "Ponów". Each edit is recorded against the state the window last
// settled on, so an edit needs no preparation of its own.
class WindowHistory : public QObject {
    Q_OBJECT
public:
    WindowHistory(Roster& roster, Prompter& prompter, QObject* parent);

    QAction* undo_action() const { return undo_; }
    QAction* redo_action() const { return redo_; }
    const EditHistory& history() const { return history_; }

    // Records what changed since the window last settled, as one step named `label` (named
    // from the change when empty). Nothing when nothing changed.
    void record(const std::string& label = {}, EditScope scope = EditScope::Month);
    // The window settled without an edit (a selection, a redisplay): nothing to record.
    void settle();
    // Another month is shown: its history goes, the staff's stays.
    void leave_month();
    // The data were replaced from elsewhere (a restore): no step applies to them any more.
    void forget();
    void follow_language();

    void undo();
    void redo();

signals:
    // A step was undone or redone: everything is to be shown again.
    void carried();

private:
    friend class HistoryCommand;
    // The stack's commands undo and redo through this; a refusal is told and noted.
    void carry(ChangeDirection direction);
    void push_step(const EditStep& step);
    void update_actions();

    Roster& roster_;
    Prompter& prompter_;
    EditHistory history_;
    RosterState settled_;
    QUndoStack stack_;
    QAction* undo_;
    QAction* redo_;
    bool quiet_ = false;  // the stack follows the core without carrying anything
    bool refused_ = false;
};

// Puts the Edit menu "Edycja" with the history's commands first on the menu bar.
void add_edit_menu(QMenuBar* bar, const WindowHistory& history);

}  // namespace tabrel
