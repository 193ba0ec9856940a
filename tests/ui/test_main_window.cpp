#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTest>
#include <filesystem>

#include "app/app_state.h"
#include "i18n/cp1250.h"
#include "i18n/text.h"
#include "language_applier.h"
#include "main_window.h"
#include "program_fixture.h"
#include "storage/language_file.h"
#include "support/test_support.h"

using namespace tabrel;
using tabrel::test::Program;

namespace {

Group group(uint16_t id, const char* name_utf8, bool old = false) {
    Group g;
    g.id = id;
    g.nazwa = cp(name_utf8);
    g.old = old;
    return g;
}

Worker worker(uint16_t id, const char* surname_utf8, const char* name_utf8, const char* grupy,
              bool old = false) {
    Worker w;
    w.id = id;
    w.nazwisko = cp(surname_utf8);
    w.imie = cp(name_utf8);
    w.pseudo = "AK";
    w.grupy = grupy;
    w.old = old;
    return w;
}

QStringList row_texts(const QListWidget* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i) texts << list->item(i)->text();
    return texts;
}

QStringList menu_texts(const QList<QAction*>& actions) {
    QStringList texts;
    for (const QAction* a : actions) texts << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return texts;
}

}  // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void empty_register_guides_to_adding_a_group() {
        Program p;
        MainWindow form(p.app);
        QCOMPARE(form.objectName(), QStringLiteral("Tf_MainForm"));
        QCOMPARE(form.windowTitle(), QStringLiteral("Tabrel"));
        QCOMPARE(form.calendar_area()->l_Guide->text(), QString::fromUtf8("Dodaj grupę"));
        QVERIFY(!form.calendar_area()->l_Guide->isHidden());
        QVERIFY(form.calendar_area()->sag->isHidden());
    }

    void group_without_members_guides_to_adding_a_worker() {
        Program p;
        Roster& r = p.app.roster();
        r.groups = {group(1, "Chirurgia"), group(2, "Usunięta", true)};
        r.workers = {worker(1, "Nowak", "Jan", "2|"), worker(2, "Zając", "Ewa", "1|", true)};
        MainWindow form(p.app);
        QCOMPARE(row_texts(form.lists()->cb_grupa), QStringList{QStringLiteral("Chirurgia")});
        QVERIFY(row_texts(form.lists()->cb_kadra_new).isEmpty());
        QCOMPARE(form.calendar_area()->l_Guide->text(), QStringLiteral("Dodaj pracownika"));
        QVERIFY(form.calendar_area()->sag->isHidden());

        r.workers.push_back(worker(3, "Kowalska", "Anna", "2|1|"));
        form.refresh_groups();
        QCOMPARE(row_texts(form.lists()->cb_kadra_new),
                 QStringList{QStringLiteral("Kowalska Anna")});
        QVERIFY(form.calendar_area()->l_Guide->isHidden());
        QVERIFY(!form.calendar_area()->sag->isHidden());
        QCOMPARE(r.current_group, int16_t(0));
        QCOMPARE(r.current_worker, uint16_t(2));
    }

    void choosing_a_group_lists_its_members() {
        Program p;
        Roster& r = p.app.roster();
        r.groups = {group(1, "Chirurgia"), group(2, "Interna")};
        r.workers = {worker(1, "Nowak", "Jan", "2|"), worker(2, "Wójcik", "Ola", "1|")};
        MainWindow form(p.app);
        QCOMPARE(row_texts(form.lists()->cb_kadra_new),
                 QStringList{QString::fromUtf8("Wójcik Ola")});
        form.lists()->cb_grupa->setCurrentRow(1);
        QCOMPARE(r.current_group, int16_t(1));
        QCOMPARE(row_texts(form.lists()->cb_kadra_new), QStringList{QStringLiteral("Nowak Jan")});
        QCOMPARE(r.current_worker, uint16_t(0));
    }

    void commands_have_their_names_captions_and_shortcuts() {
        Program p;
        MainWindow form(p.app);
        struct Expected {
            const char* name;
            const char* caption;
            QKeySequence shortcut;
        };
        const Expected expected[] = {
            {"a_WorkerAdd", "Dodaj pracownika", QKeySequence(Qt::CTRL | Qt::Key_Insert)},
            {"a_WorkerDelete", "Usuń pracownika", QKeySequence(Qt::Key_Delete)},
            {"a_WorkerRestore", "Przywróć", QKeySequence(Qt::SHIFT | Qt::Key_Delete)},
            {"a_PanelOnOff", "Lista pracowników", QKeySequence(Qt::Key_F4)},
            {"a_DutyAdd", "Dodaj dyżur", QKeySequence(Qt::Key_Insert)},
            {"a_automatic", "Rozpisz dyżury ", QKeySequence(Qt::CTRL | Qt::Key_R)},
            {"a_Templates", "Szablony wydruków", QKeySequence(Qt::CTRL | Qt::Key_D)},
            {"a_RestoreMonth", "dane \"miesiąca\"...", QKeySequence()},
            {"a_GroupAdd", "Dodaj grupę", QKeySequence()},
        };
        for (const Expected& e : expected) {
            const auto* action = form.findChild<QAction*>(QString::fromLatin1(e.name));
            QVERIFY2(action, e.name);
            QCOMPARE(action->text(), QString::fromUtf8(e.caption));
            QCOMPARE(action->shortcut(), e.shortcut);
        }
        QCOMPARE(form.actions().a_RestoreMonth->statusTip(),
                 QString::fromUtf8("Dane w kopii zapasowej mają min. 3 dni "));
        QCOMPARE(form.actions().a_DutyAdd->toolTip(),
                 QString::fromUtf8("Dodaj dyżur wybranemu pracownikowi w wybranym dniu"));
    }

    void main_menu_holds_the_seven_menus_in_order() {
        Program p;
        MainWindow form(p.app);
        const QStringList top = menu_texts(form.menuBar()->actions());
        QCOMPARE(
            top,
            (QString::fromUtf8("Edycja|Grupy|Pracownicy|Dyżury|Wolne|Narzędzia|Pomoc").split('|')));
        const QList<QAction*> menus = form.menuBar()->actions();
        QCOMPARE(menu_texts(menus[0]->menu()->actions()),
                 QString::fromUtf8("Cofnij|Ponów").split('|'));
        QCOMPARE(menu_texts(menus[2]->menu()->actions()),
                 QString::fromUtf8("Dodaj pracownika|Modyfikuj dane pracownika|Usuń pracownika|-|"
                                   "Przywróć|-|Lista pracowników")
                     .split('|'));
        QCOMPARE(menu_texts(menus[3]->menu()->actions()),
                 QString::fromUtf8("Rozpisz dyżury |Rozpisz dyżury optymalnie...|"
                                   "Nadpracowania automatyczne|-|Dodaj dyżur|-|"
                                   "Usuń dyżury...")
                     .split('|'));
        QCOMPARE(
            menu_texts(menus[5]->menu()->actions()),
            QString::fromUtf8("Konfiguracja|Szablony wydruków|Eksport do kalendarza (iCalendar)...|"
                              "Kontrola czasu pracy...|Lista pracowników|-|"
                              "Odzyskaj z kopii zapasowej...")
                .split('|'));
    }

    void month_bar_offers_the_polish_months() {
        Program p;
        MainWindow form(p.app);
        const QComboBox* months = form.month_bar()->cb_Month;
        QCOMPARE(months->count(), 12);
        QCOMPARE(months->itemText(0), QString::fromUtf8("Styczeń"));
        QCOMPARE(months->itemText(11), QString::fromUtf8("Grudzień"));
        const Date now = system_clock().today();
        QCOMPARE(months->currentIndex(), now.month - 1);
        QCOMPARE(form.month_bar()->se_Year->value(), now.year);
    }

    void closing_answered_no_keeps_the_window_and_writes_nothing() {
        Program p;
        p.app.roster().groups = {group(1, "Chirurgia")};
        p.prompter.answers = {false};
        MainWindow form(p.app);
        form.show();
        QVERIFY(!form.close());
        QVERIFY(form.isVisible());
        QCOMPARE(p.prompter.asked, std::vector<std::string>{cp("Czy na pewno zamknąć program?")});
        QVERIFY(!std::filesystem::exists(p.data("grupy.ini")));
    }

    void closing_answered_yes_saves_groups_and_staff() {
        Program p;
        p.app.roster().groups = {group(1, "Chirurgia")};
        p.app.roster().workers = {worker(1, "Nowak", "Jan", "1|")};
        MainWindow form(p.app);
        form.show();
        QVERIFY(form.close());
        QCOMPARE(p.prompter.asked.size(), size_t(1));
        QVERIFY(std::filesystem::exists(p.data("grupy.ini")));
        QVERIFY(std::filesystem::exists(p.data("kadra.inr")));
    }

    void month_steps_save_the_month_left_and_closing_saves_the_month_shown() {
        Program p;
        p.app.roster().groups = {group(3, "Chirurgia")};
        p.app.roster().workers = {worker(12, "Nowak", "Jan", "3|")};
        MainWindow form(p.app);
        form.month_bar()->show_month({2024, 12});
        form.month_bar()->cb_Month->setCurrentIndex(10);  // November 2024 is shown and loaded
        QCOMPARE(p.app.roster().shown_month, 10);
        QCOMPARE(p.app.roster().calendar.days.size(), size_t(30));

        form.month_bar()->tb_MonthNext->click();
        form.month_bar()->tb_MonthNext->click();
        QCOMPARE(form.month_bar()->year(), 2025);
        QCOMPARE(form.month_bar()->month(), 1);
        QVERIFY(std::filesystem::exists(p.data("2024_11.tbr")));
        QVERIFY(std::filesystem::exists(p.data("2024_12.tbr")));
        QVERIFY(!form.month_bar()->norm_value->text().isEmpty());

        form.setGeometry(40, 50, 1010, 700);
        form.show();
        QVERIFY(form.close());
        QVERIFY(std::filesystem::exists(p.data("2025_01.tbr")));
        const WindowGeometry& kept = p.app.options().window;
        QVERIFY(!kept.maximised);
        QCOMPARE(kept.width, std::optional<int>(1010));
        QCOMPARE(kept.height, std::optional<int>(700));
        QVERIFY(std::filesystem::exists(p.data("konfiguracja.ini")));
    }

    // Qt forgets the normal size of a maximised window that grows past its screen.
    void a_window_grown_past_its_screen_keeps_the_stored_size() {
        Program p;
        p.app.roster().groups = {group(1, "Chirurgia")};
        p.app.options().window.width = 1000;
        p.app.options().window.height = 700;
        MainWindow form(p.app);
        form.showMaximized();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.setMinimumWidth(form.screen()->availableSize().width() + 200);
        QVERIFY(form.close());
        const WindowGeometry& kept = p.app.options().window;
        QVERIFY(kept.maximised);
        QCOMPARE(kept.width, std::optional<int>(1000));
        QCOMPARE(kept.height, std::optional<int>(700));
    }

    void english_norm_texts_are_filled_in_not_shown_as_formats() {
        Program p;
        p.app.roster().groups = {group(3, "Chirurgia")};
        p.app.roster().workers = {worker(12, "Nowak", "Jan", "3|")};
        const auto english = LanguageFile::load(std::filesystem::path(TABREL_TEST_DATA) / ".." /
                                                ".." / "lang" / "english.lng");
        QVERIFY(english);
        english->install();
        MainWindow form(p.app);
        apply_language(*english, &form);
        language_texts().clear();
        QVERIFY(form.month_bar()->norm_title->text().startsWith(QStringLiteral("Working days")));
        QVERIFY(!form.month_bar()->norm_title->text().contains(QLatin1Char('%')));
        QVERIFY(!form.month_bar()->norm_value->text().contains(QLatin1Char('%')));
    }

    void escape_in_a_list_asks_to_close() {
        Program p;
        p.app.roster().groups = {group(1, "Chirurgia")};
        p.prompter.answers = {false, false};
        MainWindow form(p.app);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        for (QWidget* list : {static_cast<QWidget*>(form.lists()->cb_grupa),
                              static_cast<QWidget*>(form.lists()->cb_kadra_new)}) {
            list->setFocus();
            QTest::keyClick(list, Qt::Key_Escape);
        }
        QCOMPARE(p.prompter.asked.size(), size_t(2));
        QVERIFY(form.isVisible());
    }

    void a_failed_save_lets_the_user_stay() {
        Program p;
        p.app.roster().groups = {group(1, "Chirurgia")};
        std::filesystem::create_directory(p.data("grupy.ini"));
        p.prompter.answers = {true, false};
        MainWindow form(p.app);
        form.show();
        QVERIFY(!form.close());
        QCOMPARE(p.prompter.asked.size(), size_t(2));
        QCOMPARE(p.prompter.asked[1],
                 cp("Nie udało się zapisać danych. Czy mimo to zamknąć program?"));
        QVERIFY(form.isVisible());
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
