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
#include "find_widget.h"
#include "i18n/cp1250.h"
#include "language_applier.h"
#include "support/ward_fixture.h"

using namespace tabrel;
using tabrel::test::widget;

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

// The duty types, ids in DutyType order; the group is the dialog's only one.
QButtonGroup* types_of(const DutyDialog& dialog) {
    auto* group = dialog.findChild<QButtonGroup*>();
    if (!group) qFatal("no group of duty types");
    return group;
}

// The dialog shown for `form`, active, so that focus moves as a user's keys move it.
struct Shown {
    DutyDialog dialog;
    Shown(Ward& ward, DutyForm& form) : dialog(ward.ward.prompter, nullptr) {
        dialog.load(form);
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        if (!QTest::qWaitForWindowActive(&dialog)) qFatal("dialog not active");
    }
    QButtonGroup* types() const { return types_of(dialog); }
    QRadioButton* type(DutyType t) const {
        return static_cast<QRadioButton*>(types()->button(static_cast<int>(t)));
    }
    QLineEdit* field(const char* name) const { return widget<QLineEdit>(dialog, name); }
    QString title() const { return widget<QGroupBox>(dialog, "rg_DutyType")->title(); }
    QScrollBar* bar() const { return widget<QScrollBar>(dialog, "pb_ShiftLength"); }
    QCheckBox* on_request() const { return widget<QCheckBox>(dialog, "cb_DutyOnRequest"); }
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
        QCOMPARE(s.title(), QString::fromUtf8("Czas trwania dyżuru: 00:00"));
    }

    void new_duty_shows_worker_day_and_shift_and_needs_a_type() {
        Ward w;
        DutyForm form = w.form(5, 2);
        Shown s(w, form);
        const DutyDialog& d = s.dialog;
        QCOMPARE(d.windowTitle(), QString::fromUtf8("Dodaj/Edytuj dyżur"));
        QCOMPARE(widget<QLabel>(d, "l_prac_idx")->text(), QStringLiteral("Nowak Anna"));
        QCOMPARE(widget<QLabel>(d, "l_DateValue")->text(), QStringLiteral("5 czerwiec 2024"));
        QCOMPARE(s.title(), QString::fromUtf8("Czas trwania dyżuru: 00:00"));
        QCOMPARE(s.field("me_DutyFrom")->text(), QStringLiteral("19:00"));
        QCOMPARE(s.field("me_DutyOvertime")->displayText(), QStringLiteral(" 00:00"));
        QCOMPARE(widget<QLabel>(d, "pb_DutyFrom")->text(), QStringLiteral("| 19:00"));
        QCOMPARE(widget<QLabel>(d, "pb_DutyTo")->text(), QStringLiteral("07:00 |"));
        QCOMPARE(s.types()->checkedButton(), nullptr);
        QVERIFY(!s.bar()->isEnabled());
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
        QCOMPARE(s.title(), QString::fromUtf8("Czas trwania dyżuru: 12:00"));
        QCOMPARE(s.field("me_DutyTo")->text(), QStringLiteral("19:00"));
        QVERIFY(!s.bar()->isEnabled());  // the whole shift has no room to move
        click_box(s.type(DutyType::Remainder));
        QCOMPARE(s.title(), QString::fromUtf8("Czas trwania dyżuru: 07:40"));
        QCOMPARE(s.field("me_DutyTo")->text(), QStringLiteral("14:40"));
        QVERIFY(s.bar()->isEnabled());

        // Entering the length field chooses "Inny"; leaving it takes the typed length.
        retype(s.field("me_Time"), QStringLiteral("0330"));
        QVERIFY(s.type(DutyType::Other)->isChecked());
        QTest::keyClick(s.field("me_Time"), Qt::Key_Tab);
        QCOMPARE(s.title(), QString::fromUtf8("Czas trwania dyżuru: 03:30"));
        QCOMPARE(s.field("me_DutyTo")->text(), QStringLiteral("10:30"));
    }

    void midnight_start_is_stored_as_1440_with_note_and_request() {
        Ward w;
        DutyForm form = w.form(5, 2);
        Shown s(w, form);
        click_box(s.type(DutyType::Other));
        retype(s.field("me_Time"), QStringLiteral("0400"));
        retype(s.field("me_DutyFrom"), QStringLiteral("0000"));
        QTest::keyClick(s.field("me_DutyFrom"), Qt::Key_Tab);
        QCOMPARE(s.field("me_DutyTo")->text(), QStringLiteral("04:00"));
        retype(s.field("me_DutyOvertime"), QStringLiteral("-0015"));
        type(s.field("e_Note"), QString::fromUtf8("Zamiana z Kowalską"));
        click_box(s.on_request());
        QTest::keyClick(s.field("e_Note"), Qt::Key_Return);

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
        retype(s.field("me_DutyTo"), QStringLiteral("0600"));
        QTest::keyClick(s.field("me_DutyTo"), Qt::Key_Return);

        QCOMPARE(s.dialog.result(), int(QDialog::Accepted));
        QCOMPARE(s.field("me_Time")->text(), QStringLiteral("11:00"));
        QVERIFY(s.type(DutyType::Other)->isChecked());
        const Duty& d = w.worker().duties[4];
        QCOMPARE(d.start, 1140);
        QCOMPARE(d.duration, 660);
    }

    void bar_slides_a_shorter_duty_inside_the_night_shift() {
        Ward w;
        DutyForm form = w.form(5, 2);
        Shown s(w, form);
        QScrollBar* bar = s.bar();
        click_box(s.type(DutyType::Eight));
        QVERIFY(bar->isEnabled());
        QCOMPARE(bar->toolTip(), QStringLiteral("19:00 - 02:35"));
        QCOMPARE(bar->pageStep(), 455);
        QCOMPARE(bar->maximum(), 720 - 455);  // the duty stays inside the shift

        bar->setValue(200);
        QCOMPARE(s.field("me_DutyFrom")->text(), QStringLiteral("22:20"));
        QCOMPARE(s.field("me_DutyTo")->text(), QStringLiteral("05:55"));
        QCOMPARE(bar->toolTip(), QStringLiteral("22:20 - 05:55"));
        QTest::keyClick(bar, Qt::Key_End);
        QCOMPARE(s.field("me_DutyFrom")->text(), QStringLiteral("23:25"));
        QCOMPARE(s.field("me_DutyTo")->text(), QStringLiteral("07:00"));

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
        QTest::keyClicks(s.field("e_Note"), QStringLiteral("x"));
        QTest::keyClick(s.field("e_Note"), Qt::Key_Escape);
        QCOMPARE(s.dialog.result(), int(QDialog::Rejected));
        QVERIFY(!s.dialog.isVisible());
        QCOMPARE(w.worker().duties[4].seq, 0);
    }

    void times_that_are_no_clock_times_are_refused_and_shown_again() {
        Ward w;
        DutyForm form = w.form(5, 1);
        Shown s(w, form);
        retype(s.field("me_DutyFrom"), QStringLiteral("2530"));
        QTest::keyClick(s.field("me_DutyFrom"), Qt::Key_Tab);
        QCOMPARE(w.ward.prompter.errors.size(), size_t{1});
        QCOMPARE(s.field("me_DutyFrom")->text(), QStringLiteral("07:00"));

        // A half-typed field stays open with the old value; OK does not go on with it.
        click_box(s.type(DutyType::WholeShift));
        retype(s.field("me_DutyFrom"), QStringLiteral("9999"));
        QTest::keyClick(s.field("me_DutyFrom"), Qt::Key_Return);
        QCOMPARE(w.ward.prompter.errors.size(), size_t{2});
        QVERIFY(s.dialog.isVisible());
        QCOMPARE(s.field("me_DutyFrom")->text(), QStringLiteral("07:00"));
        QCOMPARE(w.worker().duties[4].seq, 0);
    }

    void note_refuses_what_its_line_file_cannot_hold() {
        Ward w;
        DutyForm form = w.form(5, 1);
        Shown s(w, form);
        QLineEdit* note = s.field("e_Note");
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
        QCOMPARE(s.field("me_Time")->text(), QStringLiteral("11:00"));
        QCOMPARE(s.field("me_DutyFrom")->text(), QStringLiteral("19:00"));
        QCOMPARE(s.field("me_DutyTo")->text(), QStringLiteral("06:00"));
        QCOMPARE(s.field("me_DutyOvertime")->displayText(), QStringLiteral(" 00:30"));
        QCOMPARE(s.field("e_Note")->text(), QStringLiteral("stara"));
        QVERIFY(s.on_request()->isChecked());

        click_box(s.type(DutyType::WholeShift));
        click_box(s.on_request());
        QTest::mouseClick(widget<QPushButton>(s.dialog, "sb_Ok"), Qt::LeftButton);
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
            click_box(types_of(dialog)->button(1));
            QTest::mouseClick(widget<QPushButton>(dialog, "sb_Ok"), Qt::LeftButton);
            if (dialog.isVisible()) dialog.reject();
        });
        static_cast<DutyFormView&>(dialog).show(form);
        QCOMPARE(w.worker().duties[6].duration, 720);
        QCOMPARE(w.worker().duties[6].start, 420);
    }
};

QTEST_MAIN(TestDutyAddDialog)
#include "test_duty_add_dialog.moc"
