#include "window_geometry.h"

#include <QScreen>

namespace tabrel {

void show_with_geometry(QWidget& window, const WindowGeometry& geometry) {
    if (geometry.maximised) {
        window.showMaximized();
        return;
    }
    const QSize screen = window.screen()->availableSize();
    window.setGeometry(geometry.x, geometry.y, geometry.width.value_or(screen.width()),
                       geometry.height.value_or(screen.height()));
    window.show();
}

}  // namespace tabrel
