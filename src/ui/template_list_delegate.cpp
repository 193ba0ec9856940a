#include "template_list_delegate.h"

#include <QPainter>
#include <algorithm>

#include "printouts/output_type.h"

namespace tabrel {

void TemplateListDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const {
    const bool selected = option.state & QStyle::State_Selected;
    const QString title = index.data(Qt::DisplayRole).toString();
    const QString type = index.data(kTypeRole).toString();
    const QRect& rect = option.rect;

    painter->save();
    painter->fillRect(rect, selected ? QColor(Qt::darkBlue) : QColor(Qt::white));
    const QFontMetrics metrics(option.font);
    const int box_width = metrics.horizontalAdvance(QStringLiteral("WWW")) + 6;
    const QRect box(rect.right() - box_width - 2, rect.top() + 2, box_width, rect.height() - 4);
    painter->setFont(option.font);
    const bool untitled = title.contains(QStringLiteral(".wzr"));
    painter->setPen(untitled ? QColor(Qt::gray) : selected ? QColor(Qt::white) : QColor(Qt::black));
    const QRect text_rect(rect.left() + 4, rect.top(), box.left() - rect.left() - 8, rect.height());
    painter->drawText(text_rect, Qt::AlignLeft | Qt::AlignVCenter,
                      metrics.elidedText(title, Qt::ElideRight, text_rect.width()));
    painter->fillRect(box, output_type(type.toStdString()) == OutputType::Html
                               ? QColor(0, 128, 0)
                               : QColor(192, 192, 192));
    painter->setPen(Qt::white);
    painter->drawText(box, Qt::AlignCenter, type);
    painter->restore();
}

QSize TemplateListDelegate::sizeHint(const QStyleOptionViewItem& option,
                                     const QModelIndex& index) const {
    const QSize size = QStyledItemDelegate::sizeHint(option, index);
    return {size.width(), std::max(size.height() + 6, 20)};
}

}  // namespace tabrel
