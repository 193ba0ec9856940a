#include "register_list.h"

#include <QDrag>
#include <QDropEvent>

#include "drag_data.h"

namespace tabrel {

namespace {

const QString kListFormat = QStringLiteral("application/x-tabrel-list-row");

}  // namespace

RegisterList::RegisterList(const char* name, bool to_grid, QWidget* parent)
    : QListWidget(parent), to_grid_(to_grid) {
    setObjectName(QString::fromLatin1(name));
    setDragEnabled(true);
    setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDropIndicatorShown(true);
}

int RegisterList::index_of(const QListWidgetItem* item) {
    return item ? item->data(Qt::UserRole).toInt() : -1;
}

// The rows themselves never travel: the register is reordered and the list rebuilt from it.
void RegisterList::startDrag(Qt::DropActions) {
    if (!currentItem()) return;
    std::unique_ptr<QMimeData> data =
        to_grid_ ? drag_data({DropSource::Kind::WorkerList, {}}) : std::make_unique<QMimeData>();
    data->setData(kListFormat, objectName().toLatin1());
    auto* drag = new QDrag(this);
    drag->setMimeData(data.release());
    drag->exec(Qt::MoveAction | Qt::CopyAction, Qt::MoveAction);
}

bool RegisterList::own_drag(const QDropEvent* event) const {
    return event->source() == this && event->mimeData()->hasFormat(kListFormat);
}

void RegisterList::dragEnterEvent(QDragEnterEvent* event) {
    if (own_drag(event))
        event->acceptProposedAction();
    else
        event->ignore();
}

void RegisterList::dragMoveEvent(QDragMoveEvent* event) {
    if (own_drag(event) && itemAt(event->position().toPoint()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void RegisterList::dropEvent(QDropEvent* event) {
    const QListWidgetItem* target = itemAt(event->position().toPoint());
    if (!own_drag(event) || !target) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
    const int from = index_of(currentItem());
    const int to = index_of(target);
    if (from >= 0 && from != to) emit record_moved(from, to);
}

}  // namespace tabrel
