#include "grid_changes.h"

#include <algorithm>

namespace tabrel {

namespace {

// Beyond this many changed rectangles the region costs more than painting everything.
constexpr size_t kMostRects = 256;

bool drawn_alike(const Tile& a, const Tile& b) {
    return a.column == b.column && a.row == b.row && a.tile_column == b.tile_column &&
           a.tile_row == b.tile_row && a.caption == b.caption && a.background == b.background &&
           a.font == b.font && a.bold == b.bold && a.italic == b.italic && a.border == b.border &&
           a.law == b.law;
}

// A cell's drawing reaches two pixels past its bottom and top and its weekday separator.
QRect cell_area(const GridGeometry& geometry, int index) {
    const int column = index / GridGeometry::kRows;
    const int row = index % GridGeometry::kRows;
    return geometry.cell_rect(column, row).adjusted(0, -2, 2, 2);
}

}  // namespace

// The selection frame is up to two pixels wide on the cell's edge.
QRect selection_area(const GridGeometry& geometry, QPoint cell) {
    return geometry.cell_rect(cell.x(), cell.y()).adjusted(-2, -2, 2, 2);
}

std::optional<QRegion> changed_region(const GridPicture& before, const TileLayout& tiles_before,
                                      const GridPicture& after, const TileLayout& tiles_after) {
    const GridGeometry& geometry = after.geometry;
    if (!(before.geometry == geometry) || before.cells.size() != after.cells.size() ||
        after.cells.size() != static_cast<size_t>(geometry.columns() * GridGeometry::kRows))
        return std::nullopt;
    std::vector<QRect> rects;
    for (size_t i = 0; i < after.cells.size(); ++i)
        if (!(before.cells[i] == after.cells[i]))
            rects.push_back(cell_area(geometry, static_cast<int>(i)));
    if (before.selected != after.selected) {
        if (before.selected) rects.push_back(selection_area(geometry, *before.selected));
        if (after.selected) rects.push_back(selection_area(geometry, *after.selected));
    }
    const std::vector<Tile>& old_tiles = tiles_before.tiles;
    const std::vector<Tile>& new_tiles = tiles_after.tiles;
    for (size_t i = 0; i < std::max(old_tiles.size(), new_tiles.size()); ++i) {
        if (rects.size() > kMostRects) return std::nullopt;
        const Tile* was = i < old_tiles.size() ? &old_tiles[i] : nullptr;
        const Tile* is = i < new_tiles.size() ? &new_tiles[i] : nullptr;
        if (was && is && drawn_alike(*was, *is)) continue;
        if (was) rects.push_back(geometry.tile_rect(*was));
        if (is) rects.push_back(geometry.tile_rect(*is));
    }
    if (rects.size() > kMostRects) return std::nullopt;
    QRegion region;
    for (const QRect& rect : rects) region += rect;
    return region;
}

}  // namespace tabrel
