#pragma once

#include <QSettings>
#include <QtGlobal>
#include <filesystem>

#include "app/app_state.h"
#include "support/test_support.h"

namespace tabrel::test {

// A program folder of its own with an opened, loaded data folder, and user settings of its
// own, so no test reads what another left and parallel test programs do not share a file.
// Given a ward, its data folder is copied in first and opened as the program opens it.
struct Program {
    TempDir folder;
    TempDir settings;
    FakePrompter prompter;
    Locale locale;
    AppState app{folder.path(), prompter, locale, system_clock()};

    explicit Program(const std::filesystem::path& ward = {}) {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           QString::fromStdString(settings.path().string()));
        if (!ward.empty())
            std::filesystem::copy(ward, folder / "dane", std::filesystem::copy_options::recursive);
        if (app.open_data_folder() != AppState::OpenResult::Ok) qFatal("data folder not opened");
        if (!ward.empty()) app.load_options();
        app.load_staff();
    }
    std::filesystem::path data(const char* name) const { return folder.path() / "dane" / name; }
};

}  // namespace tabrel::test
