#include "login_dialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/login.h"
#include "i18n/cp1250.h"
#include "i18n/text.h"
#include "language_applier.h"
#include "qt_text.h"

namespace tabrel {

LoginDialog::LoginDialog(SettingsStore& store, Mode mode, QWidget* parent)
    : QDialog(parent), store_(store), mode_(mode) {
    setObjectName(QStringLiteral("f_Login"));
    setWindowTitle(QStringLiteral("Tabrel - logowanie"));
    auto* caption = new QLabel(QString::fromUtf8("Wprowadź hasło:"), this);
    caption->setObjectName(QStringLiteral("l_pass"));
    e_pass = new QLineEdit(this);
    e_pass->setObjectName(QStringLiteral("e_pass"));
    e_pass->setEchoMode(QLineEdit::Password);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("sb_Ok"));
    ok->setDefault(true);  // Enter in the field presses OK
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(caption);
    layout->addWidget(e_pass);
    layout->addWidget(ok, 0, Qt::AlignRight);
    connect(ok, &QPushButton::clicked, this, &LoginDialog::ok_clicked);
    // The title bar's buttons take room too; the whole title stays readable.
    setMinimumWidth(fontMetrics().horizontalAdvance(windowTitle()) + 160);
}

void LoginDialog::ok_clicked() {
    if (mode_ == Mode::Check)
        check();
    else
        change();
}

void LoginDialog::check() {
    const std::optional<std::string> typed = utf8_to_cp1250(e_pass->text().toStdString());
    const bool matches = typed && password_matches(*typed, stored_password_hash(store_));
    done(matches ? Accepted : Rejected);
}

// A password that cannot be kept is said so: the user must not believe the program protected.
void LoginDialog::change() {
    const std::optional<std::string> typed = utf8_to_cp1250(e_pass->text().toStdString());
    if (!typed) {
        QMessageBox::warning(this, QStringLiteral("Tabrel"),
                             qt_text(tabrel::tr("msg_PasswordCharacters",
                                                "Hasło zawiera znaki, których nie można użyć.")));
        return;
    }
    if (!change_password(store_, *typed)) {
        QMessageBox::critical(
            this, QStringLiteral("Tabrel"),
            qt_text(tabrel::tr("msg_PasswordNotSaved", "Nie można zapisać hasła.")));
        return;
    }
    accept();
}

bool login_at_start(SettingsStore& store, const LanguageFile* language) {
    if (stored_password_hash(store).empty()) return true;
    LoginDialog login(store, LoginDialog::Mode::Check);
    if (language) apply_language(*language, &login);
    return login.exec() == QDialog::Accepted;
}

}  // namespace tabrel
