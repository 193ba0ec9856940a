#include "user_guide.h"

#include <QDesktopServices>
#include <QUrl>

#include "i18n/cp1250.h"
#include "i18n/text.h"

namespace tabrel {

void open_user_guide(const std::filesystem::path& resource_folder, Prompter& prompter) {
    const std::filesystem::path page = resource_folder / "guide" / "index.html";
    std::error_code error;
    if (std::filesystem::is_regular_file(page, error) &&
        QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(page.string()))))
        return;
    // A folder name cp1250 cannot hold is left out rather than mangled.
    prompter.inform(tr("msg_GuideMissing", "Nie można otworzyć samouczka: ") +
                    utf8_to_cp1250(page.string()).value_or(std::string()));
}

}  // namespace tabrel
