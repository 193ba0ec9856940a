#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include "day_properties_dialog.h"
#include "duty_timeline.h"
#include "editing/day_properties.h"
#include "find_widget.h"
#include "i18n/cp1250.h"
#include "notes_edit.h"
#include "support/ward_fixture.h"

using namespace tabrel;

namespace {

constexpr Colour kDayBand = rgb(255, 240, 200);
constexpr Colour kNightBand = rgb(200, 200, 255);
constexpr Colour kNowak = rgb(255, 0, 0);

// June 2024 on a ward with a day shift from 07:00 and a night shift from 19:00, 12 hours each.
// Tuesday the 4th has Nowak on the night, a worker of group 1 on a duty covered by her day off,
// and a duty kept for another group.
struct Ward {
    test::Ward ward{2024, 6};
    Ward() {
        ward.roster.groups[0].profile.shifts[0].zkolor = kDayBand;
        ward.roster.groups[0].profile.shifts[1].zkolor = kNightBand;
        ward.worker().kolor = kNowak;
        ward.worker().pseudo = "AN";
        ward.duty(4, 2, 1140, 720);
        ward.hire(6).imie = "Ewa";
        ward.duty(4, 1, 420, 480, 60, 1, 6);
        ward.hire(7);
        ward.duty(4, 1, 420, 720, 0, 2, 7);
        ward.hire(8);
        ward.duty(4, 1, 420, 720, 0, 1, 8);
        ward.roster.workers[3].duties[3].day_off_marker = true;
    }
    CalendarDay& day(int d) { return ward.roster.calendar.days[d - 1]; }
    DayProperties properties(int day) {
        return DayProperties(ward.roster, ward.options, ward.prompter, day, 1);
    }
};

// The dialog's widgets the tests work with, found by their names.
struct Widgets {
    QTabWidget* tabs;
    QListWidget* lb_day;
    QAction* mi_DutyDelete;
    QLabel* l_notes;
    NotesEdit* m_Notes;
    QPushButton* b_DefaultHoliday;
    QCheckBox* cb_ERDuty;
    QPushButton* sb_Ok;

    explicit Widgets(const QDialog& d)
        : tabs(test::widget<QTabWidget>(d, "pc_DayProperties")),
          lb_day(test::widget<QListWidget>(d, "lb_day")),
          mi_DutyDelete(test::widget<QAction>(d, "mi_DutyDelete")),
          l_notes(test::widget<QLabel>(d, "l_notes")),
          m_Notes(test::widget<NotesEdit>(d, "m_Notes")),
          b_DefaultHoliday(test::widget<QPushButton>(d, "b_DefaultHoliday")),
          cb_ERDuty(test::widget<QCheckBox>(d, "cb_ERDuty")),
          sb_Ok(test::widget<QPushButton>(d, "sb_Ok")) {}
};

struct Shown {
    DayPropertiesDialog dialog;
    Widgets ui;
    Shown(Ward& w, DayProperties& properties)
        : dialog(properties, w.ward.roster, w.ward.prompter, nullptr), ui(dialog) {
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        if (!QTest::qWaitForWindowActive(&dialog)) qFatal("dialog not active");
    }
    void click_row(int row) {
        QListWidget* list = ui.lb_day;
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(row)).center());
    }
    void open_notes() {
        ui.tabs->setCurrentIndex(1);
        QTest::mouseClick(ui.m_Notes->viewport(), Qt::LeftButton);
    }
};

void type(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &release);
    }
}

QString utf8(const std::string& cp1250) {
    return QString::fromStdString(cp1250_to_utf8(cp1250));
}

QString counter(int left) {
    return QString::fromUtf8("Notatki: (pozostało znaków: %1)").arg(left);
}

QColor colour(Colour c) {
    return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

}  // namespace

class TestDayPropertiesDialog : public QObject {
    Q_OBJECT
private slots:
    void time_line_starts_at_the_first_shift_and_rounds_halves_to_even() {
        const DutyTimeline wide(QRect(0, 0, 1462, 18), 420);  // one pixel a minute
        QCOMPARE(wide.x(420), 20);
        QCOMPARE(wide.x(1140), 20 + 720);
        QCOMPARE(wide.x(1440), 20 + 1020);
        QCOMPARE(wide.x(120), 20 + 1140);  // 02:00 belongs to the night that began the day
        QCOMPARE(wide.span(1140, 720, 4), QRect(QPoint(740, 4), QPoint(1460, 13)));
        QCOMPARE(wide.span(1140, -60, 4).left(), 680);

        const DutyTimeline half(QRect(10, 0, 742, 18), 0);  // half a pixel a minute
        QCOMPARE(half.x(1), 30);
        QCOMPARE(half.x(3), 32);
        QCOMPARE(half.x(5), 32);
    }

