#pragma once

#include <QPoint>
#include <QRect>
#include <optional>

namespace tabrel {

struct Tile;

// Where the month grid's cells and tiles lie for a given widget size. Cells are separated by
// one-pixel grid lines; each weekday owns `shifts` adjacent sub-columns.
struct GridGeometry {
    static constexpr int kRows = 6;
    static constexpr int kLine = 1;

    int shifts = 1;
    int column_width = 0;
    int row_height = 0;

    bool operator==(const GridGeometry&) const = default;

    // The sizes that fit a grid of `width` × `height` pixels; shifts below 1 count as 1.
    static GridGeometry fit(int width, int height, int shifts);

    int columns() const { return 7 * shifts; }
    QRect cell_rect(int column, int row) const;
    // The grid cell [column, row] under a point, nothing outside the cells.
    std::optional<QPoint> cell_at(QPoint point) const;
    QRect tile_rect(const Tile& tile) const;
    // Width of one weekday in the header above the grid.
    int weekday_width() const { return shifts * (column_width + kLine) - kLine; }
};

}  // namespace tabrel
