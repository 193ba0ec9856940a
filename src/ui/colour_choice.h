#pragma once

#include <QColor>
#include <QWidget>
#include <functional>
#include <optional>

#include "model/colour.h"

namespace tabrel {

// The roster's 0x00BBGGRR colour as Qt's and back.
QColor colour_as_qt(Colour c);
Colour colour_from_qt(const QColor& c);

// Opens the colour dialog on `current`; nothing when it is cancelled.
using ColourChooser = std::function<std::optional<Colour>(Colour current, QWidget* parent)>;

// The chooser the editors use: the colour dialog, unless a test has put its own in.
ColourChooser& colour_chooser();

}  // namespace tabrel
