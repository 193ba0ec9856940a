#include "duty_timeline.h"

#include <algorithm>
#include <cmath>

namespace tabrel {

namespace {

constexpr int kDay = 1440;
// The line stops two pixels short of the row's right edge.
constexpr int kRightMargin = 2;

}  // namespace

int DutyTimeline::offset(int minute) const {
    return ((minute - axis_start_) % kDay + kDay) % kDay;
}

int DutyTimeline::at(int offset) const {
    const double scale = static_cast<double>(row_.width() - kSquare - kRightMargin) / kDay;
    return row_.left() + kSquare + static_cast<int>(std::nearbyint(scale * offset));
}

int DutyTimeline::x(int minute) const {
    return at(offset(minute));
}

QRect DutyTimeline::span(int start, int length, int inset) const {
    const int from = offset(start);
    const int a = at(from);
    const int b = at(from + length);
    const int left = std::min(a, b);
    const int right = std::max(a, b);
    return QRect(QPoint(left, row_.top() + inset), QPoint(right, row_.bottom() - inset));
}

}  // namespace tabrel
