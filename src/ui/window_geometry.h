#pragma once

#include <QWidget>

#include "storage/options.h"

namespace tabrel {

// Shows the main window maximised, or at the stored place and size (the screen's size where
// none is stored).
void show_with_geometry(QWidget& window, const WindowGeometry& geometry);

}  // namespace tabrel
