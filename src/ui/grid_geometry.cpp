#include "grid_geometry.h"

#include <algorithm>

#include "editing/tile_layout.h"

namespace tabrel {

GridGeometry GridGeometry::fit(int width, int height, int shifts) {
    GridGeometry g;
    g.shifts = std::max(shifts, 1);
    // A squeezed window still gets cells of one pixel rather than none.
    g.row_height = std::max((height - 10) / kRows, 1);
    g.column_width = std::max((width - 5 * g.shifts - 10) / (7 * g.shifts), 1);
    return g;
}

QRect GridGeometry::cell_rect(int column, int row) const {
    return {column * (column_width + kLine), row * (row_height + kLine), column_width, row_height};
}

std::optional<QPoint> GridGeometry::cell_at(QPoint point) const {
    if (point.x() < 0 || point.y() < 0) return std::nullopt;
    const int column = point.x() / (column_width + kLine);
    const int row = point.y() / (row_height + kLine);
    if (column >= columns() || row >= kRows) return std::nullopt;
    return QPoint(column, row);
}

QRect GridGeometry::tile_rect(const Tile& tile) const {
    const QRect cell = cell_rect(tile.column, tile.row);
    return {cell.left() + tile.tile_column * kTileSize + 1,
            cell.top() + tile.tile_row * kTileSize + 1, kTileSize, kTileSize};
}

}  // namespace tabrel
