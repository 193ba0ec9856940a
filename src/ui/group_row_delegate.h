#pragma once

#include <QStyledItemDelegate>

#include "model/roster.h"

namespace tabrel {

// Draws one row of the group list: the group's colour square and its name.
class GroupRowDelegate : public QStyledItemDelegate {
public:
    GroupRowDelegate(const Roster& roster, QObject* parent)
        : QStyledItemDelegate(parent), roster_(roster) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    const Roster& roster_;
};

}  // namespace tabrel
