#pragma once

#include <QAction>
#include <QMainWindow>
#include <QObject>
#include <optional>

#include "app/app_state.h"
#include "law_findings_dialog.h"

namespace tabrel {

// The main window's side of the working-time check: the findings computed once per change,
// a new one told in the status bar, and the list of the group's findings.
class LawView : public QObject {
    Q_OBJECT
public:
    // `command` opens the list.
    LawView(AppState& app, QMainWindow& window, QAction* command);

    // After a change of the plan, before it is shown. A finding the change added is told in
    // the status bar; after a drop, when the options ask for it, the user is asked whether to
    // keep the duty, and No puts the plan back as it was before the drop.
    void refresh();
    // Around the rules of a drop on the calendar.
    void drop_starting();
    void drop_finished();

    // The list, once opened; nothing before.
    LawFindingsDialog* dialog() const { return dialog_; }

signals:
    // A row of the list was double-clicked: `worker` indexes the register, `day` is 1-based.
    void finding_chosen(int worker, int day);

private:
    void open_list();
    void tell(const std::vector<LawFinding>& added);
    bool keep_drop(const std::vector<LawFinding>& added);

    AppState& app_;
    QMainWindow& window_;
    LawFindingsDialog* dialog_ = nullptr;
    bool dropping_ = false;
    std::optional<Roster> before_drop_;
};

}  // namespace tabrel
