#pragma once

#include <QColor>
#include <QPalette>

#include "model/colour.h"

namespace tabrel {

// A stored colour (0x00BBGGRR) as Qt's; the system colours the core names take the palette's.
QColor qt_colour(Colour colour, const QPalette& palette);

}  // namespace tabrel
