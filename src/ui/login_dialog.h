#pragma once

#include <QDialog>

#include "base/settings_store.h"
#include "storage/language_file.h"

class QLineEdit;

namespace tabrel {

// "Tabrel - logowanie": asks for the password at start, or sets a new one from the
// configuration dialog.
class LoginDialog : public QDialog {
    Q_OBJECT
public:
    enum class Mode {
        Check,   // accepted only when the typed password matches the stored hash
        Change,  // OK stores the typed password; an empty one removes it
    };

    LoginDialog(SettingsStore& store, Mode mode, QWidget* parent = nullptr);

private:
    void ok_clicked();
    void check();
    void change();

    SettingsStore& store_;
    Mode mode_;
    QLineEdit* e_pass;
};

// The start-up check: true when no password is stored or the right one was typed. A wrong
// password or a closed dialog ends the program. The dialog speaks the chosen language.
bool login_at_start(SettingsStore& store, const LanguageFile* language = nullptr);

}  // namespace tabrel
