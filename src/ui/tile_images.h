#pragma once

#include <QFont>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <map>
#include <string>

#include "editing/tile_layout.h"

namespace tabrel {

// Paints a tile into `rect`: its background, its caption centred (symbol captions may hold the
// hours' markup) and the selected worker's frame.
void paint_tile(QPainter& painter, const QRect& rect, const Tile& tile, const QPalette& palette);

// Each tile look painted once and reused: a full ward repeats a few hundred looks over thousands
// of tiles, and laying caption text out for every tile on every paint is most of a repaint.
class TileImages {
public:
    // Draws `tile` at `at` as paint_tile would, with the painter's font.
    void draw(QPainter& painter, QPoint at, const Tile& tile, const QPalette& palette);

private:
    const QPixmap& image(const Tile& tile, const QFont& font, const QPalette& palette);

    struct Look {
        std::string caption;
        QRgb background = 0;
        QRgb text = 0;
        QRgb frame = 0;  // 0 without a frame
        bool bold = false;
        bool italic = false;
        bool law = false;
        auto operator<=>(const Look&) const = default;
    };

    std::map<Look, QPixmap> images_;
    QFont font_;
};

}  // namespace tabrel
