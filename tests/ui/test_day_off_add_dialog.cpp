#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include "day_off_dialog.h"
#include "editing/day_off_form.h"
#include "find_widget.h"
#include "i18n/cp1250.h"
#include "support/ward_fixture.h"

using namespace tabrel;
using tabrel::test::widget;

namespace {

// June 2024: Monday the 10th starts a working week of five days. An "8" duty is 8:00 here, so
// a working day off is worth 8:00 of leave.
struct Ward {
    test::Ward ward{2024, 6};
    Ward() {
        ward.roster.groups[0].profile.day8 = 480;
        ward.lay_out();
    }
    Worker& worker() { return ward.worker(); }
    DayOffForm form(int first_day) {
        return DayOffForm(ward.roster, ward.options, ward.prompter, 0, first_day);
    }
    QString informed() const {
        return ward.prompter.informed.empty()
                   ? QString()
                   : QString::fromStdString(cp1250_to_utf8(ward.prompter.informed.back()));
    }
};

struct Shown {
    DayOffDialog dialog{nullptr};
    explicit Shown(DayOffForm& form) {
        dialog.load(form);
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        if (!QTest::qWaitForWindowActive(&dialog)) qFatal("dialog not active");
    }
    QComboBox* kinds() const { return widget<QComboBox>(dialog, "cb_DayOffType"); }
    QSpinBox* spin(const char* name) const { return widget<QSpinBox>(dialog, name); }
    QLabel* label(const char* name) const { return widget<QLabel>(dialog, name); }
    void ok() { QTest::mouseClick(widget<QPushButton>(dialog, "sb_Ok"), Qt::LeftButton); }
};

// The kind list moved to `position` with the arrow keys, as a user would without opening it.
void choose_kind(QComboBox* list, int position) {
    list->setFocus();
    while (list->currentIndex() < position) QTest::keyClick(list, Qt::Key_Down);
    while (list->currentIndex() > position) QTest::keyClick(list, Qt::Key_Up);
}

// The spin's text replaced by `value` typed.
void retype(QSpinBox* spin, int value) {
    spin->setFocus();
    spin->selectAll();
    QTest::keyClicks(spin, QString::number(value));
}

}  // namespace

class TestDayOffAddDialog : public QObject {
    Q_OBJECT
private slots:
    void opens_on_no_duty_for_a_shift() {
        Ward w;
        DayOffForm form = w.form(10);
        Shown s(form);
        const DayOffDialog& d = s.dialog;
        QCOMPARE(d.windowTitle(), QStringLiteral("Dodaj/Edytuj wolne"));
        QCOMPARE(s.kinds()->count(), 18);
        QCOMPARE(s.kinds()->itemText(0), QString::fromUtf8("Bez dyżuru (daw. Na życzenie)"));
        QCOMPARE(s.kinds()->itemText(8), QStringLiteral("Inny "));
        QCOMPARE(s.kinds()->itemText(17), QString::fromUtf8("Okolicznościowy"));
        QCOMPARE(s.kinds()->currentIndex(), 0);
        QCOMPARE(s.label("l_DayOffFrom")->text(), QStringLiteral("Dnia: "));
        QCOMPARE(s.label("l_DayOffTo")->text(), QStringLiteral("na zmianie nr:"));
        QCOMPARE(s.spin("se_DayOffFrom")->value(), 10);
        QCOMPARE(s.spin("se_DayOffFrom")->maximum(), 30);
        QCOMPARE(s.spin("se_DayOffTo")->minimum(), 0);
        QCOMPARE(s.spin("se_DayOffTo")->maximum(), 2);
        QCOMPARE(s.spin("se_DayOffTo")->value(), 0);
        QVERIFY(s.label("l_DayOffLength")->isHidden());
        QVERIFY(s.label("l_DayOffLengthValue")->isHidden());

        QTest::keyClick(s.spin("se_DayOffTo"), Qt::Key_Up);
        QTest::keyClick(s.spin("se_DayOffTo"), Qt::Key_Up);
        QTest::keyClick(s.spin("se_DayOffTo"), Qt::Key_Return);
        QCOMPARE(s.dialog.result(), int(QDialog::Accepted));
        const DayOff& entry = w.worker().days_off[9];
        QCOMPARE(entry.kind, '\xBF');
        QCOMPARE(entry.from_day, 10);
        QCOMPARE(entry.to_day, 10);
        QCOMPARE(entry.minutes, 2);
        QVERIFY(!w.worker().duties[9].day_off_marker);
    }

