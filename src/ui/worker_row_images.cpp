#include "worker_row_images.h"

#include <QPainter>

namespace tabrel {

namespace {

// A long list scrolled through keeps a few hundred looks; beyond that they are drawn anew.
constexpr size_t kMostLooks = 1024;

}  // namespace

const QPixmap& WorkerRowImages::image(const WorkerRowPicture& picture,
                                      const QStyleOptionViewItem& option, const QFont& font,
                                      qreal pixel_ratio, const Paint& paint) {
    if (option.font != option_font_ || font != font_ || images_.size() >= kMostLooks) {
        images_.clear();
        option_font_ = option.font;
        font_ = font;
    }
    Key key{picture, option.rect.width(), option.rect.height(), option.palette.cacheKey(),
            pixel_ratio};
    const auto found = images_.find(key);
    if (found != images_.end()) return found->second;
    QPixmap pixmap(option.rect.size() * pixel_ratio);
    pixmap.setDevicePixelRatio(pixel_ratio);
    QPainter painter(&pixmap);
    painter.setFont(font);
    paint(painter, QRect(QPoint(0, 0), option.rect.size()));
    return images_.emplace(std::move(key), std::move(pixmap)).first->second;
}

}  // namespace tabrel