    void lists_the_current_groups_working_duties_with_their_hint() {
        Ward w;
        DayProperties properties = w.properties(4);
        Shown s(w, properties);
        const DayPropertiesDialog& d = s.dialog;
        const Widgets& ui = s.ui;
        QCOMPARE(d.windowTitle(), QStringLiteral("Dzień - parametry"));
        QCOMPARE(ui.tabs->tabText(0), QString::fromUtf8("Dyżury"));
        QCOMPARE(ui.tabs->tabText(1), QStringLiteral("Inne"));
        QCOMPARE(ui.lb_day->count(), 2);
        QCOMPARE(ui.lb_day->visualItemRect(ui.lb_day->item(0)).height(), 18);
        QCOMPARE(ui.lb_day->toolTip(), QString());
        QVERIFY(!ui.mi_DutyDelete->isEnabled());

        s.click_row(1);
        QCOMPARE(ui.lb_day->toolTip(), QStringLiteral("[Ewa Nowak] 07:00 - 15:00"));
        s.click_row(0);
        QCOMPARE(ui.lb_day->toolTip(), QStringLiteral("[Anna Nowak] 19:00 - 07:00"));
        QVERIFY(ui.mi_DutyDelete->isEnabled());

        DayProperties other_day = w.properties(5);
        Shown empty(w, other_day);
        QCOMPARE(empty.ui.lb_day->count(), 0);
    }

    void rows_draw_the_square_the_bands_and_the_duty() {
        Ward w;
        DayProperties properties = w.properties(4);
        Shown s(w, properties);
        QListWidget* list = s.ui.lb_day;
        const QImage image = list->viewport()->grab().toImage();
        const QRect row = list->visualItemRect(list->item(0));
        const DutyTimeline line(row, 420);
        const int middle = row.center().y();
        const auto at = [&](int x, int y) { return QColor(image.pixel(x, y)); };
        QCOMPARE(at(row.left() + 2, row.top() + 2), colour(kNowak));    // the square
        QCOMPARE(at(line.x(600), row.top() + 2), colour(kDayBand));     // a free day hour
        QCOMPARE(at(line.x(600), middle), colour(kDayBand));            // no duty then
        QCOMPARE(at(line.x(1320), row.top() + 2), colour(kNightBand));  // over the band
        QCOMPARE(at(line.x(1320), middle), colour(kNowak));             // the night duty
        QCOMPARE(at(line.x(120), middle), colour(kNowak));              // past midnight
    }

    void duty_deleted_from_the_popup_after_the_question() {
        Ward w;
        DayProperties properties = w.properties(4);
        Shown s(w, properties);
        s.click_row(1);
        w.ward.prompter.answers = {false};
        s.ui.mi_DutyDelete->trigger();
        QCOMPARE(s.ui.lb_day->count(), 2);
        QCOMPARE(utf8(w.ward.prompter.asked.back()), QString::fromUtf8("Czy napewno usunąć?"));

        s.click_row(1);
        s.ui.mi_DutyDelete->trigger();
        QCOMPARE(s.ui.lb_day->count(), 1);
        QCOMPARE(w.ward.roster.workers[1].duties[3].seq, 0);
        QVERIFY(w.ward.roster.workers[0].duties[3].seq != 0);
        QVERIFY(properties.duty_deleted());
        QVERIFY(!s.ui.mi_DutyDelete->isEnabled());
    }

    void notes_of_255_characters_count_down_to_zero_and_take_no_more() {
        Ward w;
        DayProperties properties = w.properties(4);
        Shown s(w, properties);
        s.open_notes();
        QCOMPARE(s.ui.l_notes->text(), counter(255));
        type(s.ui.m_Notes, QString::fromUtf8("Zebranie o 12:00 – sala nr 2"));  // "–" is cp1250
        QCOMPARE(s.ui.l_notes->text(), counter(255 - 28));
        QTest::keyClick(s.ui.m_Notes, Qt::Key_Return);
        QCOMPARE(s.ui.l_notes->text(), counter(255 - 30));  // a line break counts two
        type(s.ui.m_Notes, QString(300, QLatin1Char('x')));
        QCOMPARE(s.ui.l_notes->text(), counter(0));

        QTest::keyClick(s.ui.cb_ERDuty, Qt::Key_Return);
        const std::string& notes = w.day(4).kalendarz_notatki;
        QCOMPARE(notes.size(), size_t{255});
        QCOMPARE(utf8(notes.substr(0, 30)), QString::fromUtf8("Zebranie o 12:00 – sala nr 2\r\n"));
    }

