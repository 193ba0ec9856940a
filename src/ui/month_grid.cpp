#include "month_grid.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDrag>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QToolTip>
#include <utility>

#include "drag_data.h"
#include "editing/law_tiles.h"
#include "editing/tile_commands.h"
#include "editing/tile_hint.h"
#include "grid_painter.h"
#include "i18n/cp1250.h"
#include "i18n/text.h"
#include "qt_text.h"

namespace tabrel {

namespace {

QString hint_text(AppState& app, const Tile& tile) {
    QStringList lines;
    for (const std::string& line : tile_hint(app.roster(), app.options(), tile))
        lines << qt_text(line);
    for (const std::string& line : law_tile_texts(tile, app.roster(), app.law().findings()))
        lines << qt_text(line);
    return lines.join(QLatin1Char('\n'));
}

int shift_count(const Roster& roster) {
    const Group* group = roster.current();
    return group ? static_cast<int>(group->profile.shifts.size()) : 1;
}

}  // namespace

MonthGrid::MonthGrid(AppState& app, EditContext& context, QWidget* parent)
    : QWidget(parent), app_(app), context_(context) {
    setObjectName(QStringLiteral("sag"));
    setAcceptDrops(true);
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(200, 120);
    // The grid fills everything it is asked to paint, so the window behind it is not painted.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void MonthGrid::fit_geometry() {
    geometry_ = GridGeometry::fit(width(), height(), shift_count(app_.roster()));
}

// Only what the change touched is painted again: a drop on a full ward redraws a few tiles.
void MonthGrid::lay_out() {
    fit_geometry();
    TileLayout laid = lay_out_tiles(app_.roster(), app_.view(), app_.options(),
                                    tiles_per_column(geometry_.row_height), std::move(room_));
    mark_law_tiles(laid, app_.roster(), app_.law().findings());
    GridPicture picture{geometry_, cell_pictures(app_.roster(), app_.options()), selected_cell()};
    const std::optional<QRegion> changed = changed_region(picture_, layout_, picture, laid);
    room_ = std::exchange(layout_, std::move(laid));
    picture_ = std::move(picture);
    if (changed)
        update(*changed);
    else
        update();
}

void MonthGrid::update_selection(std::optional<QPoint> before) {
    const std::optional<QPoint> after = selected_cell();
    if (before == after) return;
    if (before) update(selection_area(geometry_, *before));
    if (after) update(selection_area(geometry_, *after));
}

std::optional<QPoint> MonthGrid::selected_cell() const {
    const std::optional<QPoint> centre =
        cell_centre(app_.view().selected_day, app_.view().selected_shift);
    return centre ? geometry_.cell_at(*centre) : std::nullopt;
}

const Tile* MonthGrid::tile_named(const std::string& name) const {
    for (const Tile& tile : layout_.tiles)
        if (tile.name == name) return &tile;
    return nullptr;
}

std::optional<QPoint> MonthGrid::cell_centre(int day, int shift_no) const {
    const auto& cells = app_.roster().calendar.cells;
    for (int column = 0; column < static_cast<int>(cells.size()); ++column)
        for (int row = 0; row < static_cast<int>(cells[column].size()); ++row)
            if (cells[column][row].day == day && cells[column][row].shift_no == shift_no)
                return geometry_.cell_rect(column, row).center();
    return std::nullopt;
}

// Tiles drawn later lie on top; the topmost one answers.
const Tile* MonthGrid::tile_at(QPoint point) const {
    for (auto it = layout_.tiles.rbegin(); it != layout_.tiles.rend(); ++it)
        if (geometry_.tile_rect(*it).contains(point)) return &*it;
    return nullptr;
}

std::optional<QPoint> MonthGrid::cell_under(QPoint point) const {
    const std::optional<QPoint> cell = geometry_.cell_at(point);
    const auto& cells = app_.roster().calendar.cells;
    if (!cell || cell->x() >= static_cast<int>(cells.size()) ||
        cell->y() >= static_cast<int>(cells[cell->x()].size()))
        return std::nullopt;
    return cell;
}

MonthGrid::CellRef MonthGrid::cell_ref(QPoint cell) const {
    const CalendarCell& c = app_.roster().calendar.cells[cell.x()][cell.y()];
    return {c.day, c.shift_no};
}

void MonthGrid::select_cell(QPoint point) {
    const std::optional<QPoint> cell = cell_under(point);
    if (!cell) return;
    const CellRef ref = cell_ref(*cell);
    const std::optional<QPoint> before = selected_cell();
    ViewState& view = app_.view();
    view.selected_day = static_cast<uint8_t>(ref.day);
    view.selected_shift = static_cast<uint8_t>(ref.shift_no);
    update_selection(before);
    emit cell_selected();
}

void MonthGrid::move_selection(int columns, int rows) {
    const std::optional<QPoint> from =
        cell_centre(app_.view().selected_day, app_.view().selected_shift);
    if (!from) return;
    const QPoint step(columns * (geometry_.column_width + GridGeometry::kLine),
                      rows * (geometry_.row_height + GridGeometry::kLine));
    select_cell(*from + step);
}

void MonthGrid::paintEvent(QPaintEvent* event) {
    const Roster& roster = app_.roster();
    QPainter painter(this);
    if (!roster.current()) {
        painter.fillRect(event->rect(), palette().window());
        return;
    }
    GridPainter grid(painter, palette(), geometry_, tile_images_, corner_numbers_, day_texts_);
    grid.cells(roster, app_.options(), event->rect());
    grid.tiles(layout_, event->rect());
    if (const std::optional<QPoint> cell = selected_cell())
        grid.selection(cell->x(), cell->y(), app_.view().show_who == ViewState::ShowWho::Selected);
}

// The tiles keep their order and only move, so their places follow the new cell size.
void MonthGrid::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const int per_column = tiles_per_column(geometry_.row_height);
    fit_geometry();
    if (tiles_per_column(geometry_.row_height) != per_column) lay_out();
    emit resized();
}