    void annual_leave_takes_last_years_first() {
        Ward w;
        w.worker().urlop_prev = 600;
        w.worker().urlop = 9600;
        DayOffForm form = w.form(10);
        Shown s(form);
        choose_kind(s.kinds(), 1);
        QCOMPARE(s.label("l_DayOffFrom")->text(), QStringLiteral("Od:"));
        QCOMPARE(s.label("l_DayOffTo")->text(), QStringLiteral("Do:"));
        QVERIFY(!s.label("l_DayOffLengthValue")->isHidden());
        QCOMPARE(s.label("l_DayOffLength")->text(),
                 QStringLiteral("Czas trwania urlopu [godz.]: "));
        QCOMPARE(s.spin("se_DayOffTo")->minimum(), 10);
        QCOMPARE(s.spin("se_DayOffTo")->value(), 10);
        QCOMPARE(s.label("l_DayOffLengthValue")->text(), QStringLiteral("08:00"));

        QTest::keyClick(s.spin("se_DayOffTo"), Qt::Key_Up);
        QCOMPARE(s.label("l_DayOffLengthValue")->text(), QStringLiteral("16:00"));
        QTest::keyClick(s.spin("se_DayOffTo"), Qt::Key_Return);

        QCOMPARE(w.worker().urlop_prev, 0);
        QCOMPARE(w.worker().urlop, 9600 - 360);
        const DayOff& entry = w.worker().days_off[9];
        QCOMPARE(entry.kind, 'u');
        QCOMPARE(entry.to_day, 11);
        QCOMPARE(entry.minutes, 960);
    }

    void first_day_raises_the_last_and_weekends_count_nothing() {
        Ward w;
        DayOffForm form = w.form(10);
        Shown s(form);
        choose_kind(s.kinds(), 2);
        retype(s.spin("se_DayOffTo"), 16);
        QCOMPARE(s.label("l_DayOffLengthValue")->text(), QStringLiteral("40:00"));
        retype(s.spin("se_DayOffFrom"), 14);
        QCOMPARE(s.spin("se_DayOffTo")->minimum(), 14);
        QCOMPARE(s.spin("se_DayOffTo")->value(), 16);
        QCOMPARE(s.label("l_DayOffLengthValue")->text(), QStringLiteral("08:00"));
        retype(s.spin("se_DayOffFrom"), 20);
        QCOMPARE(s.spin("se_DayOffTo")->value(), 20);
    }

    void care_leave_over_the_limit_is_refused_and_the_dialog_stays() {
        Ward w;
        w.worker().opieka = 2;
        DayOffForm form = w.form(10);
        Shown s(form);
        choose_kind(s.kinds(), 6);
        retype(s.spin("se_DayOffTo"), 12);
        s.ok();
        QVERIFY(s.dialog.isVisible());
        QCOMPARE(w.informed(),
                 QString::fromUtf8("Wybrana liczba dni przekracza limit dni opieki dla wybranego "
                                   "pracownika!\rWolnego nie dodano."));
        QCOMPARE(w.worker().days_off[9].seq, 0);
        QCOMPARE(w.worker().opieka, 2);

        QTest::keyClick(s.spin("se_DayOffTo"), Qt::Key_Down);
        s.ok();
        QVERIFY(!s.dialog.isVisible());
        QCOMPARE(w.worker().days_off[9].kind, 'o');
        QCOMPARE(w.worker().days_off[9].to_day, 11);
        QCOMPARE(w.worker().opieka, 0);
    }

    void rehabilitation_over_the_limit_is_refused() {
        Ward w;
        w.worker().reha = 1;
        DayOffForm form = w.form(10);
        Shown s(form);
        choose_kind(s.kinds(), 14);
        QTest::keyClick(s.spin("se_DayOffTo"), Qt::Key_Up);
        QTest::keyClick(s.spin("se_DayOffTo"), Qt::Key_Return);
        QVERIFY(s.dialog.isVisible());
        QVERIFY(w.informed().contains(QStringLiteral("urlopu rehabilitacyjnego")));
        QCOMPARE(w.worker().days_off[9].seq, 0);
    }

    void escape_adds_nothing() {
        Ward w;
        w.worker().urlop = 960;
        DayOffForm form = w.form(10);
        Shown s(form);
        choose_kind(s.kinds(), 1);
        QTest::keyClick(s.spin("se_DayOffTo"), Qt::Key_Escape);
        QCOMPARE(s.dialog.result(), int(QDialog::Rejected));
        QCOMPARE(w.worker().days_off[9].seq, 0);
        QCOMPARE(w.worker().urlop, 960);
    }

    void shown_modally_through_the_dialog_interface() {
        Ward w;
        DayOffForm form = w.form(3);
        DayOffDialog dialog(nullptr);
        QTimer::singleShot(0, [&] {
            choose_kind(widget<QComboBox>(dialog, "cb_DayOffType"), 5);
            QTest::mouseClick(widget<QPushButton>(dialog, "sb_Ok"), Qt::LeftButton);
            if (dialog.isVisible()) dialog.reject();
        });
        static_cast<DayOffFormView&>(dialog).show(form);
        QCOMPARE(w.worker().days_off[2].kind, 'z');
        QVERIFY(w.worker().duties[2].day_off_marker);
    }
};

QTEST_MAIN(TestDayOffAddDialog)
#include "test_day_off_add_dialog.moc"
