#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include "app/app_state.h"
#include "find_widget.h"
#include "i18n/cp1250.h"
#include "program_fixture.h"
#include "support/test_support.h"
#include "worker_commands.h"
#include "worker_dialog.h"

using namespace tabrel;
using tabrel::test::Program;
using tabrel::test::widget;

namespace {

void type(QWidget* widget, const char* utf8) {
    for (const QChar c : QString::fromUtf8(utf8)) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &release);
    }
}

// Leaving a field the way Tab does.
void leave(QWidget* field) {
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(field, &out);
}

Group group(uint16_t id, const char* name, int shifts = 2) {
    Group g;
    g.id = id;
    g.nazwa = name;
    g.profile.shifts.resize(shifts);
    return g;
}

// A ward with groups 1, 3 and 5 (group 1 current) and worker 7 of group 1.
struct Ward : Program {
    Ward() {
        Roster& r = app.roster();
        r.groups = {group(1, "Chirurgia"), group(3, "Interna"), group(5, "Ortopedia")};
        r.current_group = 0;
        Worker w;
        w.id = 7;
        w.nazwisko = "Nowak";
        w.imie = "Jan";
        w.pseudo = "NJ";
        w.grupy = "1|";
        w.grupa = 1;
        w.zawod = cp("Oddziałowa");
        w.etat = 87.5;
        w.duties[2].seq = 1;
        w.duties[2].worker_id = 7;
        w.duties[2].group_id = 1;
        w.duties[2].day_no = 3;
        r.workers = {w};
        r.rebuild_worker_ids();
        app.options().occupations = {cp("Pielęgniarka"), "Salowa"};
        app.options().educations = {cp("Wyższe")};
    }
};

struct Editor {
    Ward p;
    WorkerDialog dialog{p.app};
    Editor() {
        dialog.prepare_new();
        dialog.show();
    }
    QListWidget* groups() const { return widget<QListWidget>(dialog, "clb_Group"); }
    QLineEdit* field(const char* name) const { return widget<QLineEdit>(dialog, name); }
    void tick(int row) { groups()->item(row)->setCheckState(Qt::Checked); }
    void ok() { QTest::mouseClick(widget<QPushButton>(dialog, "sb_Ok"), Qt::LeftButton); }
};

}  // namespace

