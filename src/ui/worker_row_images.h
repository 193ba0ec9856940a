#pragma once

#include <QFont>
#include <QPixmap>
#include <QStyleOptionViewItem>
#include <functional>
#include <map>

#include "editing/worker_list_rows.h"

namespace tabrel {

// What a worker row shows: rows alike are drawn alike.
struct WorkerRowPicture {
    WorkerRowLook look;
    bool selected = false;
    bool law = false;  // the red corner of working-time findings

    auto operator<=>(const WorkerRowPicture&) const = default;
};

// Each worker row look painted once and reused: a month switch repaints the whole list, and
// laying its names and figures out again is most of that paint.
class WorkerRowImages {
public:
    using Paint = std::function<void(QPainter&, const QRect&)>;

    // The row as `paint` draws it into a rect of the option's size with `font` set, at the
    // screen's `pixel_ratio`; painted only when no row alike was.
    const QPixmap& image(const WorkerRowPicture& picture, const QStyleOptionViewItem& option,
                         const QFont& font, qreal pixel_ratio, const Paint& paint);

private:
    struct Key {
        WorkerRowPicture picture;
        int width = 0, height = 0;
        qint64 palette = 0;
        qreal pixel_ratio = 1;
        auto operator<=>(const Key&) const = default;
    };

    std::map<Key, QPixmap> images_;
    // The fonts the kept rows were painted in; another font paints them all anew.
    QFont option_font_;
    QFont font_;
};

}  // namespace tabrel
