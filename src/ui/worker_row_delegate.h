#pragma once

#include <QStyledItemDelegate>

#include "model/roster.h"
#include "storage/options.h"

namespace tabrel {

// Item data roles of a worker list row besides the worker index (Qt::UserRole).
constexpr int kTemporaryRowRole = Qt::UserRole + 1;

// Draws one row of the worker list: colour square with the short name, norm bar, name and the
// holiday hours, duties and nights.
class WorkerRowDelegate : public QStyledItemDelegate {
public:
    WorkerRowDelegate(const Roster& roster, const Options& options, QObject* parent)
        : QStyledItemDelegate(parent), roster_(roster), options_(options) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    const Roster& roster_;
    const Options& options_;
};

}  // namespace tabrel
