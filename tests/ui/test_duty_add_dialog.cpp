#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include "duty_dialog.h"
#include "editing/duty_form.h"
#include "i18n/cp1250.h"
#include "language_applier.h"
#include "support/ward_fixture.h"

using namespace tabrel;

namespace {

// June 2024 on a ward with a day shift from 07:00 and a night shift from 19:00, 12 hours each;
// 20 working days, a norm of 151:40 and "8" duties of 7:35.
struct Ward {
    test::Ward ward{2024, 6};
    Worker& worker() { return ward.worker(); }
    DutyForm form(int day, int shift) {
        return DutyForm(ward.roster, ward.options, ward.prompter, 0, day, shift);
    }
    DutyForm editing(int day) {
        return DutyForm::editing(ward.roster, ward.options, ward.prompter, 0,
                                 worker().duties[day - 1]);
    }
    QString informed() const {
        return ward.prompter.informed.empty()
                   ? QString()
                   : QString::fromStdString(cp1250_to_utf8(ward.prompter.informed.back()));
    }
};

// The dialog shown for `form`, active, so that focus moves as a user's keys move it.
struct Shown {
    DutyDialog dialog;
    Shown(Ward& ward, DutyForm& form) : dialog(ward.ward.prompter, nullptr) {
        dialog.load(form);
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        if (!QTest::qWaitForWindowActive(&dialog)) qFatal("dialog not active");
    }
    QRadioButton* type(DutyType t) const {
        return static_cast<QRadioButton*>(dialog.duty_types->button(static_cast<int>(t)));
    }
};

// Key presses carrying `text`, one character each, as a keyboard layout would send them.
void type(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &release);
    }
}

// A click on the box of a check box or radio button (their labels may end before the centre).
void click_box(QAbstractButton* button) {
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

// Clicks into the field, selects what it holds and types over it.
void retype(QLineEdit* field, const QString& text) {
    QTest::mouseClick(field, Qt::LeftButton);
    field->selectAll();
    type(field, text);
}

QString utf8(const std::string& cp1250) {
    return QString::fromStdString(cp1250_to_utf8(cp1250));
}

}  // namespace

class TestDutyAddDialog : public QObject {
    Q_OBJECT
private slots:
    void a_language_file_leaves_the_computed_length_title_alone() {
        Ward w;
        DutyForm form = w.form(5, 2);
        Shown s(w, form);
        apply_language(LanguageFile(IniFile::parse("[f_DutyAdd]\r\nrg_DutyType=Duration\r\n")),
                       &s.dialog);
        QCOMPARE(s.dialog.rg_DutyType->title(), QString::fromUtf8("Czas trwania dyżuru: 00:00"));
    }

    void new_duty_shows_worker_day_and_shift_and_needs_a_type() {
        Ward w;
        DutyForm form = w.form(5, 2);
        Shown s(w, form);
        const DutyDialog& d = s.dialog;
        QCOMPARE(d.windowTitle(), QString::fromUtf8("Dodaj/Edytuj dyżur"));
        QCOMPARE(d.l_prac_idx->text(), QStringLiteral("Nowak Anna"));
        QCOMPARE(d.l_DateValue->text(), QStringLiteral("5 czerwiec 2024"));
        QCOMPARE(d.rg_DutyType->title(), QString::fromUtf8("Czas trwania dyżuru: 00:00"));
        QCOMPARE(d.me_DutyFrom->text(), QStringLiteral("19:00"));
        QCOMPARE(d.me_DutyOvertime->displayText(), QStringLiteral(" 00:00"));
        QCOMPARE(d.pb_DutyFrom->text(), QStringLiteral("| 19:00"));
        QCOMPARE(d.pb_DutyTo->text(), QStringLiteral("07:00 |"));
        QCOMPARE(d.duty_types->checkedButton(), nullptr);
        QVERIFY(!d.pb_ShiftLength->isEnabled());
        QCOMPARE(QApplication::focusWidget(), s.type(DutyType::Eight));

        QTest::keyClick(&s.dialog, Qt::Key_Return);
        QVERIFY(s.dialog.isVisible());
        QCOMPARE(w.informed(),
                 QString::fromUtf8("Aby dodać dyżur należy określić jego czas trwania!"));
        QCOMPARE(w.worker().duties[4].seq, 0);
    }

