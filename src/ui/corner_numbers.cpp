#include "corner_numbers.h"

#include <QFontMetrics>

namespace tabrel {

namespace {

const QColor kCornerNumber(192, 192, 192);
constexpr int kCornerPoints = 8;

}  // namespace

void CornerNumbers::follow(const QFont& font) {
    if (measured_ && font == base_) return;
    base_ = font;
    font_ = font;
    font_.setPointSize(kCornerPoints);
    ascent_ = QFontMetrics(font_).ascent();
    numbers_.clear();
    measured_ = true;
}

const CornerNumbers::Number& CornerNumbers::number(int value) {
    const auto found = numbers_.find(value);
    if (found != numbers_.end()) return found->second;
    const QString text = QString::number(value);
    return numbers_[value] = {text, QFontMetrics(font_).horizontalAdvance(text)};
}

void CornerNumbers::draw(QPainter& painter, const QRect& rect, int number) {
    follow(painter.font());
    const Number& n = this->number(number);
    const int left = rect.right() + 1 - n.width - 1;
    const int top = rect.bottom() + 1 - kCornerPoints - 5;
    painter.save();
    painter.setFont(font_);
    painter.setPen(kCornerNumber);
    painter.drawText(QPoint(left, top + ascent_), n.text);
    painter.restore();
}

}  // namespace tabrel
