#include <QApplication>
#include <QFile>
#include <QLocale>

#include "app/app_state.h"
#include "language_applier.h"
#include "message_prompter.h"
#include "qt_locale.h"
#include "qt_settings_store.h"
#include "storage/options_file.h"
#include "tglowna.h"
#include "tlogowanie.h"
#include "window_geometry.h"

using namespace tabrel;

int main(int argc, char* argv[]) {
    QApplication qapp(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Dravik"));
    QApplication::setApplicationName(QStringLiteral("Tabrel"));

    MessagePrompter prompter;
    QtLocale locale;
    AppState app(QFile::encodeName(QApplication::applicationDirPath()).toStdString(), prompter,
                 locale);
    // A locked or unusable folder has been explained to the user and is left untouched.
    if (app.open_data_folder() != AppState::OpenResult::Ok) return 1;
    app.load_options();
    const bool polish_system = QLocale::system().language() == QLocale::Polish;
    const std::optional<LanguageFile> language =
        choose_language(app.program_folder(), app.options().lang, polish_system, prompter);
    read_suggestions(load_options_file(app.data_folder()),
                     language_name(app.options().lang, polish_system), app.options());
    // A wrong or cancelled password ends the program before anything is loaded or saved.
    QtSettingsStore settings;
    if (!login_at_start(settings, language ? &*language : nullptr)) return 1;
    app.load_staff();

    Tf_MainForm form(app);
    prompter.set_parent(&form);
    if (language) apply_language_to_all(*language);
    show_with_geometry(form, app.options().window);
    return qapp.exec();
}
