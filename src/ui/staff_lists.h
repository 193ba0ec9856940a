#pragma once

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QWidget>
#include <vector>

#include "app/law_watch.h"
#include "base/locale.h"
#include "editing/view_state.h"
#include "model/roster.h"
#include "register_list.h"
#include "storage/options.h"

namespace tabrel {

// The side panel `x_Panel`: the group list and the worker list with its switches. Each row keeps
// the index of its record in the register.
class StaffLists : public QWidget {
    Q_OBJECT
public:
    StaffLists(const Roster& roster, const Options& options, ViewState& view,
               QWidget* parent = nullptr);

    // Lists the groups that are not deleted and selects the roster's current group, else the
    // first one. Gives the selected group's index, -1 when the list is empty.
    int rebuild_groups(const Roster& roster);
    // Lists the workers the switches ask for, then a temporary row for each of `temporary`
    // not listed yet, and selects the current worker, else the first row. Gives the selected
    // worker's index, -1 when the list is empty.
    int rebuild_workers(const Roster& roster, const std::vector<int>& temporary = {});

    static int index_of(const QListWidgetItem* item) { return RegisterList::index_of(item); }

    // Rows of workers with working-time findings are marked from then on, the findings their
    // hint.
    void watch_law(const LawWatch& law, const Locale& locale);
    // The hint of the row of worker `worker` (index): a line for each of the worker's findings.
    QString law_hint(int worker) const;

    RegisterList* cb_grupa;
    RegisterList* cb_kadra_new;
    QGroupBox* rg_ShowWorkers;
    QCheckBox* cb_ShowDeleted;

signals:
    void group_chosen(int group_index);
    void worker_chosen(int worker_index);
    // rg_ShowWorkers or cb_ShowDeleted changed.
    void workers_shown_changed();

private:
    void build_worker_switches();

    const Roster& roster_;
    ViewState& view_;
    const LawWatch* law_ = nullptr;
    const Locale* locale_ = nullptr;
};

}  // namespace tabrel
