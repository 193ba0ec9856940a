#include "duty_axis.h"

#include <QAbstractScrollArea>
#include <QPainter>

#include "duty_timeline.h"
#include "model/time_value.h"
#include "qt_text.h"

namespace tabrel {

namespace {

constexpr int kHeight = 34;
constexpr int kLabelWidth = 40;
constexpr int kHours = 24;
constexpr int kShiftLabelBottom = 12;
constexpr int kHourLabelBottom = 24;

QString clock(int minutes) {
    return qt_text(min2h(minutes, "txt", true));
}

void draw_label(QPainter& painter, int x, int bottom, const QString& text) {
    const QRect box(x - kLabelWidth / 2, bottom - kShiftLabelBottom, kLabelWidth,
                    kShiftLabelBottom);
    painter.drawText(box, Qt::AlignHCenter | Qt::AlignBottom, text);
}

}  // namespace

int axis_start(const Roster& roster) {
    const Group* group = roster.current();
    if (!group || group->profile.shifts.empty()) return 0;
    return group->profile.shifts.front().zod;
}

DutyAxis::DutyAxis(const Roster& roster, const QAbstractScrollArea* rows, QWidget* parent)
    : QWidget(parent), roster_(roster), rows_(rows) {
    setObjectName(QStringLiteral("pb_tit"));
    setFixedHeight(kHeight);
}

// The rows' drawing area in the strip's own coordinates.
QRect DutyAxis::line_rect() const {
    const QWidget* area = rows_->viewport();
    const int left = mapFromGlobal(area->mapToGlobal(QPoint(0, 0))).x();
    return QRect(left, 0, area->width(), height());
}

void DutyAxis::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setFont(font());
    const DutyTimeline line(line_rect(), axis_start(roster_));
    painter.setPen(palette().color(QPalette::WindowText));
    for (int hour = 0; hour < kHours; ++hour) {
        const int x = line.x(hour * 60);
        const bool even = hour % 2 == 0;
        painter.drawLine(x, height() - (even ? 6 : 3), x, height() - 1);
        if (even) draw_label(painter, x, kHourLabelBottom, clock(hour * 60));
    }
    const Group* group = roster_.current();
    if (!group) return;
    QFont bold = font();
    bold.setBold(true);
    painter.setFont(bold);
    for (const Shift& shift : group->profile.shifts) {
        const int x = line.x(shift.zod);
        painter.drawLine(x, kShiftLabelBottom, x, height() - 1);
        draw_label(painter, x, kShiftLabelBottom, clock(shift.zod));
    }
}

}  // namespace tabrel
