#pragma once

#include <QFont>
#include <QPainter>
#include <QStaticText>
#include <string>
#include <unordered_map>

namespace tabrel {

// The day numbers in the cells' upper left corners, laid out once per text and font instead of
// for every cell of every paint.
class DayTexts {
public:
    // Draws `text` (cp1250) at the top left of `rect` with the painter's font and pen, as
    // QPainter::drawText with Qt::AlignLeft | Qt::AlignTop does.
    void draw(QPainter& painter, const QRect& rect, const std::string& text);

private:
    QFont font_;
    std::unordered_map<std::string, QStaticText> texts_;  // by the cp1250 text
};

}  // namespace tabrel
