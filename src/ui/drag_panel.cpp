#include "drag_panel.h"

#include <QApplication>
#include <QDrag>
#include <QMouseEvent>

#include "drag_data.h"

namespace tabrel {

DragPanel::DragPanel(const char* name, const QString& caption, const QString& hint,
                     DropSource::Kind kind, QWidget* parent)
    : QLabel(caption, parent), kind_(kind) {
    setObjectName(QString::fromLatin1(name));
    setToolTip(hint);
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setAlignment(Qt::AlignCenter);
    setMinimumWidth(60);
    setCursor(Qt::OpenHandCursor);
}

void DragPanel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) press_point_ = event->position().toPoint();
}

void DragPanel::mouseMoveEvent(QMouseEvent* event) {
    if (!press_point_ || !(event->buttons() & Qt::LeftButton)) return;
    if ((event->position().toPoint() - *press_point_).manhattanLength() <
        QApplication::startDragDistance())
        return;
    press_point_.reset();
    auto* drag = new QDrag(this);
    drag->setMimeData(drag_data({kind_, {}}).release());
    drag->exec(Qt::MoveAction | Qt::CopyAction, Qt::MoveAction);
}

}  // namespace tabrel