    void types_set_the_length_caption_and_end() {
        Ward w;
        DutyForm form = w.form(5, 1);
        Shown s(w, form);
        click_box(s.type(DutyType::WholeShift));
        QCOMPARE(s.dialog.rg_DutyType->title(), QString::fromUtf8("Czas trwania dyżuru: 12:00"));
        QCOMPARE(s.dialog.me_DutyTo->text(), QStringLiteral("19:00"));
        QVERIFY(!s.dialog.pb_ShiftLength->isEnabled());  // the whole shift has no room to move
        click_box(s.type(DutyType::Remainder));
        QCOMPARE(s.dialog.rg_DutyType->title(), QString::fromUtf8("Czas trwania dyżuru: 07:40"));
        QCOMPARE(s.dialog.me_DutyTo->text(), QStringLiteral("14:40"));
        QVERIFY(s.dialog.pb_ShiftLength->isEnabled());

        // Entering the length field chooses "Inny"; leaving it takes the typed length.
        retype(s.dialog.me_Time, QStringLiteral("0330"));
        QVERIFY(s.type(DutyType::Other)->isChecked());
        QTest::keyClick(s.dialog.me_Time, Qt::Key_Tab);
        QCOMPARE(s.dialog.rg_DutyType->title(), QString::fromUtf8("Czas trwania dyżuru: 03:30"));
        QCOMPARE(s.dialog.me_DutyTo->text(), QStringLiteral("10:30"));
    }

    void midnight_start_is_stored_as_1440_with_note_and_request() {
        Ward w;
        DutyForm form = w.form(5, 2);
        Shown s(w, form);
        click_box(s.type(DutyType::Other));
        retype(s.dialog.me_Time, QStringLiteral("0400"));
        retype(s.dialog.me_DutyFrom, QStringLiteral("0000"));
        QTest::keyClick(s.dialog.me_DutyFrom, Qt::Key_Tab);
        QCOMPARE(s.dialog.me_DutyTo->text(), QStringLiteral("04:00"));
        retype(s.dialog.me_DutyOvertime, QStringLiteral("-0015"));
        type(s.dialog.e_Note, QString::fromUtf8("Zamiana z Kowalską"));
        click_box(s.dialog.cb_DutyOnRequest);
        QTest::keyClick(s.dialog.e_Note, Qt::Key_Return);

        QCOMPARE(s.dialog.result(), int(QDialog::Accepted));
        const Duty& d = w.worker().duties[4];
        QVERIFY(d.seq != 0);
        QCOMPARE(d.start, 1440);
        QCOMPARE(d.duration, 240);
        QCOMPARE(d.overtime, -15);
        QCOMPARE(d.shift_no, 2);
        QCOMPARE(utf8(d.note), QString::fromUtf8("Zamiana z Kowalską"));
        QVERIFY(d.on_request);
        QVERIFY(w.ward.prompter.asked.empty());
    }

    void end_after_midnight_gives_the_length_even_when_enter_is_pressed_in_it() {
        Ward w;
        DutyForm form = w.form(5, 2);
        Shown s(w, form);
        retype(s.dialog.me_DutyTo, QStringLiteral("0600"));
        QTest::keyClick(s.dialog.me_DutyTo, Qt::Key_Return);

        QCOMPARE(s.dialog.result(), int(QDialog::Accepted));
        QCOMPARE(s.dialog.me_Time->text(), QStringLiteral("11:00"));
        QVERIFY(s.type(DutyType::Other)->isChecked());
        const Duty& d = w.worker().duties[4];
        QCOMPARE(d.start, 1140);
        QCOMPARE(d.duration, 660);
    }

    void bar_slides_a_shorter_duty_inside_the_night_shift() {
        Ward w;
        DutyForm form = w.form(5, 2);
        Shown s(w, form);
        QScrollBar* bar = s.dialog.pb_ShiftLength;
        click_box(s.type(DutyType::Eight));
        QVERIFY(bar->isEnabled());
        QCOMPARE(bar->toolTip(), QStringLiteral("19:00 - 02:35"));
        QCOMPARE(bar->pageStep(), 455);
        QCOMPARE(bar->maximum(), 720 - 455);  // the duty stays inside the shift

        bar->setValue(200);
        QCOMPARE(s.dialog.me_DutyFrom->text(), QStringLiteral("22:20"));
        QCOMPARE(s.dialog.me_DutyTo->text(), QStringLiteral("05:55"));
        QCOMPARE(bar->toolTip(), QStringLiteral("22:20 - 05:55"));
        QTest::keyClick(bar, Qt::Key_End);
        QCOMPARE(s.dialog.me_DutyFrom->text(), QStringLiteral("23:25"));
        QCOMPARE(s.dialog.me_DutyTo->text(), QStringLiteral("07:00"));

        // 7:35 fills the norm over the working days: the worker is asked about the month.
        w.ward.prompter.answers = {false};
        QTest::keyClick(&s.dialog, Qt::Key_Return);
        QCOMPARE(w.ward.prompter.asked.size(), size_t{1});
        QCOMPARE(utf8(w.ward.prompter.asked[0]),
                 QString::fromUtf8("Czy rozpisać wybrany dyżur na cały miesiąc?"));
        QCOMPARE(w.worker().duties[4].start, 1405);
        QCOMPARE(w.worker().duties[4].duration, 455);
        QCOMPARE(w.worker().duties[5].seq, 0);
    }

