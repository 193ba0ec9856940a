#include "duty_row_delegate.h"

#include <QPainter>
#include <algorithm>

#include "duty_axis.h"
#include "duty_timeline.h"
#include "qt_colour.h"
#include "qt_text.h"

namespace tabrel {

namespace {

constexpr int kBandInset = 1;
constexpr int kDutyInset = 4;

void draw_bands(QPainter& painter, const DutyTimeline& line, const Group& group,
                const QPalette& palette) {
    for (const Shift& shift : group.profile.shifts)
        painter.fillRect(line.span(shift.zod, shift.zile, kBandInset),
                         qt_colour(shift.zkolor, palette));
}

void draw_duty(QPainter& painter, const DutyTimeline& line, const Duty& duty,
               const QColor& colour) {
    const int end = duty.start + duty.duration;
    if (duty.overtime != 0) {
        painter.setPen(QPen(colour, 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(line.span(end, duty.overtime, kDutyInset));
    }
    painter.setPen(colour);
    painter.setBrush(colour);
    painter.drawRect(line.span(duty.start, duty.duration, kDutyInset));
}

void draw_square(QPainter& painter, const QRect& row, const Worker& worker, const QColor& colour) {
    const QRect square(row.left(), row.top(), DutyTimeline::kSquare, row.height());
    painter.fillRect(square, colour);
    QFont font = painter.font();
    font.setPointSizeF(std::max(font.pointSizeF() - 1, 4.0));
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(square, Qt::AlignCenter, qt_text(worker.pseudo));
}

}  // namespace

void DutyRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const {
    const auto& rows = properties_.duties();
    const Group* group = roster_.current();
    if (!group || index.row() < 0 || index.row() >= static_cast<int>(rows.size())) return;
    const DayProperties::DutyRow& row = rows[index.row()];
    const Worker& worker = roster_.workers[row.worker - 1];
    const QPalette& palette = option.palette;
    const QColor colour = qt_colour(worker.kolor, palette);
    const bool selected = option.state & QStyle::State_Selected;
    const DutyTimeline line(option.rect, axis_start(roster_));

    painter->save();
    painter->fillRect(option.rect, palette.color(selected ? QPalette::Highlight : QPalette::Base));
    draw_bands(*painter, line, *group, palette);
    draw_duty(*painter, line, row.duty, colour);
    draw_square(*painter, option.rect, worker, colour);
    painter->restore();
}

QSize DutyRowDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const {
    return QSize(option.rect.width(), kRowHeight);
}

}  // namespace tabrel
