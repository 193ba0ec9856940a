#include "colour_choice.h"

#include <QColorDialog>

namespace tabrel {

QColor colour_as_qt(Colour c) {
    return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

Colour colour_from_qt(const QColor& c) {
    return rgb(static_cast<uint8_t>(c.red()), static_cast<uint8_t>(c.green()),
               static_cast<uint8_t>(c.blue()));
}

ColourChooser& colour_chooser() {
    static ColourChooser chooser = [](Colour current, QWidget* parent) -> std::optional<Colour> {
        const QColor chosen = QColorDialog::getColor(colour_as_qt(current), parent);
        if (!chosen.isValid()) return std::nullopt;
        return colour_from_qt(chosen);
    };
    return chooser;
}

}  // namespace tabrel