    void escape_stores_nothing() {
        Ward w;
        DutyForm form = w.form(5, 1);
        Shown s(w, form);
        click_box(s.type(DutyType::WholeShift));
        QTest::keyClicks(s.dialog.e_Note, QStringLiteral("x"));
        QTest::keyClick(s.dialog.e_Note, Qt::Key_Escape);
        QCOMPARE(s.dialog.result(), int(QDialog::Rejected));
        QVERIFY(!s.dialog.isVisible());
        QCOMPARE(w.worker().duties[4].seq, 0);
    }

    void times_that_are_no_clock_times_are_refused_and_shown_again() {
        Ward w;
        DutyForm form = w.form(5, 1);
        Shown s(w, form);
        retype(s.dialog.me_DutyFrom, QStringLiteral("2530"));
        QTest::keyClick(s.dialog.me_DutyFrom, Qt::Key_Tab);
        QCOMPARE(w.ward.prompter.errors.size(), size_t{1});
        QCOMPARE(s.dialog.me_DutyFrom->text(), QStringLiteral("07:00"));

        // A half-typed field stays open with the old value; OK does not go on with it.
        click_box(s.type(DutyType::WholeShift));
        retype(s.dialog.me_DutyFrom, QStringLiteral("9999"));
        QTest::keyClick(s.dialog.me_DutyFrom, Qt::Key_Return);
        QCOMPARE(w.ward.prompter.errors.size(), size_t{2});
        QVERIFY(s.dialog.isVisible());
        QCOMPARE(s.dialog.me_DutyFrom->text(), QStringLiteral("07:00"));
        QCOMPARE(w.worker().duties[4].seq, 0);
    }

    void note_refuses_what_its_line_file_cannot_hold() {
        Ward w;
        DutyForm form = w.form(5, 1);
        Shown s(w, form);
        QLineEdit* note = s.dialog.e_Note;
        type(note, QString::fromUtf8("ab¤"));
        QCOMPARE(note->text(), QStringLiteral("ab"));
        QCOMPARE(w.informed(), QString::fromUtf8("Wpisanego znaku nie można zapisać w tym polu. "
                                                 "Tekst pozostał bez zmian."));
        type(note, QString::fromUtf8("ñ"));  // not in cp1250
        QCOMPARE(w.ward.prompter.informed.size(), size_t{2});
        QApplication::clipboard()->setText(QStringLiteral("c\r\nd"));
        QTest::keySequence(note, QKeySequence::Paste);
        type(note, QString::fromUtf8("ęż"));
        type(note, QString(40, QLatin1Char('z')));
        QVERIFY(note->text().size() <= 30);

        click_box(s.type(DutyType::WholeShift));
        QTest::keyClick(note, Qt::Key_Return);
        const std::string stored = w.worker().duties[4].note;
        QVERIFY(stored.find_first_of("\xA4\r\n") == std::string::npos);
        QVERIFY(utf8(stored).startsWith(QStringLiteral("ab")));
        QVERIFY(utf8(stored).contains(QString::fromUtf8("ęż")));
        QCOMPARE(stored.size(), size_t{30});
    }

    void editing_fills_every_field_and_replaces_the_duty() {
        Ward w;
        w.ward.duty(5, 2, 1140, 660, 30);
        w.worker().duties[4].note = cp("stara");
        w.worker().duties[4].on_request = true;
        DutyForm form = w.editing(5);
        Shown s(w, form);
        QVERIFY(s.type(DutyType::Other)->isChecked());
        QCOMPARE(s.dialog.me_Time->text(), QStringLiteral("11:00"));
        QCOMPARE(s.dialog.me_DutyFrom->text(), QStringLiteral("19:00"));
        QCOMPARE(s.dialog.me_DutyTo->text(), QStringLiteral("06:00"));
        QCOMPARE(s.dialog.me_DutyOvertime->displayText(), QStringLiteral(" 00:30"));
        QCOMPARE(s.dialog.e_Note->text(), QStringLiteral("stara"));
        QVERIFY(s.dialog.cb_DutyOnRequest->isChecked());

        click_box(s.type(DutyType::WholeShift));
        click_box(s.dialog.cb_DutyOnRequest);
        QTest::mouseClick(s.dialog.sb_Ok, Qt::LeftButton);
        const Duty& d = w.worker().duties[4];
        QCOMPARE(d.duration, 720);
        QCOMPARE(d.overtime, 30);
        QVERIFY(!d.on_request);
        QCOMPARE(d.note, std::string("stara"));
    }

    void shown_modally_through_the_dialog_interface() {
        Ward w;
        DutyForm form = w.form(7, 1);
        DutyDialog dialog(w.ward.prompter, nullptr);
        QTimer::singleShot(0, [&] {
            click_box(dialog.duty_types->button(1));
            QTest::mouseClick(dialog.sb_Ok, Qt::LeftButton);
            if (dialog.isVisible()) dialog.reject();
        });
        static_cast<DutyFormView&>(dialog).show(form);
        QCOMPARE(w.worker().duties[6].duration, 720);
        QCOMPARE(w.worker().duties[6].start, 420);
    }
};

QTEST_MAIN(TestDutyAddDialog)
#include "test_duty_add_dialog.moc"