class TestWorkerDialog : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland)); }

    void new_worker_from_the_defaults() {
        Editor e;
        WorkerDialog& d = e.dialog;
        QCOMPARE(d.windowTitle(), QString::fromUtf8("Dodaj/Edytuj pracownika"));
        const auto* occupation = widget<QComboBox>(d, "cb_Occupation");
        QCOMPARE(e.field("e_PartTime")->text(), QStringLiteral("100"));
        QCOMPARE(e.field("me_CurrentYearHoliday")->text(), QStringLiteral("197:10"));
        QCOMPARE(e.field("me_LastYearHoliday")->text(), QStringLiteral("000:00"));
        QVERIFY(!e.field("me_wnq_Norma")->isEnabled());
        QCOMPARE(occupation->currentText(), QString::fromUtf8("Oddziałowa"));
        QCOMPARE(widget<QComboBox>(d, "cb_education")->currentText(), QString::fromUtf8("Wyższe"));
        QCOMPARE(occupation->itemText(occupation->count() - 1),
                 QString::fromUtf8("    *** dostosuj listę... ***"));
        QCOMPARE(e.groups()->count(), 3);
        QCOMPARE(e.groups()->item(0)->checkState(), Qt::Checked);
        QCOMPARE(e.groups()->item(1)->checkState(), Qt::Unchecked);
        QCOMPARE(widget<QComboBox>(d, "cb_Group")->currentText(), QStringLiteral("Chirurgia"));
        QVERIFY(widget<QSlider>(d, "tb_PrefsDaysNights")->isEnabled());
        QVERIFY(widget<QRadioButton>(d, "rb_WithoutAuto")->isChecked());
        QVERIFY(widget<QLabel>(d, "l_id")->text().isEmpty());
    }

    void new_worker_short_name_part_time_and_groups() {
        Editor e;
        WorkerDialog& d = e.dialog;
        QLineEdit* surname = e.field("e_Surname");
        QLineEdit* name = e.field("e_Name");
        QLineEdit* nick = e.field("e_Nick");
        type(surname, "Kowalska");
        leave(surname);
        QVERIFY(nick->text().isEmpty());
        type(name, "Anna");
        leave(name);
        QCOMPARE(nick->text(), QStringLiteral("KA"));
        e.field("e_PartTime")->clear();
        e.groups()->item(0)->setCheckState(Qt::Unchecked);
        e.tick(1);
        e.tick(2);
        e.ok();
        QVERIFY(!d.isVisible());

        const Roster& r = e.p.app.roster();
        QCOMPARE(r.workers.size(), size_t(2));
        const Worker& w = r.workers[1];
        QCOMPARE(w.pseudo, std::string("KA"));
        QCOMPARE(w.etat, 100.0);
        QCOMPARE(w.grupy, std::string("3|5|"));
        QCOMPARE(w.id, uint16_t(8));
        QCOMPARE(w.urlop, uint16_t(11830));
        QCOMPARE(cp1250_to_utf8(w.zawod), std::string("Oddziałowa"));
        QCOMPARE(r.current_worker, uint16_t(1));
        QVERIFY(d.stored()->redisplay);
    }

    void typed_keys_are_filtered() {
        Editor e;
        WorkerDialog& d = e.dialog;
        QLineEdit* part_time = e.field("e_PartTime");
        QLineEdit* pattern = e.field("e_SystemPattern");
        QLineEdit* address = e.field("e_Address");
        QLineEdit* zip_code = e.field("e_ZipCode");
        QLineEdit* nick = e.field("e_Nick");
        auto* start = widget<QSpinBox>(d, "se_AutoSystemStartFrom");
        part_time->clear();
        type(part_time, "8x7.5,5");
        QCOMPARE(part_time->text(), QStringLiteral("87,55"));
        pattern->clear();
        type(pattern, "12034");
        QCOMPARE(pattern->text(), QStringLiteral("120"));
        QCOMPARE(start->maximum(), 3);
        pattern->setText(QStringLiteral("12"));
        QCOMPARE(start->maximum(), 2);
        type(address, "Polna¤ 1");
        QCOMPARE(address->text(), QStringLiteral("Polna 1"));
        QCOMPARE(e.p.prompter.informed.size(), size_t(1));
        type(zip_code, "00-9501");
        QCOMPARE(zip_code->text(), QStringLiteral("00-950"));
        type(nick, "ABCDE");
        QCOMPARE(nick->text(), QStringLiteral("ABCD"));
        widget<QRadioButton>(d, "rb_AutoScheme")->setChecked(true);
        start->setValue(2);
        QTest::keyClick(e.field("e_Surname"), Qt::Key_Return);
        QVERIFY(!d.isVisible());
        const Worker& w = e.p.app.roster().workers[1];
        QCOMPARE(w.etat, 87.55);
        QCOMPARE(w.pseudo, std::string("ABC"));
        QCOMPARE(w.adres, std::string("Polna 1"));
        QCOMPARE(w.pref_system_pattern, std::string("12"));
        QCOMPARE(w.pref_system_start_from, uint8_t(2));
        QVERIFY(w.pref_system && !w.pref_without_auto && !w.pref_8);
    }

    void edit_keeps_the_worker_and_its_duties() {
        Editor e;
        WorkerDialog& d = e.dialog;
        d.prepare_edit(0);
        QLineEdit* nick = e.field("e_Nick");
        QLineEdit* own_norm = e.field("me_wnq_Norma");
        QCOMPARE(widget<QLabel>(d, "l_id")->text(), QStringLiteral("id: 7"));
        QCOMPARE(e.field("e_PartTime")->text(), QStringLiteral("87,500000"));
        QCOMPARE(nick->text(), QStringLiteral("NJ"));
        QCOMPARE(widget<QComboBox>(d, "cb_Group")->currentText(), QStringLiteral("Chirurgia"));
        nick->clear();
        leave(e.field("e_Name"));
        QVERIFY(nick->text().isEmpty());
        type(nick, "JN");
        widget<QCheckBox>(d, "cb_wn_Norma")->setChecked(true);
        QVERIFY(own_norm->isEnabled());
        own_norm->setText(QStringLiteral("150:30"));
        e.tick(2);
        e.ok();

        const Roster& r = e.p.app.roster();
        QCOMPARE(r.workers.size(), size_t(1));
        const Worker& w = r.workers[0];
        QCOMPARE(w.id, uint16_t(7));
        QCOMPARE(w.pseudo, std::string("JN"));
        QCOMPARE(w.grupy, std::string("1|5|"));
        QCOMPARE(w.grupa, uint16_t(0));
        QCOMPARE(w.etat, 87.5);
        QVERIFY(w.own_norm_set);
        QCOMPARE(w.own_norm, int16_t(9030));
        QCOMPARE(w.duties[2].seq, int16_t(1));
        QVERIFY(d.stored()->redisplay);
    }

    void a_time_that_is_no_time_keeps_the_dialog_open() {
        Editor e;
        WorkerDialog& d = e.dialog;
        e.field("me_LastMonthHours")->setText(QStringLiteral("999:00"));
        e.ok();
        QVERIFY(d.isVisible());
        QCOMPARE(e.p.prompter.errors.size(), size_t(1));
        QCOMPARE(e.p.app.roster().workers.size(), size_t(1));
        QTest::keyClick(e.field("e_Surname"), Qt::Key_Escape);
        QVERIFY(!d.isVisible());
        QCOMPARE(e.p.app.roster().workers.size(), size_t(1));
    }

    void customising_a_list_keeps_the_text() {
        Editor e;
        WorkerDialog& d = e.dialog;
        std::vector<bool> asked;
        d.customise_list = [&](bool occupations) {
            asked.push_back(occupations);
            e.p.app.options().occupations.push_back("Ratownik");
        };
        auto* occupation = widget<QComboBox>(d, "cb_Occupation");
        const int last = occupation->count() - 1;
        occupation->setCurrentIndex(last);
        emit occupation->activated(last);
        QCOMPARE(asked, std::vector<bool>{true});
        QCOMPARE(occupation->currentText(), QString::fromUtf8("Oddziałowa"));
        QCOMPARE(occupation->itemText(2), QStringLiteral("Ratownik"));
        QCOMPARE(occupation->count(), 4);
    }

    void stored_settings_hide_tabs() {
        Ward p;
        QSettings(QStringLiteral("Dravik"), QStringLiteral("Tabrel"))
            .setValue(QStringLiteral("tab_adress_visible"), false);
        WorkerDialog hidden(p.app);
        const auto* tabs = widget<QTabWidget>(hidden, "pc_Worker");
        QVERIFY(!tabs->isTabVisible(2));
        QVERIFY(tabs->isTabVisible(3));
    }

    void commands_delete_restore_and_guards() {
        Ward p;
        QWidget window;
        RegisterEditors editors(p.app, &window);
        p.prompter.answers = {false, true};
        QVERIFY(!run_worker_delete(editors, 0));
        QCOMPARE(cp1250_to_utf8(p.prompter.asked.at(0)),
                 std::string("Usunąć pracownika: Nowak Jan?"));
        QVERIFY(run_worker_delete(editors, 0));
        QVERIFY(p.app.roster().workers[0].old);
        QVERIFY(run_worker_restore(editors, 0));
        QVERIFY(!p.app.roster().workers[0].old);
        QCOMPARE(p.app.roster().workers[0].duties[2].seq, int16_t(1));
        QVERIFY(!run_worker_restore(editors, 0));

        QTimer::singleShot(0, [] {
            if (QWidget* dialog = QApplication::activeModalWidget())
                QTest::keyClick(dialog, Qt::Key_Escape);
        });
        QVERIFY(!run_worker_edit(editors, -1));
        QCOMPARE(cp1250_to_utf8(p.prompter.informed.at(0)),
                 std::string("Najpierw należy dodać pracownika."));
        QVERIFY(editors.worker().is_new());

        p.app.roster().groups.clear();
        p.app.roster().current_group = -1;
        QTimer::singleShot(0, [] {
            if (QWidget* dialog = QApplication::activeModalWidget())
                QTest::keyClick(dialog, Qt::Key_Escape);
        });
        QVERIFY(!run_worker_add(editors, 0));
        QCOMPARE(cp1250_to_utf8(p.prompter.informed.at(1)),
                 std::string("Najpierw należy utworzyć grupę."));
    }
};

QTEST_MAIN(TestWorkerDialog)
#include "test_worker_dialog.moc"
