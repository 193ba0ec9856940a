#include "group_row_delegate.h"

#include <QPainter>
#include <algorithm>

#include "qt_colour.h"
#include "qt_text.h"

namespace tabrel {

void GroupRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
    const int group = index.data(Qt::UserRole).toInt();
    if (group < 0 || group >= static_cast<int>(roster_.groups.size())) return;
    const Group& g = roster_.groups[group];
    const bool selected = option.state & QStyle::State_Selected;
    const QPalette& palette = option.palette;
    const QRect& rect = option.rect;

    painter->save();
    painter->fillRect(rect, palette.color(selected ? QPalette::Highlight : QPalette::Window));
    const QRect mark(rect.left() + 2, rect.top() + 2, 14, rect.height() - 3);
    painter->fillRect(mark, qt_colour(g.kolor, palette));
    painter->setPen(palette.color(QPalette::WindowText));
    painter->drawRect(mark.adjusted(0, 0, -1, -1));

    QFont font = option.font;
    font.setPointSizeF(font.pointSizeF() + 1);
    font.setStrikeOut(g.old);
    painter->setFont(font);
    painter->setPen(selected ? QColor(Qt::white) : palette.color(QPalette::WindowText));
    painter->drawText(rect.adjusted(20, 2, -2, 0), Qt::AlignLeft | Qt::AlignVCenter,
                      qt_text(g.nazwa));
    painter->restore();
}

QSize GroupRowDelegate::sizeHint(const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const {
    const QSize size = QStyledItemDelegate::sizeHint(option, index);
    return {size.width(), std::max(size.height() + 6, 20)};
}

}  // namespace tabrel
