#pragma once

#include <QStyledItemDelegate>

namespace tabrel {

// Draws one row of the template list: the title at the left, grey for a template without a
// title of its own, and its type in a small box at the right end.
class TemplateListDelegate : public QStyledItemDelegate {
public:
    // The role that holds the template's type.
    static constexpr int kTypeRole = Qt::UserRole + 1;

    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

}  // namespace tabrel
