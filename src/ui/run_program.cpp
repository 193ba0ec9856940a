#include "run_program.h"

#include <QApplication>
#include <QLocale>

#include "app/app_state.h"
#include "app/user_templates.h"
#include "i18n/text.h"
#include "language_applier.h"
#include "login_dialog.h"
#include "main_window.h"
#include "message_prompter.h"
#include "qt_locale.h"
#include "qt_settings_store.h"
#include "qt_translations.h"
#include "storage/options_file.h"
#include "window_geometry.h"

namespace tabrel {

int run_program(const ProgramFolders& folders) {
    MessagePrompter prompter;
    QtLocale locale;
    AppState app(folders, prompter, locale, system_clock());
    // A locked or unusable folder has been explained to the user and is left untouched.
    if (app.open_data_folder() != AppState::OpenResult::Ok) return 1;
    copy_shipped_templates(folders, prompter);
    app.load_options();
    const bool polish_system = QLocale::system().language() == QLocale::Polish;
    const Result<LanguageFile> language =
        choose_language(folders.resources, app.options().lang, polish_system);
    if (!language) prompter.inform(language.status().message());
    const std::string name = language_name(app.options().lang, polish_system);
    if (language) use_qt_translations(name);
    read_suggestions(load_options_file(app.data_folder()), name, app.options());
    // A wrong or cancelled password ends the program before anything is loaded or saved.
    QtSettingsStore settings;
    if (!login_at_start(settings, language ? &language.value() : nullptr)) return 1;
    app.load_staff();

    MainWindow form(app);
    prompter.set_parent(&form);
    if (language) {
        apply_language_to_all(language.value());
        form.follow_language();
    }
    show_with_geometry(form, app.options().window);
    return QApplication::exec();
}

int run_installed_or_portable(const std::filesystem::path& program_folder) {
    const std::optional<ProgramFolders> folders = program_folders(program_folder);
    if (folders) return run_program(*folders);
    MessagePrompter().error(tr("msg_NoUserFolder",
                               "Nie można ustalić folderu użytkownika, w którym program zapisuje "
                               "dane. Poproś o pomoc osobę, która zainstalowała program."));
    return 1;
}

}  // namespace tabrel
