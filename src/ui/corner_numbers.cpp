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
    baseline_shift_ = QFontMetrics(font_).ascent() - QFontMetricsF(font_).ascent();
    numbers_.clear();
    measured_ = true;
}

const CornerNumbers::Number& CornerNumbers::number(int value) {
    const auto found = numbers_.find(value);
    if (found != numbers_.end()) return found->second;
    const QString text = QString::number(value);
    QStaticText laid(text);
    laid.setTextFormat(Qt::PlainText);
    laid.prepare(QTransform(), font_);
    return numbers_[value] = {laid, QFontMetrics(font_).horizontalAdvance(text)};
}

void CornerNumbers::draw(QPainter& painter, const std::vector<Place>& places) {
    if (places.empty()) return;
    follow(painter.font());
    painter.save();
    painter.setFont(font_);
    painter.setPen(kCornerNumber);
    for (const Place& place : places) {
        const Number& n = number(place.number);
        const int left = place.cell.right() + 1 - n.width - 1;
        const int top = place.cell.bottom() + 1 - kCornerPoints - 5;
        painter.drawStaticText(QPointF(left, top + baseline_shift_), n.text);
    }
    painter.restore();
}

}  // namespace tabrel