bool MonthGrid::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        if (const Tile* tile = tile_at(help->pos()))
            QToolTip::showText(help->globalPos(), hint_text(app_, *tile), this,
                               geometry_.tile_rect(*tile));
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}

void MonthGrid::mousePressEvent(QMouseEvent* event) {
    const QPoint point = event->position().toPoint();
    select_cell(point);
    pressed_tile_.clear();
    press_point_.reset();
    if (event->button() != Qt::LeftButton) return;
    const Tile* tile = tile_at(point);
    if (tile && tile->draggable) {
        pressed_tile_ = tile->name;
        press_point_ = point;
    }
}

void MonthGrid::mouseMoveEvent(QMouseEvent* event) {
    if (!press_point_ || !(event->buttons() & Qt::LeftButton)) return;
    if ((event->position().toPoint() - *press_point_).manhattanLength() <
        QApplication::startDragDistance())
        return;
    press_point_.reset();
    if (const Tile* tile = tile_named(pressed_tile_)) start_tile_drag(*tile);
}

void MonthGrid::start_tile_drag(const Tile& tile) {
    auto* drag = new QDrag(this);
    drag->setMimeData(drag_data({DropSource::Kind::Tile, tile.name}).release());
    drag->exec(Qt::MoveAction | Qt::CopyAction, Qt::MoveAction);
}

void MonthGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    const std::optional<QPoint> cell = cell_under(event->position().toPoint());
    if (cell && cell_ref(*cell).day != 0) emit day_properties_requested();
}

void MonthGrid::contextMenuEvent(QContextMenuEvent* event) {
    if (const Tile* tile = tile_at(event->pos())) {
        tile_menu(*tile, event->globalPos());
        return;
    }
    select_cell(event->pos());
    if (calendar_menu_) calendar_menu_->exec(event->globalPos());
}

