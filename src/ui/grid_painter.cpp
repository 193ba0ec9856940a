#include "grid_painter.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "cell_picture.h"
#include "qt_colour.h"

namespace tabrel {

namespace {

const QColor kSeparator(128, 128, 128);
const QColor kGridLine(160, 160, 160);

// A bit per pixel column of the painted area for each lane: a grid row's tile row. Every tile
// of a lane spans the same 16 pixel lines and lanes do not overlap, so within a lane a tile is
// hidden exactly when the tiles drawn after it cover its columns.
class LaneCover {
public:
    LaneCover(int lanes, const QRect& area) : left_(area.left()), words_((area.width() + 63) / 64) {
        // Kept between paints, as a full ward paints thousands of tiles each time.
        bits_.assign(static_cast<size_t>(lanes) * words_, 0);
    }

    // Marks the columns [from, to) of `lane` covered; false when they already were.
    bool cover(int lane, int from, int to) {
        bool hidden = true;
        uint64_t* row = bits_.data() + static_cast<size_t>(lane) * words_;
        for (int x = from - left_; x < to - left_;) {
            const int bit = x % 64;
            const int count = std::min(64 - bit, to - left_ - x);
            const uint64_t mask = (count == 64 ? ~uint64_t(0) : ((uint64_t(1) << count) - 1))
                                  << bit;
            hidden = hidden && (row[x / 64] & mask) == mask;
            row[x / 64] |= mask;
            x += count;
        }
        return !hidden;
    }

private:
    int left_;
    int words_;
    static thread_local std::vector<uint64_t> bits_;
};

thread_local std::vector<uint64_t> LaneCover::bits_;

// The tiles that show inside `area`, in drawing order. Tiles are opaque, so one whose part in the
// area lies under later tiles is left out: on a full ward most of a day's stack lies under the
// stacks of the days after it.
std::vector<const Tile*> uncovered_tiles(const std::vector<Tile>& tiles,
                                         const GridGeometry& geometry, const QRect& area) {
    int lanes_per_row = 1;
    for (const Tile& tile : tiles) lanes_per_row = std::max(lanes_per_row, tile.tile_row + 1);
    // In a grid too low for its tile rows the lanes overlap: every tile is drawn then.
    const bool lanes_apart = lanes_per_row * kTileSize <= geometry.row_height;
    LaneCover cover(lanes_apart ? GridGeometry::kRows * lanes_per_row : 0, area);
    std::vector<const Tile*> shown;
    for (auto tile = tiles.rbegin(); tile != tiles.rend(); ++tile) {
        const QRect r = geometry.tile_rect(*tile) & area;
        if (r.isEmpty()) continue;
        const bool row_known = tile->row >= 0 && tile->row < GridGeometry::kRows;
        if (!lanes_apart || !row_known ||
            cover.cover(tile->row * lanes_per_row + tile->tile_row, r.left(), r.right() + 1))
            shown.push_back(&*tile);
    }
    std::reverse(shown.begin(), shown.end());
    return shown;
}

}  // namespace

void GridPainter::cells(const Roster& roster, const Options& options, const QRect& dirty) {
    const auto& grid = roster.calendar.cells;
    lines(grid, dirty);
    std::vector<CornerNumbers::Place> corners;
    for (int column = 0; column < static_cast<int>(grid.size()); ++column) {
        for (int row = 0; row < static_cast<int>(grid[column].size()); ++row) {
            const QRect rect = geometry_.cell_rect(column, row).adjusted(0, -2, 2, 2);
            if (rect.intersects(dirty)) cell(roster, options, column, row, corners);
        }
    }
    // Together, in one font and colour: each number lies inside its own cell, which no other
    // cell's painting reaches.
    corners_.draw(painter_, corners);
}

void GridPainter::cell(const Roster& roster, const Options& options, int column, int row,
                       std::vector<CornerNumbers::Place>& corners) {
    const CellPicture picture = cell_picture(roster, options, column, row);
    const QRect rect = geometry_.cell_rect(column, row);
    painter_.fillRect(rect, qt_colour(picture.look.background, palette_));
    if (!picture.look.text.empty()) {
        painter_.setPen(qt_colour(picture.look.font, palette_));
        day_texts_.draw(painter_, rect.adjusted(2, 2, -2, -2), picture.look.text);
    }
    if (picture.corner >= 0) corners.push_back({rect, picture.corner});
    if (column % geometry_.shifts == geometry_.shifts - 1) separator(rect);
}

// The grid lines and the margin beyond the cells: the cells paint the rest, so the area is not
// filled twice.
void GridPainter::lines(const std::vector<std::vector<CalendarCell>>& grid, const QRect& dirty) {
    const size_t rows = grid.empty() ? 0 : grid.front().size();
    const bool even = std::all_of(grid.begin(), grid.end(),
                                  [&](const auto& column) { return column.size() == rows; });
    if (!even || rows == 0) {
        painter_.fillRect(dirty, kGridLine);
        return;
    }
    const int column_step = geometry_.column_width + GridGeometry::kLine;
    const int row_step = geometry_.row_height + GridGeometry::kLine;
    const int width = static_cast<int>(grid.size()) * column_step;
    const int height = static_cast<int>(rows) * row_step;
    const auto fill = [&](const QRect& rect) {
        const QRect part = rect & dirty;
        if (!part.isEmpty()) painter_.fillRect(part, kGridLine);
    };
    for (int x = geometry_.column_width; x < width; x += column_step)
        fill(QRect(x, 0, GridGeometry::kLine, height));
    for (int y = geometry_.row_height; y < height; y += row_step)
        fill(QRect(0, y, width, GridGeometry::kLine));
    fill(QRect(QPoint(width, dirty.top()), dirty.bottomRight()));
    fill(QRect(QPoint(dirty.left(), height), dirty.bottomRight()));
}

void GridPainter::separator(const QRect& rect) {
    painter_.fillRect(QRect(rect.right() + 1, rect.top() - 2, 2, rect.height() + 4), kSeparator);
}

void GridPainter::tiles(const TileLayout& layout, const QRect& dirty) {
    images_.prepare(painter_.font(), palette_);
    for (const Tile* t : uncovered_tiles(layout.tiles, geometry_, dirty)) tile(*t);
}

void GridPainter::tile(const Tile& t) {
    images_.draw(painter_, geometry_.tile_rect(t).topLeft(), t);
}

void GridPainter::selection(int column, int row, bool filled) {
    const QRect rect = geometry_.cell_rect(column, row).adjusted(0, 0, -1, -1);
    painter_.setBrush(Qt::NoBrush);
    if (filled) {
        painter_.setPen(QPen(palette_.color(QPalette::Highlight), 2));
    } else {
        painter_.setPen(QPen(palette_.color(QPalette::WindowText), 1, Qt::DotLine));
    }
    painter_.drawRect(rect);
}

}  // namespace tabrel
