#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <map>

#include "find_widget.h"
#include "login_dialog.h"

using namespace tabrel;

namespace {

struct MapStore : SettingsStore {
    std::map<std::string, std::string, std::less<>> values;

    std::optional<std::string> value(std::string_view name) const override {
        auto it = values.find(name);
        if (it == values.end()) return std::nullopt;
        return it->second;
    }
    bool set_value(std::string_view name, std::string_view text) override {
        values[std::string(name)] = text;
        return true;
    }
    bool remove(std::string_view name) override {
        if (auto it = values.find(name); it != values.end()) values.erase(it);
        return true;
    }
};

// Types into the shown dialog and presses Enter in the password field. Key clicks carry only
// Latin-1 characters; other text is put into the field.
int answer(LoginDialog& login, const QString& typed) {
    login.show();
    QLineEdit* field = test::widget<QLineEdit>(login, "e_pass");
    if (typed.toLatin1() == typed.toUtf8())
        QTest::keyClicks(field, typed);
    else
        field->setText(typed);
    QTest::keyClick(field, Qt::Key_Return);
    return login.result();
}

}  // namespace

class TestLoginDialog : public QObject {
    Q_OBJECT
private slots:
    void looks_as_the_user_knows_it() {
        MapStore store;
        LoginDialog login(store, LoginDialog::Mode::Check);
        QCOMPARE(login.windowTitle(), QStringLiteral("Tabrel - logowanie"));
        QCOMPARE(login.objectName(), QStringLiteral("f_Login"));
        QCOMPARE(test::widget<QLineEdit>(login, "e_pass")->echoMode(), QLineEdit::Password);
        QCOMPARE(test::widget<QPushButton>(login, "sb_Ok")->text(), QStringLiteral("OK"));
    }

    void the_right_password_passes_and_a_wrong_one_fails() {
        MapStore store;
        store.values["pwd"] = "3646396143";  // "tajne"
        LoginDialog right(store, LoginDialog::Mode::Check);
        QCOMPARE(answer(right, QStringLiteral("tajne")), int(QDialog::Accepted));
        LoginDialog wrong(store, LoginDialog::Mode::Check);
        QCOMPARE(answer(wrong, QStringLiteral("Tajne")), int(QDialog::Rejected));
        QCOMPARE(store.values["pwd"], std::string("3646396143"));
    }

    void a_polish_letter_is_hashed_as_its_cp1250_byte() {
        MapStore store;
        store.values["pwd"] = "1278417090";  // "Hasło123"
        LoginDialog login(store, LoginDialog::Mode::Check);
        QCOMPARE(answer(login, QString::fromUtf8("Hasło123")), int(QDialog::Accepted));
    }

    void no_stored_password_asks_nothing() {
        MapStore store;
        QVERIFY(login_at_start(store));
        store.values["pwd"] = "";
        QVERIFY(login_at_start(store));
    }

    void change_mode_stores_the_hash_and_an_empty_text_removes_it() {
        MapStore store;
        LoginDialog set(store, LoginDialog::Mode::Change);
        QCOMPARE(answer(set, QStringLiteral("tajne")), int(QDialog::Accepted));
        QCOMPARE(store.values["pwd"], std::string("3646396143"));
        LoginDialog clear(store, LoginDialog::Mode::Change);
        QCOMPARE(answer(clear, QString()), int(QDialog::Accepted));
        QVERIFY(!store.values.count("pwd"));
    }
};

QTEST_MAIN(TestLoginDialog)
#include "test_login_dialog.moc"
