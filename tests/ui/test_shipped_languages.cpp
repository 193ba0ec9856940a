#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QSettings>
#include <QTabBar>
#include <QTableWidget>
#include <QTest>

#include "day_properties_dialog.h"
#include "i18n/language_file.h"
#include "i18n/text.h"
#include "language_applier.h"
#include "login_dialog.h"
#include "qt_settings_store.h"
#include "window_fixture.h"
#include "worktime/day_properties.h"

using namespace tabrel;
using namespace tabrel::test;

namespace {

// One text a user can read, with where it stands.
struct Seen {
    QString where;
    QString text;
};

QString place(const QObject* object) {
    QString path;
    for (; object; object = object->parent())
        path.prepend(QLatin1Char('/') +
                     (object->objectName().isEmpty()
                          ? QString::fromLatin1(object->metaObject()->className())
                          : object->objectName()));
    return path;
}

void add(std::vector<Seen>& seen, const QObject* object, const char* role, const QString& text) {
    seen.push_back({place(object) + QLatin1Char(' ') + QLatin1String(role), text.trimmed()});
}

void add_widget(std::vector<Seen>& seen, QWidget* w) {
    if (w->isWindow()) add(seen, w, "title", w->windowTitle());
    add(seen, w, "hint", w->toolTip());
    if (auto* b = qobject_cast<QAbstractButton*>(w)) add(seen, w, "caption", b->text());
    if (auto* l = qobject_cast<QLabel*>(w)) add(seen, w, "caption", l->text());
    if (auto* g = qobject_cast<QGroupBox*>(w)) add(seen, w, "title", g->title());
    if (auto* m = qobject_cast<QMenu*>(w)) add(seen, w, "title", m->title());
    if (auto* c = qobject_cast<QComboBox*>(w); c && !c->isEditable())
        for (int i = 0; i < c->count(); ++i) add(seen, w, "item", c->itemText(i));
    if (auto* t = qobject_cast<QTabBar*>(w))
        for (int i = 0; i < t->count(); ++i) add(seen, w, "tab", t->tabText(i));
    if (auto* t = qobject_cast<QTableWidget*>(w))
        for (int i = 0; i < t->columnCount(); ++i)
            if (t->horizontalHeaderItem(i))
                add(seen, w, "header", t->horizontalHeaderItem(i)->text());
    for (const QString& item : w->property(kItemsProperty).toStringList())
        add(seen, w, "item", item);
}

// Every caption, title, item, tab, header and hint of the windows, in a fixed order.
std::vector<Seen> visible_texts(const std::vector<QWidget*>& windows) {
    std::vector<Seen> seen;
    for (QWidget* window : windows) {
        add_widget(seen, window);
        for (QWidget* w : window->findChildren<QWidget*>()) add_widget(seen, w);
        for (QAction* a : window->findChildren<QAction*>()) {
            if (a->isSeparator()) continue;
            add(seen, a, "caption", a->text());
            add(seen, a, "hint", a->toolTip());
        }
    }
    return seen;
}

bool has_words(const QString& text) {
    int letters = 0;
    for (QChar c : text) letters += c.isLetter();
    return letters >= 2;
}

// Texts that read the same in both languages: names, and the caption the program has always
// had in English.
const QStringList kNeutral = {
    QStringLiteral("OK"),        QStringLiteral("Tabrel"), QStringLiteral("Nowak Anna"),
    QStringLiteral("Chirurgia"), QStringLiteral("PESEL:"), QStringLiteral("E-mail:"),
    QStringLiteral("english"),   QStringLiteral("polski"), QStringLiteral("New period")};

// The program as it starts with `language` (none: the built-in texts): the main window with
// its dialogs, the login and the day properties, the file applied to all of them.
std::vector<Seen> started_with(const char* language) {
    language_texts().clear();
    std::optional<LanguageFile> file;
    if (language) {
        file = LanguageFile::load(std::string(TABREL_TEST_DATA "/../../lang/") + language);
        if (!file) qFatal("language file not found");
        file->install();
    }
    TempDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       QString::fromStdString(settings.path().string()));
    Program p;
    p.app.roster().groups = {ward_group()};
    p.app.roster().workers = {ward_worker(1, "Nowak", "AK")};
    MainWindow form(p.app);
    show_on_month(form, 2025, 3);
    QtSettingsStore store;
    LoginDialog login(store, LoginDialog::Mode::Check);
    DayProperties properties(p.app.roster(), p.app.options(), p.prompter, 4, 1);
    DayPropertiesDialog day(properties, p.app.roster(), p.prompter, nullptr);
    if (file) apply_language_to_all(*file);
    std::vector<QWidget*> windows{&form, &login, &day};
    std::vector<Seen> seen = visible_texts(windows);
    language_texts().clear();
    return seen;
}

}  // namespace

class TestShippedLanguages : public QObject {
    Q_OBJECT
private slots:
    void every_text_shows_in_the_chosen_language() {
        const std::vector<Seen> built = started_with(nullptr);
        const std::vector<Seen> polish = started_with("polski.lng");
        const std::vector<Seen> english = started_with("english.lng");
        QCOMPARE(polish.size(), built.size());
        QCOMPARE(english.size(), built.size());
        QVERIFY(built.size() > 300);
        QStringList changed, blank, untranslated;
        for (size_t i = 0; i < built.size(); ++i) {
            const Seen& was = built[i];
            if (polish[i].text != was.text)
                changed << was.where + QStringLiteral(": ") + was.text + QStringLiteral(" -> ") +
                               polish[i].text;
            if (!was.text.isEmpty() && english[i].text.isEmpty()) blank << was.where;
            if (english[i].text == was.text && has_words(was.text) && !kNeutral.contains(was.text))
                untranslated << was.where + QStringLiteral(": ") + was.text;
        }
        for (const QString& line : changed + blank + untranslated) qInfo("%s", qPrintable(line));
        QVERIFY2(changed.isEmpty(), qPrintable(changed.join(QLatin1Char('\n'))));
        QVERIFY2(blank.isEmpty(), qPrintable(blank.join(QLatin1Char('\n'))));
        QVERIFY2(untranslated.isEmpty(), qPrintable(untranslated.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(TestShippedLanguages)
#include "test_shipped_languages.moc"
