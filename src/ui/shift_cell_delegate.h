#pragma once

#include <QStyledItemDelegate>

#include "base/prompter.h"

namespace tabrel {

// The cells of the shift table: each column's key filter while typing, the cuts and the time
// normalisation when an edit ends, and colour cells drawn as framed squares.
class ShiftCellDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    ShiftCellDelegate(Prompter& prompter, QObject* parent);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

signals:
    // A cell's text was written back.
    void cell_edited(int row, int column) const;

protected:
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    bool filter_key(class QLineEdit* editor, class QKeyEvent* key);

    Prompter& prompter_;
};

}  // namespace tabrel
