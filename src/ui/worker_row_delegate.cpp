#include "worker_row_delegate.h"

#include <QPainter>
#include <algorithm>

#include "editing/worker_list_rows.h"
#include "qt_colour.h"
#include "qt_text.h"

namespace tabrel {

namespace {

constexpr int kMarkLeft = 2;
constexpr int kMarkRight = 16;
constexpr int kTextLeft = 20;
constexpr int kTallyGap = 4;
// A register larger than this is measured again as it scrolls.
constexpr qsizetype kMostSizes = 4096;

void draw_mark(QPainter& painter, const QRect& row, const WorkerRowLook& look,
               const QPalette& palette) {
    const int size = kMarkRight - kMarkLeft;
    const QRect mark(row.left() + kMarkLeft, row.top() + (row.height() - size) / 2, size, size);
    painter.fillRect(mark, qt_colour(look.mark, palette));
    painter.setPen(Qt::black);
    painter.drawRect(mark.adjusted(0, 0, -1, -1));
    QFont font = painter.font();
    font.setPointSizeF(std::max(font.pointSizeF() - 1, 4.0));
    painter.save();
    painter.setFont(font);
    painter.drawText(mark, Qt::AlignCenter, qt_text(look.mark_text));
    painter.restore();
}

void draw_bar(QPainter& painter, const QRect& row, const NormBar& bar, const QPalette& palette) {
    const int y = row.bottom() - 2;
    painter.setPen(QPen(qt_colour(bar.colour, palette), 1));
    if (bar.length > 0)
        painter.drawLine(row.left() + NormBar::kLeft, y, row.left() + NormBar::kLeft + bar.length,
                         y);
    painter.setPen(Qt::gray);
    painter.drawLine(row.left() + NormBar::kTick, y - 2, row.left() + NormBar::kTick, y);
}

constexpr int kLawMark = 9;

// A red corner at the row's top right; the text keeps clear of it.
void draw_law_mark(QPainter& painter, const QRect& row) {
    const QPoint corner = row.topRight();
    const QPolygon triangle({corner, corner - QPoint(kLawMark, 0), corner + QPoint(0, kLawMark)});
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(220, 0, 0));
    painter.drawPolygon(triangle);
}

}  // namespace

void WorkerRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const {
    const int worker = index.data(Qt::UserRole).toInt();
    if (worker < 0 || worker >= static_cast<int>(roster_.workers.size())) return;
    const bool selected = option.state & QStyle::State_Selected;
    const WorkerListRow row{worker, {}, index.data(kTemporaryRowRole).toBool()};
    const WorkerRowPicture picture{worker_row_look(roster_, options_, row, selected), selected,
                                   index.data(kLawFindingsRole).toBool()};
    const QPixmap& image = images_.image(
        picture, option, painter->font(), painter->device()->devicePixelRatioF(),
        [&](QPainter& into, const QRect& rect) { paint_row(into, rect, picture, option); });
    painter->drawPixmap(option.rect.topLeft(), image);
}

void WorkerRowDelegate::paint_row(QPainter& painter, const QRect& rect,
                                  const WorkerRowPicture& picture,
                                  const QStyleOptionViewItem& option) {
    const WorkerRowLook& look = picture.look;
    const QPalette& palette = option.palette;
    painter.fillRect(rect,
                     picture.selected ? palette.color(QPalette::Highlight) : QColor(Qt::white));
    draw_mark(painter, rect, look, palette);
    if (look.bar) draw_bar(painter, rect, *look.bar, palette);
    if (picture.law) draw_law_mark(painter, rect);

    const QRect text_rect = rect.adjusted(kTextLeft, 0, picture.law ? -2 - kLawMark : -2, -3);
    QFont font = option.font;
    font.setBold(look.bold);
    font.setStrikeOut(look.strike_out);
    QFont tally_font = font;
    tally_font.setBold(false);
    tally_font.setStrikeOut(false);
    const QString tally = qt_text(look.tally);
    const int tally_width = QFontMetrics(tally_font).horizontalAdvance(tally);
    painter.setFont(font);
    painter.setPen(qt_colour(look.text_colour, palette));
    painter.drawText(
        text_rect, Qt::AlignLeft | Qt::AlignVCenter,
        fitted_name(qt_text(look.name), QFontMetrics(font), text_rect.width(), tally_width));
    if (!tally.isEmpty()) {
        painter.setFont(tally_font);
        painter.setPen(qt_colour(look.tally_colour, palette));
        painter.drawText(text_rect, Qt::AlignRight | Qt::AlignVCenter, tally);
    }
}

QString WorkerRowDelegate::fitted_name(const QString& name, const QFontMetrics& metrics, int width,
                                       int tally_width) {
    const int room = tally_width > 0 ? width - tally_width - kTallyGap : width;
    return metrics.elidedText(name, Qt::ElideRight, std::max(room, 0));
}

QSize WorkerRowDelegate::sizeHint(const QStyleOptionViewItem& option,
                                  const QModelIndex& index) const {
    if (option.font != sized_font_ || sizes_.size() >= kMostSizes) {
        sizes_.clear();
        sized_font_ = option.font;
    }
    const QString text = index.data(Qt::DisplayRole).toString();
    if (const auto found = sizes_.constFind(text); found != sizes_.cend()) return *found;
    const QSize size = QStyledItemDelegate::sizeHint(option, index);
    return *sizes_.insert(text, {size.width(), std::max(size.height() + 6, 20)});
}

}  // namespace tabrel
