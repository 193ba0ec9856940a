#pragma once

#include "app/app_state.h"

class QMainWindow;

namespace tabrel {

class Printouts;

// The close query of the main window: the exit procedure with the window's geometry, a
// progress dialog while the data folder is archived, and this run's printouts when there are
// any. False keeps the program running.
bool query_exit(AppState& app, QMainWindow* window = nullptr, Printouts* printouts = nullptr);

}  // namespace tabrel
