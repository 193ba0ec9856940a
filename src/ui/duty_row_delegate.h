#pragma once

#include <QStyledItemDelegate>

#include "editing/day_properties.h"
#include "model/roster.h"

namespace tabrel {

// Draws a duty row of "Dzień - parametry" (the row's index in the day's duty list): the
// shifts as bands on the time line, the overtime dotted, the duty solid, and the worker's
// square with the short name.
class DutyRowDelegate : public QStyledItemDelegate {
public:
    static constexpr int kRowHeight = 18;

    DutyRowDelegate(const Roster& roster, const DayProperties& properties, QObject* parent)
        : QStyledItemDelegate(parent), roster_(roster), properties_(properties) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    const Roster& roster_;
    const DayProperties& properties_;
};

}  // namespace tabrel
