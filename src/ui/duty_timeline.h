#pragma once

#include <QRect>

namespace tabrel {

// The 24-hour time line of "Dzień - parametry", shared by the header strip and the duty rows:
// it starts at the first shift's start and leaves 20 pixels at the left for the worker's
// square.
class DutyTimeline {
public:
    static constexpr int kSquare = 20;

    // A line over `row`'s width whose left end is the minute `axis_start`.
    DutyTimeline(const QRect& row, int axis_start) : row_(row), axis_start_(axis_start) {}

    // The x of a clock minute; a minute before the axis start is that of the next day, so a
    // duty after midnight sits at the right end of the line.
    int x(int minute) const;
    // The part of the row from `start` for `length` minutes, `inset` pixels off its top and
    // bottom; a negative length reaches back from `start`.
    QRect span(int start, int length, int inset) const;

private:
    int offset(int minute) const;  // minutes after the axis start, within one day
    int at(int offset) const;

    QRect row_;
    int axis_start_;
};

}  // namespace tabrel
