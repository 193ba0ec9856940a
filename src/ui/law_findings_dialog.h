#pragma once

#include <QDialog>

#include "app/app_state.h"

class QLabel;
class QTreeWidget;

namespace tabrel {

// "Kontrola czasu pracy": every working-time finding of the current group's workers, one row
// each. A double-click chooses the worker and the day on the calendar. It stays open beside
// the window and follows the plan as it changes.
class LawFindingsDialog : public QDialog {
    Q_OBJECT
public:
    explicit LawFindingsDialog(const AppState& app, QWidget* parent = nullptr);

    // Lists the findings as the window last computed them.
    void refresh();

signals:
    // `worker` indexes the register, `day` is 1-based.
    void finding_chosen(int worker, int day);

private:
    const AppState& app_;
    QLabel* l_LawSummary;
    QTreeWidget* lv_LawFindings;
};

}  // namespace tabrel
