#include "shift_table.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>

#include "colour_choice.h"
#include "cp1250_input.h"
#include "i18n/text.h"
#include "model/time_value.h"
#include "qt_text.h"
#include "shift_cell_delegate.h"

namespace tabrel {

namespace {

// Column captions; a language file writes a line break as the two characters "\n".
QStringList headers() {
    const std::string texts[kShiftColumnCount] = {
        tr("sag_Shifts0", "Lp\\n[-]"),           tr("sag_Shifts1", "Początek\\n[h]"),
        tr("sag_Shifts2", "Czas trwania\\n[h]"), tr("sag_Shifts3", "Symbol dyżuru\\n[-]"),
        tr("sag_Shifts4", "Kolor\\n[-]"),        tr("sag_Shifts5", "Nazwa\\n[-]"),
        tr("sag_Shifts6", "Obsada\\n[szt.]"),    tr("sag_Shifts7", "Obsada św.\\n[szt.]")};
    QStringList list;
    for (const std::string& text : texts)
        list << qt_text(text).replace(QStringLiteral("\\n"), QStringLiteral("\n"));
    return list;
}

std::string cell_text(const QTableWidgetItem* item) {
    return item ? storable_text(item->text()).value_or(std::string()) : std::string();
}

}  // namespace

ShiftTable::ShiftTable(Prompter& prompter, QWidget* parent)
    : QTableWidget(0, kShiftColumnCount, parent),
      prompter_(prompter),
      delegate_(new ShiftCellDelegate(prompter, this)) {
    setObjectName(QStringLiteral("sag_Shifts"));
    setItemDelegate(delegate_);
    setHorizontalHeaderLabels(headers());
    verticalHeader()->hide();
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::AnyKeyPressed |
                    QAbstractItemView::EditKeyPressed);
    resizeColumnsToContents();
    setColumnWidth(kNumberColumn, std::max(columnWidth(kNumberColumn), 30));
    setColumnWidth(kColourColumn, std::max(columnWidth(kColourColumn), 50));
    // Every column in sight, up to "Obsada św.", without scrolling sideways.
    setMinimumWidth(horizontalHeader()->length() + 2 * frameWidth() +
                    verticalScrollBar()->sizeHint().width());
    connect(delegate_, &ShiftCellDelegate::cell_edited, this, &ShiftTable::cell_edited);
}

void ShiftTable::set_rows(const std::vector<ShiftRow>& rows) {
    setRowCount(static_cast<int>(rows.size()));
    for (size_t r = 0; r < rows.size(); ++r) put_row(static_cast<int>(r), rows[r]);
    renumber();
    if (currentRow() < 0 && rowCount() > 0) setCurrentCell(0, kStartColumn);
}

std::vector<ShiftRow> ShiftTable::rows() const {
    std::vector<ShiftRow> out;
    for (int r = 0; r < rowCount(); ++r) {
        out.push_back({cell_text(item(r, kStartColumn)), cell_text(item(r, kLengthColumn)),
                       cell_text(item(r, kSymbolColumn)), cell_text(item(r, kColourColumn)),
                       cell_text(item(r, kNameColumn)), cell_text(item(r, kStaffingColumn)),
                       cell_text(item(r, kHolidayStaffingColumn))});
    }
    return out;
}

void ShiftTable::put_row(int row, const ShiftRow& shift) {
    const std::string* texts[] = {nullptr,         &shift.start,           &shift.length,
                                  &shift.symbol,   &shift.colour,          &shift.name,
                                  &shift.staffing, &shift.holiday_staffing};
    for (int c = 0; c < kShiftColumnCount; ++c) {
        auto* cell = new QTableWidgetItem(texts[c] ? qt_text(*texts[c]) : QString());
        if (c == kNumberColumn || c == kColourColumn)
            cell->setFlags(cell->flags() & ~Qt::ItemIsEditable);
        setItem(row, c, cell);
    }
}

void ShiftTable::renumber() {
    for (int r = 0; r < rowCount(); ++r) item(r, kNumberColumn)->setText(QString::number(r + 1));
}

void ShiftTable::insert_at(int row) {
    if (!can_add_shift(static_cast<size_t>(rowCount()))) return;
    insertRow(row);
    put_row(row, ShiftRow{});
    renumber();
    setCurrentCell(row, std::max(currentColumn(), static_cast<int>(kStartColumn)));
}

void ShiftTable::insert_shift() {
    insert_at(std::max(currentRow(), 0));
}

void ShiftTable::append_shift() {
    insert_at(rowCount());
}

void ShiftTable::delete_shift() {
    const int row = currentRow();
    if (row < 0 || !can_delete_shift(static_cast<size_t>(rowCount()))) return;
    if (!prompter_.ask(tabrel::tr("msg_ConfirmShiftDelete", "Czy usunąć wybraną zmianę?"))) return;
    removeRow(row);
    renumber();
}

void ShiftTable::choose_colour(int row) {
    QTableWidgetItem* cell = item(row, kColourColumn);
    if (!cell) return;
    const Colour current = colour_from_text(cell_text(cell)).value_or(clWhite);
    if (const std::optional<Colour> chosen = colour_chooser()(current, this)) {
        cell->setText(qt_text(colour_to_text(*chosen)));
        cell_edited();
    }
}

void ShiftTable::cell_edited() {
    if (!auto_calc_ || rowCount() < 2) return;
    std::vector<ShiftRow> shifts = rows();
    try {
        auto_calc_shifts(shifts);
    } catch (const TimeConversionError& e) {
        prompter_.error(e.what());
        return;
    }
    for (int r = 0; r < rowCount(); ++r) {
        item(r, kStartColumn)->setText(qt_text(shifts[r].start));
        item(r, kLengthColumn)->setText(qt_text(shifts[r].length));
    }
}

void ShiftTable::keyPressEvent(QKeyEvent* event) {
    if (editing()) return QTableWidget::keyPressEvent(event);
    const bool on_colour = currentColumn() == kColourColumn && currentRow() >= 0;
    switch (event->key()) {
        case Qt::Key_Insert:
            insert_shift();
            return;
        case Qt::Key_Delete:
            delete_shift();
            return;
        case Qt::Key_Down:
            if (currentRow() == rowCount() - 1) return append_shift();
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (on_colour) return choose_colour(currentRow());
            break;
        case Qt::Key_Escape:
            event->ignore();  // the dialog's Cancel
            return;
        default:
            break;
    }
    QTableWidget::keyPressEvent(event);
}

void ShiftTable::mouseDoubleClickEvent(QMouseEvent* event) {
    const QModelIndex index = indexAt(event->position().toPoint());
    if (index.isValid() && index.column() == kColourColumn) return choose_colour(index.row());
    QTableWidget::mouseDoubleClickEvent(event);
}

}  // namespace tabrel
