#include "shift_cell_delegate.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>

#include "colour_choice.h"
#include "cp1250_input.h"
#include "editing/group_editor.h"
#include "model/time_value.h"
#include "qt_text.h"

namespace tabrel {

namespace {

const char* const kColumnProperty = "shift_column";
constexpr int kSquare = 12;

bool filtered_column(int column) {
    return column == kStartColumn || column == kLengthColumn || column == kSymbolColumn ||
           column == kStaffingColumn || column == kHolidayStaffingColumn;
}

// The typed character as the filter sees it: a single cp1250 byte, nothing for keys that are
// not characters (arrows, Enter, Escape pass untouched).
std::optional<char> typed_byte(const QKeyEvent* key) {
    if (key->key() == Qt::Key_Backspace) return '\b';
    const QString text = key->text();
    if (text.isEmpty() || text.at(0) < QChar(' ')) return std::nullopt;
    const std::optional<std::string> byte = storable_text(text);
    if (!byte || byte->size() != 1) return std::nullopt;
    return byte->front();
}

}  // namespace

ShiftCellDelegate::ShiftCellDelegate(Prompter& prompter, QObject* parent)
    : QStyledItemDelegate(parent), prompter_(prompter) {}

QWidget* ShiftCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                         const QModelIndex& index) const {
    auto* editor = new QLineEdit(parent);
    editor->setFrame(false);
    editor->setProperty(kColumnProperty, index.column());
    guard_line_file_field(editor, prompter_);
    return editor;
}

void ShiftCellDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                     const QModelIndex& index) const {
    const auto* line = qobject_cast<QLineEdit*>(editor);
    if (!line) return;
    std::string text = cut_shift_cell(index.column(), cp1250_of(line));
    if (index.column() == kStartColumn || index.column() == kLengthColumn) {
        try {
            text = normalise_time_cell(index.column(), text);
        } catch (const TimeConversionError& e) {
            prompter_.error(e.what());
            return;
        }
    }
    model->setData(index, qt_text(text));
    emit cell_edited(index.row(), index.column());
}

void ShiftCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const {
    if (index.column() != kColourColumn) return QStyledItemDelegate::paint(painter, option, index);
    // The cell's background and focus without the colour's name: the square stands for it.
    QStyleOptionViewItem plain = option;
    initStyleOption(&plain, index);
    plain.text.clear();
    const QStyle* style = plain.widget ? plain.widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &plain, painter, plain.widget);
    const std::string name = storable_text(index.data().toString()).value_or(std::string());
    const Colour colour = colour_from_text(name).value_or(clWhite);
    const QRect cell = option.rect;
    const QRect square =
        cell.adjusted((cell.width() - kSquare) / 2, (cell.height() - kSquare) / 2,
                      -(cell.width() - kSquare) / 2, -(cell.height() - kSquare) / 2);
    painter->save();
    painter->setPen(Qt::black);
    painter->setBrush(colour_as_qt(colour));
    painter->drawRect(square);
    painter->restore();
}

bool ShiftCellDelegate::eventFilter(QObject* object, QEvent* event) {
    auto* editor = qobject_cast<QLineEdit*>(object);
    if (editor && event->type() == QEvent::KeyPress &&
        filter_key(editor, static_cast<QKeyEvent*>(event)))
        return true;
    return QStyledItemDelegate::eventFilter(object, event);
}

// True when the key was swallowed or replaced.
bool ShiftCellDelegate::filter_key(QLineEdit* editor, QKeyEvent* key) {
    const int column = editor->property(kColumnProperty).toInt();
    const std::optional<char> byte = typed_byte(key);
    if (!filtered_column(column) || !byte) return false;
    const size_t kept = editor->text().size() - editor->selectedText().size();
    const std::optional<char> passed = shift_cell_key(column, *byte, kept);
    if (!passed) {
        QApplication::beep();
        return true;
    }
    if (*passed == *byte) return false;
    editor->insert(QString(QChar(*passed)));
    return true;
}

}  // namespace tabrel
