#pragma once

#include <QMimeData>
#include <memory>
#include <optional>

#include "editing/grid_drop.h"

namespace tabrel {

// What a drag inside the main window carries: the source the grid's drop rules need.
std::unique_ptr<QMimeData> drag_data(const DropSource& source);

// The source a drag carries; nothing for a drag from elsewhere.
std::optional<DropSource> drop_source(const QMimeData* data);

}  // namespace tabrel