void MonthGrid::tile_menu(const Tile& tile, QPoint global) {
    const std::string name = tile.name;
    const int worker = tile.worker;
    const TilePopup offer = tile_popup(app_.roster(), name);
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("pm_d"));
    QAction* edit = menu.addAction(qt_text(tabrel::tr("mi_DutyEdit", "Zmień...")));
    edit->setObjectName(QStringLiteral("mi_DutyEdit"));
    edit->setVisible(offer.edit_visible);
    menu.addSeparator();
    QAction* remove = menu.addAction(qt_text(tabrel::tr("mi_TileDelete", "Usuń")));
    remove->setObjectName(QStringLiteral("mi_DutyDelete"));
    QAction* restore =
        menu.addAction(qt_text(tabrel::tr("mi_WorkerRestore", "Przywróć pracownika")));
    restore->setObjectName(QStringLiteral("mi_WorkerRestore"));
    restore->setEnabled(offer.restore_enabled);
    QAction* chosen = menu.exec(global);
    if (chosen == edit)
        emit edited(edit_tile(context_, name));
    else if (chosen == remove)
        emit edited(delete_tile(context_, name));
    else if (chosen == restore)
        emit restore_requested(worker);
}

void MonthGrid::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Escape:
            emit close_requested();
            return;
        case Qt::Key_Left:
            return move_selection(-1, 0);
        case Qt::Key_Right:
            return move_selection(1, 0);
        case Qt::Key_Up:
            return move_selection(0, -1);
        case Qt::Key_Down:
            return move_selection(0, 1);
        default:
            break;
    }
    if (event->modifiers() & Qt::ShiftModifier && !event->text().isEmpty() &&
        event->text().at(0).isPrint()) {
        // A character cp1250 cannot hold names no worker.
        typing_.key_typed(utf8_to_cp1250(event->text().toStdString()).value_or("\x7F"));
        return;
    }
    QWidget::keyPressEvent(event);
}

void MonthGrid::keyReleaseEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Shift && !typing_.typed().empty()) {
        emit edited(typing_.shift_released(context_));
        return;
    }
    QWidget::keyReleaseEvent(event);
}

void MonthGrid::dragEnterEvent(QDragEnterEvent* event) {
    if (drop_source(event->mimeData()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void MonthGrid::dragMoveEvent(QDragMoveEvent* event) {
    const std::optional<DropSource> source = drop_source(event->mimeData());
    const std::optional<QPoint> cell = cell_under(event->position().toPoint());
    if (!source || !cell) {
        event->ignore();
        return;
    }
    const CellRef ref = cell_ref(*cell);
    const std::optional<QPoint> before = selected_cell();
    const bool valid = drop_allowed(context_, ref.day, ref.shift_no);
    update_selection(before);
    emit cell_selected();
    if (!valid) {
        event->ignore(geometry_.cell_rect(cell->x(), cell->y()));
        return;
    }
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    event->setDropAction(ctrl ? Qt::CopyAction : Qt::MoveAction);
    event->accept();
}

void MonthGrid::dropEvent(QDropEvent* event) {
    const std::optional<DropSource> source = drop_source(event->mimeData());
    const std::optional<QPoint> cell = cell_under(event->position().toPoint());
    if (!source || !cell) {
        event->ignore();
        return;
    }
    const CellRef ref = cell_ref(*cell);
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    event->setDropAction(ctrl ? Qt::CopyAction : Qt::MoveAction);
    event->accept();
    // The rules may open a dialog or a message box: not inside the drag's own event loop.
    QTimer::singleShot(0, this, [this, drop = *source, ref, ctrl] {
        emit drop_starting();
        emit edited(drop_on_grid(context_, drop, ref.day, ref.shift_no, ctrl));
        emit drop_finished();
    });
}

}  // namespace tabrel
