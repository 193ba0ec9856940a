#include "window_printouts.h"

#include <QDesktopServices>
#include <QFile>
#include <QMenu>
#include <QUrl>

#include "ical_export_dialog.h"
#include "main_window.h"
#include "printouts/window_lists.h"
#include "recent_templates_menu.h"
#include "templates_dialog.h"

namespace fs = std::filesystem;

namespace tabrel {

namespace {

// The application the desktop registers for the file's type.
void open_with_desktop(const fs::path& path) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(QFile::decodeName(path.string().c_str())));
}

}  // namespace

WindowPrintouts::WindowPrintouts(AppState& app, MainWindow& window)
    : QObject(&window),
      printouts_(app.folders().work / "wydruki", app.data_folder(), open_with_desktop) {
    const auto lists = [&app](GenerationContext& ctx) { fill_window_lists(ctx, app.view()); };
    dialog_ = new TemplatesDialog(app, printouts_, lists, open_with_desktop, &window);
    bind_action(window.actions().a_Templates, this, [this] { dialog_->run(); });
    bind_action(window.actions().a_IcalExport, this,
                [&app, &window] { run_ical_export(app, &window); });
    if (auto* recent = window.findChild<QMenu*>(QStringLiteral("pm_RecentTemplates")))
        bind_recent_templates_menu(recent, dialog_, app.data_folder());
}

}  // namespace tabrel
