#pragma once

#include <QFont>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <string>
#include <unordered_map>

#include "editing/tile_layout.h"

namespace tabrel {

// Paints a tile into `rect`: its background, its caption centred (symbol captions may hold the
// hours' markup) and the selected worker's frame.
void paint_tile(QPainter& painter, const QRect& rect, const Tile& tile, const QPalette& palette);

// Each tile look painted once and reused: a full ward repeats a few hundred looks over thousands
// of tiles, and laying caption text out for every tile on every paint is most of a repaint.
class TileImages {
public:
    // Before drawing: the font and palette the tiles are painted with. Others than before paint
    // every look anew.
    void prepare(const QFont& font, const QPalette& palette);
    // Draws `tile` at `at` as paint_tile would.
    void draw(QPainter& painter, QPoint at, const Tile& tile);

private:
    const QPixmap& image(const Tile& tile);
    void forget();

    struct Look {
        std::string caption;
        Colour background = 0;
        Colour text = 0;
        bool border = false;
        bool bold = false;
        bool italic = false;
        bool law = false;
        bool operator==(const Look&) const = default;
        bool shows(const Tile& tile) const;
    };
    struct LookHash {
        size_t operator()(const Look& look) const;
    };

    std::unordered_map<Look, QPixmap, LookHash> images_;
    // The look drawn last: tiles come worker by worker, so the next mostly looks the same.
    const std::pair<const Look, QPixmap>* last_ = nullptr;
    QFont font_;
    QPalette palette_;
};

}  // namespace tabrel
