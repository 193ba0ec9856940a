#pragma once

#include <QPoint>
#include <QWidget>
#include <optional>

#include "app/app_state.h"
#include "corner_numbers.h"
#include "day_texts.h"
#include "editing/edit_context.h"
#include "editing/keyboard_entry.h"
#include "editing/redisplay.h"
#include "editing/tile_layout.h"
#include "grid_changes.h"
#include "grid_geometry.h"
#include "tile_images.h"

class QMenu;

namespace tabrel {

// The month calendar `sag`: one widget painting the grid of the shown month and the tiles of
// the core tile layout over it. Tiles are dragged to move, copy or trash their entries; panels
// and the worker list are dropped on cells. Every edit goes through the core drop rules; the
// window then applies the returned redisplay.
class MonthGrid : public QWidget {
    Q_OBJECT
public:
    MonthGrid(AppState& app, EditContext& context, QWidget* parent = nullptr);

    // Lays the tiles out anew from the roster and repaints.
    void lay_out();
    const TileLayout& layout() const { return layout_; }
    const GridGeometry& grid_geometry() const { return geometry_; }
    // The tile of that name, nothing when it has none.
    const Tile* tile_named(const std::string& name) const;
    // The centre of the cell showing `day` (1-based) on shift `shift_no`, nothing when the grid
    // does not show it.
    std::optional<QPoint> cell_centre(int day, int shift_no) const;

    // The popup menu of a cell: the calendar's commands.
    void set_calendar_menu(QMenu* menu) { calendar_menu_ = menu; }

signals:
    void edited(const Redisplay& redisplay);
    void cell_selected();
    void close_requested();
    void day_properties_requested();
    // The cell size changed with the window.
    void resized();
    // "Przywróć pracownika" on a tile of that worker.
    void restore_requested(int worker);
    // Around the rules of a drop, before and after the plan changes.
    void drop_starting();
    void drop_finished();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool event(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    struct CellRef {
        int day = 0;
        int shift_no = 0;
    };
    const Tile* tile_at(QPoint point) const;
    std::optional<QPoint> cell_under(QPoint point) const;
    // The grid cell [column, row] of the selected day and shift, nothing when not shown.
    std::optional<QPoint> selected_cell() const;
    // Paints the selection frame again where it was and where it is.
    void update_selection(std::optional<QPoint> before);
    CellRef cell_ref(QPoint cell) const;
    void select_cell(QPoint point);
    void move_selection(int columns, int rows);
    void start_tile_drag(const Tile& tile);
    void tile_menu(const Tile& tile, QPoint global);
    void fit_geometry();

    AppState& app_;
    EditContext& context_;
    TileLayout layout_;
    TileLayout room_;      // the layout before, whose memory the next layout reuses
    GridPicture picture_;  // what the layout was drawn over
    GridGeometry geometry_;
    TileImages tile_images_;
    CornerNumbers corner_numbers_;
    DayTexts day_texts_;
    QMenu* calendar_menu_ = nullptr;
    std::optional<QPoint> press_point_;
    std::string pressed_tile_;
    TypeToSelect typing_;
};

}  // namespace tabrel
