#include "window_history.h"

#include <QMenu>
#include <QMenuBar>

#include "i18n/format_text.h"
#include "i18n/text.h"
#include "qt_text.h"

namespace tabrel {

// A step of the core history as the stack holds it. Pushing it does nothing: the edit has
// already been made.
class HistoryCommand : public QUndoCommand {
public:
    HistoryCommand(WindowHistory& owner, const std::string& label)
        : QUndoCommand(qt_text(label)), owner_(owner) {}

    void undo() override { owner_.carry(ChangeDirection::Back); }
    void redo() override {
        if (pushed_) owner_.carry(ChangeDirection::Forward);
        pushed_ = true;
    }

private:
    WindowHistory& owner_;
    bool pushed_ = false;
};

WindowHistory::WindowHistory(Roster& roster, Prompter& prompter, QObject* parent)
    : QObject(parent),
      roster_(roster),
      prompter_(prompter),
      settled_(capture_state(roster)),
      undo_(new QAction(this)),
      redo_(new QAction(this)) {
    stack_.setUndoLimit(static_cast<int>(EditHistory::kLimit));
    undo_->setObjectName(QStringLiteral("a_Undo"));
    redo_->setObjectName(QStringLiteral("a_Redo"));
    undo_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    redo_->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    connect(undo_, &QAction::triggered, this, &WindowHistory::undo);
    connect(redo_, &QAction::triggered, this, &WindowHistory::redo);
    update_actions();
}

void WindowHistory::record(const std::string& label, EditScope scope) {
    const size_t steps = history_.steps().size(), done = history_.done();
    RosterState now = capture_state(roster_);
    history_.record(label, scope, settled_, now);
    settled_ = std::move(now);
    if (history_.done() != done || history_.steps().size() != steps)
        push_step(history_.steps().back());
    update_actions();
}

void WindowHistory::settle() {
    settled_ = capture_state(roster_);
}

void WindowHistory::leave_month() {
    history_.leave_month();
    stack_.clear();
    for (const EditStep& step : history_.steps()) push_step(step);
    settle();
    update_actions();
}

void WindowHistory::forget() {
    history_.clear();
    stack_.clear();
    settle();
    update_actions();
}

void WindowHistory::follow_language() {
    update_actions();
}

void WindowHistory::undo() {
    if (!history_.can_undo()) return;
    refused_ = false;
    stack_.undo();
    // A refused step stays done: the stack steps back over it without carrying anything.
    if (refused_) {
        quiet_ = true;
        stack_.redo();
        quiet_ = false;
    }
    update_actions();
}

void WindowHistory::redo() {
    if (!history_.can_redo()) return;
    refused_ = false;
    stack_.redo();
    if (refused_) {
        quiet_ = true;
        stack_.undo();
        quiet_ = false;
    }
    update_actions();
}

void WindowHistory::carry(ChangeDirection direction) {
    if (quiet_) return;
    const std::optional<std::string> refusal =
        direction == ChangeDirection::Back ? history_.undo(roster_) : history_.redo(roster_);
    if (refusal) {
        refused_ = true;
        prompter_.inform(*refusal);
        return;
    }
    emit carried();
    settle();
}

void WindowHistory::push_step(const EditStep& step) {
    stack_.push(new HistoryCommand(*this, step.label));
}

void WindowHistory::update_actions() {
    undo_->setEnabled(history_.can_undo());
    undo_->setText(qt_text(
        history_.can_undo()
            ? format_text(tabrel::tr("und_UndoNamed", "Cofnij: %s"), {history_.undo_label()})
            : tabrel::tr("und_Undo", "Cofnij")));
    redo_->setEnabled(history_.can_redo());
    redo_->setText(
        qt_text(history_.can_redo()
                    ? format_text(tabrel::tr("und_RedoNamed", "Ponów: %s"), {history_.redo_label()})
                    : tabrel::tr("und_Redo", "Ponów")));
    undo_->setStatusTip(
        qt_text(tabrel::tr("und_UndoHint",
                           "Cofa ostatnią zmianę. Historia zmian miesiąca nie przetrwa "
                           "przejścia do innego miesiąca.")));
    redo_->setStatusTip(qt_text(tabrel::tr("und_RedoHint", "Ponawia cofniętą zmianę.")));
    undo_->setToolTip(undo_->statusTip());
    redo_->setToolTip(redo_->statusTip());
}

void add_edit_menu(QMenuBar* bar, const WindowHistory& history) {
    auto* menu = new QMenu(QString::fromUtf8("Edycja"), bar);
    menu->setObjectName(QStringLiteral("mi_Edit"));
    menu->addActions({history.undo_action(), history.redo_action()});
    const QList<QAction*> menus = bar->actions();
    bar->insertMenu(menus.isEmpty() ? nullptr : menus.first(), menu);
}

}  // namespace tabrel
