#pragma once

#include <QFont>
#include <QHash>
#include <QStyledItemDelegate>

#include "model/roster.h"
#include "storage/options.h"
#include "worker_row_images.h"

namespace tabrel {

// Item data roles of a worker list row besides the worker index (Qt::UserRole).
constexpr int kTemporaryRowRole = Qt::UserRole + 1;
constexpr int kLawFindingsRole = Qt::UserRole + 2;  // the worker has working-time findings

// Draws one row of the worker list: colour square with the short name, norm bar, name and the
// holiday hours, duties and nights, and a red corner when the plan breaks working-time rules.
class WorkerRowDelegate : public QStyledItemDelegate {
public:
    WorkerRowDelegate(const Roster& roster, const Options& options, QObject* parent)
        : QStyledItemDelegate(parent), roster_(roster), options_(options) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    // The name as drawn in `width` pixels that also hold the figures (`tally_width` pixels, 0
    // for none): elided so that it ends before them.
    static QString fitted_name(const QString& name, const QFontMetrics& metrics, int width,
                               int tally_width);

private:
    static void paint_row(QPainter& painter, const QRect& rect, const WorkerRowPicture& picture,
                          const QStyleOptionViewItem& option);

    const Roster& roster_;
    const Options& options_;
    mutable WorkerRowImages images_;  // painting keeps what it painted
    // The list asks every painted row for its size on each paint: sizes are kept by row text
    // for the font they were measured in.
    mutable QHash<QString, QSize> sizes_;
    mutable QFont sized_font_;
};

}  // namespace tabrel
