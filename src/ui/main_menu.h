#pragma once

#include <QMenuBar>

#include "main_actions.h"

namespace tabrel {

// Fills the menu bar with the six menus of the main window.
void build_main_menu(QMenuBar* bar, const MainActions& a);

}  // namespace tabrel
