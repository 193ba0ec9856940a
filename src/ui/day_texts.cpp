#include "day_texts.h"

#include "qt_text.h"

namespace tabrel {

namespace {

// Texts beyond this many are laid out again: a grid shows a few dozen.
constexpr size_t kMostTexts = 256;

}  // namespace

void DayTexts::draw(QPainter& painter, const QRect& rect, const std::string& text) {
    if (painter.font() != font_ || texts_.size() >= kMostTexts) {
        texts_.clear();
        font_ = painter.font();
    }
    auto found = texts_.find(text);
    if (found == texts_.end()) {
        QStaticText laid(qt_text(text));
        laid.setTextFormat(Qt::PlainText);
        laid.prepare(QTransform(), font_);
        found = texts_.emplace(text, std::move(laid)).first;
    }
    // A text larger than its cell is clipped to it, which only drawText does.
    const QSizeF size = found->second.size();
    if (size.width() > rect.width() || size.height() > rect.height())
        painter.drawText(rect, Qt::AlignLeft | Qt::AlignTop, found->second.text());
    else
        painter.drawStaticText(rect.topLeft(), found->second);
}

}  // namespace tabrel
