#pragma once

#include <QWidget>

#include "app/app_state.h"

namespace tabrel {

class GroupDialog;
class WorkerDialog;

// The group and worker editors of one window, created with it and kept, so that they remember
// their controls (address, planner settings) between showings. The window owns the dialogs.
class RegisterEditors {
public:
    RegisterEditors(AppState& app, QWidget* window);

    AppState& app() const { return app_; }
    GroupDialog& group() const { return *group_; }
    WorkerDialog& worker() const { return *worker_; }

private:
    AppState& app_;
    GroupDialog* group_;
    WorkerDialog* worker_;
};

}  // namespace tabrel
