#include "exit_query.h"

#include <QMainWindow>

#include "app/exit_procedure.h"
#include "archive_progress.h"
#include "i18n/text.h"
#include "qt_text.h"

namespace tabrel {

namespace {

// A window that grew past its screen while maximised no longer knows its normal size; the size
// stored before is kept then rather than an empty one.
WindowGeometry geometry_of(const QMainWindow* window, WindowGeometry geometry) {
    if (!window) return geometry;
    geometry.maximised = window->isMaximized();
    const QRect normal = window->normalGeometry();
    if (!normal.isValid()) return geometry;
    geometry.x = normal.x();
    geometry.y = normal.y();
    geometry.width = normal.width();
    geometry.height = normal.height();
    return geometry;
}

}  // namespace

bool query_exit(AppState& app, QMainWindow* window, Printouts* printouts) {
    ArchiveProgressDialog progress(
        window, qt_text(tr("msg_Archiving", "Tworzenie kopii zapasowej danych...")));
    ExitRequest request;
    request.geometry = geometry_of(window, app.options().window);
    request.progress = progress.callback();
    request.printouts = printouts;
    return run_exit_procedure(app, request);
}

}  // namespace tabrel
