#include "day_texts.h"

#include "qt_text.h"

namespace tabrel {

namespace {

// Texts beyond this many are laid out again: a grid shows a few dozen.
constexpr qsizetype kMostTexts = 256;

}  // namespace

void DayTexts::draw(QPainter& painter, const QRect& rect, const std::string& text) {
    if (painter.font() != font_ || texts_.size() >= kMostTexts) {
        texts_.clear();
        font_ = painter.font();
    }
    const QString shown = qt_text(text);
    auto found = texts_.find(shown);
    if (found == texts_.end()) {
        found = texts_.insert(shown, QStaticText(shown));
        found->setTextFormat(Qt::PlainText);
        found->prepare(QTransform(), font_);
    }
    // A text larger than its cell is clipped to it, which only drawText does.
    const QSizeF size = found->size();
    if (size.width() > rect.width() || size.height() > rect.height())
        painter.drawText(rect, Qt::AlignLeft | Qt::AlignTop, shown);
    else
        painter.drawStaticText(rect.topLeft(), *found);
}

}  // namespace tabrel
