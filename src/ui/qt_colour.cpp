#include "qt_colour.h"

#include "editing/tile_layout.h"
#include "editing/worker_list_rows.h"

namespace tabrel {

QColor qt_colour(Colour colour, const QPalette& palette) {
    if (colour == kButtonTextColour) return palette.color(QPalette::ButtonText);
    if (colour == kWindowTextColour) return palette.color(QPalette::WindowText);
    // Any other system colour or "none" has no stored value to show: the window's background.
    if (colour & 0x80000000u || colour == clNone) return palette.color(QPalette::Window);
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

}  // namespace tabrel
