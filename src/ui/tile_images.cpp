#include "tile_images.h"

#include <QTextDocument>

#include "qt_colour.h"
#include "qt_text.h"

namespace tabrel {

namespace {

constexpr int kTilePixels = 9;
// Looks beyond this many are dropped all together: a ward with that many is rare, and the
// cache must not grow without bound while months and colours change.
constexpr size_t kMostLooks = 4096;
const QRect kInside(kTileSize, kTileSize, kTileSize, kTileSize);

// Captions of symbol tiles may hold the hours' markup (superscript minutes, a blank entity).
bool is_markup(const QString& caption) {
    return caption.contains(QLatin1Char('<')) || caption.contains(QLatin1Char('&'));
}

}  // namespace

void paint_tile(QPainter& painter, const QRect& rect, const Tile& t, const QPalette& palette) {
    painter.fillRect(rect, qt_colour(t.background, palette));
    QFont font = painter.font();
    font.setPixelSize(kTilePixels);
    font.setBold(t.bold);
    font.setItalic(t.italic);
    const QColor colour = qt_colour(t.font, palette);
    const QString caption = qt_text(t.caption);
    painter.save();
    painter.setClipRect(rect);
    if (is_markup(caption)) {
        QTextDocument document;
        document.setDefaultFont(font);
        document.setDocumentMargin(0);
        document.setHtml(QStringLiteral("<div style=\"color:%1\" align=\"center\">%2</div>")
                             .arg(colour.name(), caption));
        document.setTextWidth(rect.width());
        painter.translate(rect.left(), rect.top() + (rect.height() - document.size().height()) / 2);
        document.drawContents(&painter);
    } else {
        painter.setFont(font);
        painter.setPen(colour);
        painter.drawText(rect, Qt::AlignCenter, caption);
    }
    painter.restore();
    if (t.border) {
        painter.setPen(palette.color(QPalette::WindowText));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect.adjusted(0, 0, -1, -1));
    }
    // Inside the selection's frame, so that both show.
    if (t.law) {
        painter.setPen(QPen(QColor(220, 0, 0), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect.adjusted(1, 1, -1, -1));
    }
}

size_t TileImages::LookHash::operator()(const Look& look) const {
    size_t hash = std::hash<std::string>()(look.caption);
    for (const size_t part : {size_t(look.background), size_t(look.text),
                              size_t(look.border) | size_t(look.bold) << 1 |
                                  size_t(look.italic) << 2 | size_t(look.law) << 3})
        hash = hash * 31 + part;
    return hash;
}

bool TileImages::Look::shows(const Tile& tile) const {
    return caption == tile.caption && background == tile.background && text == tile.font &&
           border == tile.border && bold == tile.bold && italic == tile.italic && law == tile.law;
}

void TileImages::prepare(const QFont& font, const QPalette& palette) {
    if (font == font_ && palette.cacheKey() == palette_.cacheKey()) return;
    forget();
    font_ = font;
    palette_ = palette;
}

void TileImages::forget() {
    images_.clear();
    last_ = nullptr;
}

void TileImages::draw(QPainter& painter, QPoint at, const Tile& tile) {
    painter.drawPixmap(at, image(tile));
}

// Keyed by the tile's own colours, as system colours mean one colour each while the palette
// stays.
const QPixmap& TileImages::image(const Tile& tile) {
    if (last_ && last_->first.shows(tile)) return last_->second;
    if (images_.size() >= kMostLooks) forget();
    Look look{tile.caption, tile.background, tile.font, tile.border,
              tile.bold,    tile.italic,     tile.law};
    auto found = images_.find(look);
    if (found != images_.end()) {
        last_ = &*found;
        return found->second;
    }
    // The tile is painted a tile's size inside a larger pixmap: text wider or taller than the
    // tile then starts at the same fraction of a pixel, and so gets the same glyph pixels, as on
    // the grid.
    QPixmap pixmap(3 * kTileSize, 3 * kTileSize);
    QPainter painter(&pixmap);
    painter.setFont(font_);
    paint_tile(painter, kInside, tile, palette_);
    painter.end();
    last_ = &*images_.emplace(std::move(look), pixmap.copy(kInside)).first;
    return last_->second;
}

}  // namespace tabrel
