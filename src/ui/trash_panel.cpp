#include "trash_panel.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QTimer>

#include "drag_data.h"

namespace tabrel {

namespace {

// Only tiles go to the trash; panels and the worker list have nothing to delete.
bool is_tile(const QMimeData* data) {
    const std::optional<DropSource> source = drop_source(data);
    return source && source->kind == DropSource::Kind::Tile;
}

}  // namespace

TrashPanel::TrashPanel(QWidget* parent) : QLabel(QStringLiteral("Kosz"), parent) {
    setObjectName(QStringLiteral("d_Trash"));
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Sunken);
    setAlignment(Qt::AlignCenter);
    setMinimumWidth(60);
    setAcceptDrops(true);
}

void TrashPanel::dragEnterEvent(QDragEnterEvent* event) {
    accept_tiles(event);
}

void TrashPanel::dragMoveEvent(QDragMoveEvent* event) {
    accept_tiles(event);
}

void TrashPanel::accept_tiles(QDropEvent* event) {
    if (is_tile(event->mimeData())) {
        event->setDropAction(Qt::MoveAction);
        event->accept();
    } else {
        event->ignore();
    }
}

void TrashPanel::dropEvent(QDropEvent* event) {
    if (!is_tile(event->mimeData())) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::MoveAction);
    event->accept();
    QTimer::singleShot(
        0, this, [this, tile = drop_source(event->mimeData())->tile] { emit tile_dropped(tile); });
}

}  // namespace tabrel
