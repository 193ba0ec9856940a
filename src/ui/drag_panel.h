#pragma once

#include <QLabel>
#include <optional>

#include "editing/grid_drop.h"

namespace tabrel {

// A panel that is dragged onto the calendar: "Dyżur" for a new duty, "Wolne" for a new day
// off.
class DragPanel : public QLabel {
    Q_OBJECT
public:
    DragPanel(const char* name, const QString& caption, const QString& hint, DropSource::Kind kind,
              QWidget* parent = nullptr);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    DropSource::Kind kind_;
    std::optional<QPoint> press_point_;
};

}  // namespace tabrel
