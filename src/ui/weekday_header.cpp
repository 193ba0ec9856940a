#include "weekday_header.h"

#include <QPainter>

#include "language_applier.h"

namespace tabrel {

namespace {

const char* const kWeekdays[] = {"Poniedziałek", "Wtorek", "Środa",    "Czwartek",
                                 "Piątek",       "Sobota", "Niedziela"};

}  // namespace

WeekdayHeader::WeekdayHeader(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("hc_DayNames"));
    setFixedHeight(fontMetrics().height() + 6);
    QStringList names;
    for (const char* name : kWeekdays) names << QString::fromUtf8(name);
    setProperty(kItemsProperty, names);
}

// The names keep their places from month to month: only new cell sizes repaint them.
void WeekdayHeader::follow(const GridGeometry& geometry) {
    if (geometry == geometry_) return;
    geometry_ = geometry;
    update();
}

bool WeekdayHeader::event(QEvent* event) {
    // The names of another language.
    if (event->type() == QEvent::DynamicPropertyChange) update();
    return QWidget::event(event);
}

void WeekdayHeader::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QStringList names = property(kItemsProperty).toStringList();
    const int step = geometry_.shifts * (geometry_.column_width + GridGeometry::kLine);
    for (int day = 0; day < 7; ++day) {
        const QRect rect(day * step, 0, geometry_.weekday_width(), height());
        painter.fillRect(rect, palette().color(QPalette::Button));
        painter.setPen(day >= 5 ? QColor(Qt::red) : palette().color(QPalette::ButtonText));
        const QString name = names.value(day);
        painter.drawText(rect, Qt::AlignCenter,
                         fontMetrics().elidedText(name, Qt::ElideRight, rect.width() - 2));
    }
}

}  // namespace tabrel
