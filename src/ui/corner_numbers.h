#pragma once

#include <QFont>
#include <QPainter>
#include <QStaticText>
#include <QString>
#include <map>
#include <vector>

namespace tabrel {

// The small day numbers in the cells' lower right corners. Their font and widths are measured
// once for the grid's font, not for every cell of every paint.
class CornerNumbers {
public:
    struct Place {
        QRect cell;
        int number = 0;
    };
    // Draws each number into the corner of its cell.
    void draw(QPainter& painter, const std::vector<Place>& places);

private:
    struct Number {
        QStaticText text;
        int width = 0;
    };
    void follow(const QFont& font);
    const Number& number(int value);

    QFont base_;  // the grid's font the numbers were measured for
    QFont font_;
    // How far the whole-pixel baseline numbers always had lies below the one laid-out text
    // takes from the font's exact ascent.
    qreal baseline_shift_ = 0;
    bool measured_ = false;
    std::map<int, Number> numbers_;
};

}  // namespace tabrel
