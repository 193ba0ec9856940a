#pragma once

#include <QToolBar>

#include "main_actions.h"

namespace tabrel {

// The command toolbar. The templates button carries a menu for the recently used templates.
QToolBar* create_main_toolbar(const MainActions& a, QWidget* parent);

}  // namespace tabrel