    void notes_refuse_what_the_month_file_cannot_hold() {
        Ward w;
        w.day(4).kalendarz_notatki = cp("Dyżur\r\nostry");
        DayProperties properties = w.properties(4);
        Shown s(w, properties);
        s.open_notes();
        QCOMPARE(s.ui.m_Notes->toPlainText(), QString::fromUtf8("Dyżur\nostry"));
        QCOMPARE(s.ui.l_notes->text(), counter(255 - 12));
        QTextCursor end = s.ui.m_Notes->textCursor();
        end.movePosition(QTextCursor::End);
        s.ui.m_Notes->setTextCursor(end);
        type(s.ui.m_Notes, QString::fromUtf8("¤"));
        type(s.ui.m_Notes, QString::fromUtf8("ñ!"));
        QCOMPARE(w.ward.prompter.informed.size(), size_t{2});
        QCOMPARE(s.ui.m_Notes->toPlainText(), QString::fromUtf8("Dyżur\nostry!"));

        QApplication::clipboard()->setText(QString(400, QLatin1Char('y')));
        QTest::keySequence(s.ui.m_Notes, QKeySequence::Paste);
        QCOMPARE(s.ui.l_notes->text(), counter(0));
        QTest::mouseClick(s.ui.sb_Ok, Qt::LeftButton);
        const std::string& notes = w.day(4).kalendarz_notatki;
        QCOMPARE(notes.size(), size_t{255});
        QCOMPARE(notes.substr(0, 14), cp("Dyżur\r\nostry!y"));
    }

    void ok_stores_notes_and_emergency_duty_and_rebuilds_the_norm() {
        Ward w;
        w.day(4).kalendarz_wlasny = true;  // Tuesday marked as a holiday
        w.ward.lay_out();
        const int working_days = w.ward.roster.calendar.working_days;
        DayProperties properties = w.properties(4);
        Shown s(w, properties);
        s.open_notes();
        QVERIFY(s.ui.b_DefaultHoliday->isEnabled());
        type(s.ui.m_Notes, QStringLiteral("Audyt"));
        QTest::mouseClick(s.ui.b_DefaultHoliday, Qt::LeftButton);
        QVERIFY(!s.ui.b_DefaultHoliday->isEnabled());
        QTest::mouseClick(s.ui.cb_ERDuty, Qt::LeftButton, {},
                          QPoint(6, s.ui.cb_ERDuty->height() / 2));
        QTest::keyClick(s.ui.cb_ERDuty, Qt::Key_Return);

        QCOMPARE(s.dialog.result(), int(QDialog::Accepted));
        QCOMPARE(w.day(4).kalendarz_notatki, std::string("Audyt"));
        QVERIFY(w.day(4).kalendarz_ostre_dyzury);
        QVERIFY(!w.day(4).kalendarz_wlasny);
        QCOMPARE(s.dialog.status().working_days, working_days + 1);
        QCOMPARE(int(w.ward.roster.calendar.working_days), working_days + 1);
    }

    void cancel_keeps_notes_and_flag_but_not_the_holiday_override() {
        Ward w;
        w.day(4).kalendarz_wlasny = true;
        w.day(4).kalendarz_notatki = "stare";
        DayProperties properties = w.properties(4);
        Shown s(w, properties);
        s.open_notes();
        type(s.ui.m_Notes, QStringLiteral(" nowe"));
        s.ui.cb_ERDuty->setChecked(true);
        QTest::mouseClick(s.ui.b_DefaultHoliday, Qt::LeftButton);
        QTest::keyClick(s.ui.cb_ERDuty, Qt::Key_Escape);

        QCOMPARE(s.dialog.result(), int(QDialog::Rejected));
        QCOMPARE(w.day(4).kalendarz_notatki, std::string("stare"));
        QVERIFY(!w.day(4).kalendarz_ostre_dyzury);
        QVERIFY(!w.day(4).kalendarz_wlasny);
    }
};

QTEST_MAIN(TestDayPropertiesDialog)
#include "test_day_properties_dialog.moc"
