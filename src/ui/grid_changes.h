#pragma once

#include <QPoint>
#include <QRegion>
#include <optional>
#include <vector>

#include "cell_picture.h"
#include "editing/tile_layout.h"
#include "grid_geometry.h"

namespace tabrel {

// What the grid shows besides its tiles.
struct GridPicture {
    GridGeometry geometry;
    std::vector<CellPicture> cells;  // column by column
    std::optional<QPoint> selected;  // the selected cell
};

// The part of the grid the selection frame of `cell` covers.
QRect selection_area(const GridGeometry& geometry, QPoint cell);

// The part of the grid drawn differently after a change: the cells whose picture changed, the
// selection if it moved, and the tiles that differ at the same place in the drawing order.
// Tiles are drawn in order, so a pixel that every tile of either layout covering it leaves
// equal is drawn alike. Nothing, for a repaint of everything, when the geometry or the cells
// changed shape or when so much changed that the whole is cheaper.
std::optional<QRegion> changed_region(const GridPicture& before, const TileLayout& tiles_before,
                                      const GridPicture& after, const TileLayout& tiles_after);

}  // namespace tabrel
