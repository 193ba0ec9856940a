#include "recent_templates_menu.h"

#include <QFile>
#include <QMenu>

#include "i18n/cp1250.h"
#include "printouts/template_error.h"
#include "printouts/template_info.h"
#include "qt_text.h"
#include "storage/options_file.h"
#include "storage/recent_templates.h"
#include "templates_dialog.h"

namespace fs = std::filesystem;

namespace tabrel {

namespace {

// A header that cannot be read still leaves the entry usable under its file name; choosing it
// reports the error.
QString caption_of(const fs::path& path) {
    try {
        return qt_text(info_plik(path).title);
    } catch (const TemplateError&) {
        return QFile::decodeName(path.filename().string().c_str());
    }
}

void fill(QMenu* menu, TemplatesDialog* dialog, const fs::path& data_folder) {
    menu->clear();
    for (const std::string& stored :
         recent_templates(load_options_file(data_folder), "Templates")) {
        const fs::path path = cp1250_to_utf8(stored);
        std::error_code ec;
        if (stored.empty() || !fs::is_regular_file(path, ec)) continue;
        QAction* entry = menu->addAction(caption_of(path));
        const QString shown = QFile::decodeName(path.string().c_str());
        entry->setStatusTip(shown);
        entry->setToolTip(shown);
        QObject::connect(entry, &QAction::triggered, dialog, [dialog, path] {
            dialog->refresh();
            std::error_code gone;
            if (fs::is_regular_file(path, gone)) dialog->generate(path);
        });
    }
}

}  // namespace

void bind_recent_templates_menu(QMenu* menu, TemplatesDialog* dialog, const fs::path& data_folder) {
    menu->setToolTipsVisible(true);
    QObject::connect(menu, &QMenu::aboutToShow, dialog,
                     [menu, dialog, data_folder] { fill(menu, dialog, data_folder); });
}

}  // namespace tabrel
