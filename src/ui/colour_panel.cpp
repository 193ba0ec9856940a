#include "colour_panel.h"

#include <QMouseEvent>

#include "colour_choice.h"

namespace tabrel {

ColourPanel::ColourPanel(QWidget* parent) : QLabel(parent) {
    setObjectName(QStringLiteral("p_ColorChoose"));
    setText(QString::fromUtf8("Kliknij aby wybrać"));
    setAlignment(Qt::AlignCenter);
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Sunken);
    setAutoFillBackground(true);
    setMinimumHeight(28);
    setCursor(Qt::PointingHandCursor);
    set_colour(clWhite);
}

void ColourPanel::set_colour(Colour c) {
    colour_ = c;
    QPalette p = palette();
    p.setColor(QPalette::Window, colour_as_qt(c));
    p.setColor(QPalette::WindowText, Qt::black);
    setPalette(p);
}

void ColourPanel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QLabel::mouseReleaseEvent(event);
    if (const std::optional<Colour> chosen = colour_chooser()(colour_, this)) set_colour(*chosen);
}

}  // namespace tabrel
