#include "register_editors.h"

#include "group_dialog.h"
#include "worker_dialog.h"

namespace tabrel {

RegisterEditors::RegisterEditors(AppState& app, QWidget* window)
    : app_(app), group_(new GroupDialog(app, window)), worker_(new WorkerDialog(app, window)) {}

}  // namespace tabrel
