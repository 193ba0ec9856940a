#include "grid_painter.h"

#include <algorithm>
#include <vector>

#include "cell_picture.h"
#include "qt_colour.h"
#include "qt_text.h"

namespace tabrel {

namespace {

const QColor kSeparator(128, 128, 128);
const QColor kGridLine(160, 160, 160);

// The tiles that show inside `area`, in drawing order. Tiles are opaque, so one whose part in the
// area lies under later tiles is left out: on a full ward most of a day's stack lies under the
// stacks of the days after it.
std::vector<const Tile*> uncovered_tiles(const std::vector<Tile>& tiles,
                                         const GridGeometry& geometry, const QRect& area) {
    // Kept between paints: a fresh buffer the size of the grid costs its pages anew each time.
    thread_local std::vector<char> covered;
    covered.assign(static_cast<size_t>(area.width()) * area.height(), 0);
    const auto row_of = [&](int y, const QRect& r) {
        return covered.begin() + (y - area.top()) * area.width() + (r.left() - area.left());
    };
    std::vector<const Tile*> shown;
    for (auto tile = tiles.rbegin(); tile != tiles.rend(); ++tile) {
        const QRect r = geometry.tile_rect(*tile) & area;
        if (r.isEmpty()) continue;
        bool hidden = true;
        for (int y = r.top(); y <= r.bottom() && hidden; ++y)
            hidden =
                std::find(row_of(y, r), row_of(y, r) + r.width(), 0) == row_of(y, r) + r.width();
        if (hidden) continue;
        for (int y = r.top(); y <= r.bottom(); ++y) std::fill_n(row_of(y, r), r.width(), 1);
        shown.push_back(&*tile);
    }
    std::reverse(shown.begin(), shown.end());
    return shown;
}

}  // namespace

void GridPainter::cells(const Roster& roster, const Options& options, const QRect& dirty) {
    painter_.fillRect(dirty, kGridLine);
    const auto& grid = roster.calendar.cells;
    for (int column = 0; column < static_cast<int>(grid.size()); ++column) {
        for (int row = 0; row < static_cast<int>(grid[column].size()); ++row) {
            const QRect rect = geometry_.cell_rect(column, row).adjusted(0, -2, 2, 2);
            if (rect.intersects(dirty)) cell(roster, options, column, row);
        }
    }
}

void GridPainter::cell(const Roster& roster, const Options& options, int column, int row) {
    const CellPicture picture = cell_picture(roster, options, column, row);
    const QRect rect = geometry_.cell_rect(column, row);
    painter_.fillRect(rect, qt_colour(picture.look.background, palette_));
    if (!picture.look.text.empty()) {
        painter_.setPen(qt_colour(picture.look.font, palette_));
        painter_.drawText(rect.adjusted(2, 2, -2, -2), Qt::AlignLeft | Qt::AlignTop,
                          qt_text(picture.look.text));
    }
    if (picture.corner >= 0) corners_.draw(painter_, rect, picture.corner);
    if (column % geometry_.shifts == geometry_.shifts - 1) separator(rect);
}

void GridPainter::separator(const QRect& rect) {
    painter_.fillRect(QRect(rect.right() + 1, rect.top() - 2, 2, rect.height() + 4), kSeparator);
}

void GridPainter::tiles(const TileLayout& layout, const QRect& dirty) {
    for (const Tile* t : uncovered_tiles(layout.tiles, geometry_, dirty)) tile(*t);
}

void GridPainter::tile(const Tile& t) {
    images_.draw(painter_, geometry_.tile_rect(t).topLeft(), t, palette_);
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
