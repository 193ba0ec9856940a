#pragma once

#include "app/app_state.h"

namespace tabrel {

// The close query of the main window: asks for confirmation, then saves groups and staff.
// False keeps the program running.
bool query_exit(AppState& app);

}  // namespace tabrel
