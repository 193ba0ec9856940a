#pragma once

#include <QListWidget>
#include <QWidget>

#include "model/roster.h"

namespace tabrel {

// The side panel: the list of groups and the list of the current group's workers. Each row
// keeps the index of its record in the register.
class StaffLists : public QWidget {
    Q_OBJECT
public:
    explicit StaffLists(QWidget* parent = nullptr);

    // Lists the groups that are not deleted and selects the roster's current group, else the
    // first one. Gives the selected group's index, -1 when the list is empty.
    int rebuild_groups(const Roster& roster);
    // Lists the current group's members that are not deleted and selects the current worker,
    // else the first one. Gives the selected worker's index, -1 when the list is empty.
    int rebuild_workers(const Roster& roster);

    // Register index of the row, -1 for none.
    static int index_of(const QListWidgetItem* item);

    QListWidget* cb_grupa;
    QListWidget* cb_kadra_new;

signals:
    void group_chosen(int group_index);
    void worker_chosen(int worker_index);
};

}  // namespace tabrel
