#pragma once

#include <QLabel>

#include "model/colour.h"

namespace tabrel {

// p_ColorChoose: a panel filled with the colour, captioned "Kliknij aby wybrać"; a click
// opens the colour dialog.
class ColourPanel : public QLabel {
    Q_OBJECT
public:
    explicit ColourPanel(QWidget* parent = nullptr);

    Colour colour() const { return colour_; }
    void set_colour(Colour c);

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    Colour colour_ = clWhite;
};

}  // namespace tabrel
