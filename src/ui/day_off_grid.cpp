#include "day_off_grid.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>

#include "qt_text.h"

namespace tabrel {

namespace {

// The check box glyphs the flag bytes 0xFE and 0xA8 stand for.
const QString kFlagYes = QString::fromUtf8("☑");
const QString kFlagNo = QString::fromUtf8("☐");
const QColor kFixedRow(240, 240, 240);

QTableWidgetItem* fixed_item(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

}  // namespace

DayOffGrid::DayOffGrid(QWidget* parent) : QTableWidget(kHeaderRows + kDayOffTypeCount, 4, parent) {
    setObjectName(QStringLiteral("sag_DayOff"));
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);
    const char* header[] = {"Nazwa", "Nazwa własna", "Symbol", "Normatyw"};
    for (int c = 0; c < columnCount(); ++c) {
        setItem(0, c, fixed_item(QString::fromUtf8(header[c])));
        setItem(1, c, fixed_item(c == 0 ? QStringLiteral("[-]") : QString()));
        for (int r = 0; r < kHeaderRows; ++r) {
            item(r, c)->setBackground(palette().button());
            item(r, c)->setFont([this] {
                QFont bold = font();
                bold.setBold(true);
                return bold;
            }());
        }
    }
    for (int i = 0; i < kDayOffTypeCount; ++i) {
        const int row = kHeaderRows + i;
        setItem(row, 0, fixed_item(qt_text(day_off_types()[i].name)));
        setItem(row, 1, new QTableWidgetItem);
        setItem(row, 2, new QTableWidgetItem);
        auto* flag = fixed_item(QString());
        flag->setTextAlignment(Qt::AlignCenter);
        setItem(row, kFlagColumn, flag);
        if (!day_off_types()[i].norm_editable)
            for (int c = 0; c < columnCount(); ++c) item(row, c)->setBackground(kFixedRow);
    }
    resizeColumnsToContents();
    setColumnWidth(1, std::max(columnWidth(1), 160));
    setCurrentCell(kHeaderRows, 1);
}

void DayOffGrid::show_settings(const std::array<DayOffSetting, kDayOffTypeCount>& settings) {
    for (int i = 0; i < kDayOffTypeCount; ++i) {
        item(kHeaderRows + i, 1)->setText(qt_text(settings[i].name));
        item(kHeaderRows + i, 2)->setText(qt_text(settings[i].symbol));
        flags_[i] = settings[i].lowers_norm;
        show_flag(i);
    }
}

std::array<QString, kDayOffTypeCount> DayOffGrid::column_texts(int column) const {
    std::array<QString, kDayOffTypeCount> texts;
    for (int i = 0; i < kDayOffTypeCount; ++i) texts[i] = item(kHeaderRows + i, column)->text();
    return texts;
}

std::array<QString, kDayOffTypeCount> DayOffGrid::names() const {
    return column_texts(1);
}

std::array<QString, kDayOffTypeCount> DayOffGrid::symbols() const {
    return column_texts(2);
}

void DayOffGrid::show_flag(int kind_index) {
    const bool editable = day_off_types()[kind_index].norm_editable;
    item(kHeaderRows + kind_index, kFlagColumn)
        ->setText(!editable            ? QString()
                  : flags_[kind_index] ? kFlagYes
                                       : kFlagNo);
}

// Fixed flags stay as they are.
void DayOffGrid::toggle_at(int row, int column) {
    const int kind = row - kHeaderRows;
    if (column != kFlagColumn || kind < 0 || kind >= kDayOffTypeCount) return;
    if (!day_off_types()[kind].norm_editable) return;
    flags_[kind] = !flags_[kind];
    show_flag(kind);
}

void DayOffGrid::mouseReleaseEvent(QMouseEvent* event) {
    QTableWidget::mouseReleaseEvent(event);
    const QPoint at = event->position().toPoint();
    toggle_at(rowAt(at.y()), columnAt(at.x()));
}

void DayOffGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    QTableWidget::mouseDoubleClickEvent(event);
    const QPoint at = event->position().toPoint();
    toggle_at(rowAt(at.y()), columnAt(at.x()));
}

void DayOffGrid::keyPressEvent(QKeyEvent* event) {
    const bool toggle_key = event->key() == Qt::Key_Space || event->key() == Qt::Key_Return ||
                            event->key() == Qt::Key_Enter;
    if (toggle_key && currentColumn() == kFlagColumn) {
        toggle_at(currentRow(), currentColumn());
        return;
    }
    QTableWidget::keyPressEvent(event);
}

}  // namespace tabrel
