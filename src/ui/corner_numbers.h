#pragma once

#include <QFont>
#include <QPainter>
#include <QString>
#include <map>

namespace tabrel {

// The small day numbers in the cells' lower right corners. Their font and widths are measured
// once for the grid's font, not for every cell of every paint.
class CornerNumbers {
public:
    // Draws `number` into the corner of the cell `rect`.
    void draw(QPainter& painter, const QRect& rect, int number);

private:
    struct Number {
        QString text;
        int width = 0;
    };
    void follow(const QFont& font);
    const Number& number(int value);

    QFont base_;  // the grid's font the numbers were measured for
    QFont font_;
    int ascent_ = 0;
    bool measured_ = false;
    std::map<int, Number> numbers_;
};

}  // namespace tabrel
