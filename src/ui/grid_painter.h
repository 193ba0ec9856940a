#pragma once

#include <QPainter>
#include <QRect>
#include <vector>

#include "corner_numbers.h"
#include "day_texts.h"
#include "editing/tile_layout.h"
#include "grid_geometry.h"
#include "model/roster.h"
#include "storage/options.h"
#include "tile_images.h"

namespace tabrel {

// Paints the month grid: the cells with their colours and numbers, the weekday separators, the
// tiles of the layout and the selected cell. Only what meets `dirty` is drawn.
class GridPainter {
public:
    GridPainter(QPainter& painter, const QPalette& palette, const GridGeometry& geometry,
                TileImages& images, CornerNumbers& corners, DayTexts& day_texts)
        : painter_(painter),
          palette_(palette),
          geometry_(geometry),
          images_(images),
          corners_(corners),
          day_texts_(day_texts) {}

    void cells(const Roster& roster, const Options& options, const QRect& dirty);
    void tiles(const TileLayout& layout, const QRect& dirty);
    // `filled` draws the selection as the selection colour's frame, else as a focus frame.
    void selection(int column, int row, bool filled);

private:
    // Paints the cell and adds its corner number to `corners`.
    void cell(const Roster& roster, const Options& options, int column, int row,
              std::vector<CornerNumbers::Place>& corners);
    void lines(const std::vector<std::vector<CalendarCell>>& grid, const QRect& dirty);
    void separator(const QRect& rect);
    void tile(const Tile& tile);

    QPainter& painter_;
    const QPalette& palette_;
    const GridGeometry& geometry_;
    TileImages& images_;
    CornerNumbers& corners_;
    DayTexts& day_texts_;
};

}  // namespace tabrel
