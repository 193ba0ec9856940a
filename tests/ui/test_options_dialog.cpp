#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <fstream>
#include <map>

#include "app/login.h"
#include "find_widget.h"
#include "group_dialog.h"
#include "i18n/text.h"
#include "options_dialog.h"
#include "storage/law_limits_file.h"
#include "storage/options_file.h"
#include "window_fixture.h"
#include "worker_dialog.h"

using namespace tabrel;
using namespace tabrel::test;

namespace {

struct MapStore : SettingsStore {
    std::map<std::string, std::string, std::less<>>& values;
    explicit MapStore(std::map<std::string, std::string, std::less<>>& v) : values(v) {}

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

// A program with its configuration dialog, shown on the first page.
struct Configured {
    Program program;
    std::map<std::string, std::string, std::less<>> stored;
    OptionsDialog dialog{program.app, std::make_unique<MapStore>(stored)};

    Configured() {
        dialog.prepare();
        dialog.show();
        if (!QTest::qWaitForWindowExposed(&dialog)) qFatal("dialog not shown");
    }
    IniFile file() const { return load_options_file(program.app.data_folder()); }
};

void write_file(const std::filesystem::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

constexpr int kHolidayRow = DayOffGrid::kHeaderRows + kAnnualLeave;

int row_of(const char* name) {
    for (int i = 0; i < kDayOffTypeCount; ++i)
        if (day_off_types()[i].name == name) return DayOffGrid::kHeaderRows + i;
    qFatal("no kind %s", name);
}

QPoint flag_cell(DayOffGrid* grid, int row) {
    grid->scrollToItem(grid->item(row, DayOffGrid::kFlagColumn));
    return grid->visualItemRect(grid->item(row, DayOffGrid::kFlagColumn)).center();
}

QString flag_text(DayOffGrid* grid, int row) {
    return grid->item(row, DayOffGrid::kFlagColumn)->text();
}

// Key clicks carry only ASCII; other text is put into the field as a paste would.
void retype(QLineEdit* edit, const QString& text) {
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    if (text.toLatin1() == text.toUtf8())
        QTest::keyClicks(edit, text);
    else
        edit->insert(text);
}

}  // namespace

class TestOptionsDialog : public QObject {
    Q_OBJECT
private slots:
    void a_fresh_installation_shows_the_defaults() {
        Configured c;
        OptionsDialog& d = c.dialog;
        QCOMPARE(d.windowTitle(), QStringLiteral("Konfiguracja"));
        QCOMPARE(widget<QLineEdit>(d, "e_Symb_8")->text(), QStringLiteral("8"));
        QCOMPARE(widget<QLineEdit>(d, "e_Symb_D")->text(), QStringLiteral("D"));
        QCOMPARE(widget<QLineEdit>(d, "e_SymbOther")->text(), QStringLiteral("I"));
        QCOMPARE(widget<QSpinBox>(d, "se_PersonsPerPage")->value(), 10);
        QCOMPARE(widget<QSpinBox>(d, "se_iws_PersonsPerPage")->value(), 20);
        QCOMPARE(widget<QLineEdit>(d, "me_OvertimeAbove")->text(), QStringLiteral("02:00"));
        QCOMPARE(widget<QLineEdit>(d, "me_OvertimeFrom")->text(), QStringLiteral("19:00"));
        QCOMPARE(widget<QLineEdit>(d, "me_OvertimeTo")->text(), QStringLiteral("07:00"));
        QCOMPARE(widget<QLineEdit>(d, "me_NightFrom")->text(), QStringLiteral("22:00"));
        QCOMPARE(widget<QLineEdit>(d, "me_NightLength")->text(), QStringLiteral("08:00"));
        QCOMPARE(widget<QLineEdit>(d, "me_DayStart")->text(), QStringLiteral("00:00"));
        QCOMPARE(widget<QSpinBox>(d, "se_AutoArchiving")->value(), 90);
        QCOMPARE(widget<QLabel>(d, "l_Password")->text(), QString::fromUtf8("Hasło użytkownika: "));
        QCOMPARE(widget<QPushButton>(d, "l_PasswordChange")->text(), QString::fromUtf8("Zmień"));
        QVERIFY(widget<QLineEdit>(d, "e_Place")->text().isEmpty());
        QCOMPARE(widget<DayOffGrid>(d, "sag_DayOff")->rowCount(), 24);
    }

    void fixed_flags_are_greyed_and_empty() {
        Configured c;
        DayOffGrid* grid = widget<DayOffGrid>(c.dialog, "sag_DayOff");
        const int truancy = row_of("Wagary");
        QVERIFY(flag_text(grid, truancy).isEmpty());
        QCOMPARE(grid->item(truancy, 0)->background().color(), QColor(240, 240, 240));
        QVERIFY(!flag_text(grid, kHolidayRow).isEmpty());
        QVERIFY(grid->item(kHolidayRow, 0)->background().color() != QColor(240, 240, 240));
    }

    void double_click_flips_an_editable_flag_only() {
        Configured c;
        DayOffGrid* grid = widget<DayOffGrid>(c.dialog, "sag_DayOff");
        const int truancy = row_of("Wagary");
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, flag_cell(grid, truancy));
        QVERIFY(flag_text(grid, truancy).isEmpty());
        QVERIFY(!grid->lowers_norm(truancy - DayOffGrid::kHeaderRows));

        const QString before = flag_text(grid, kHolidayRow);
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, flag_cell(grid, kHolidayRow));
        QVERIFY(flag_text(grid, kHolidayRow) != before);
        QVERIFY(!grid->lowers_norm(kAnnualLeave));
    }

    void a_click_space_and_enter_flip_the_flag() {
        Configured c;
        DayOffGrid* grid = widget<DayOffGrid>(c.dialog, "sag_DayOff");
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, flag_cell(grid, kHolidayRow));
        QVERIFY(!grid->lowers_norm(kAnnualLeave));
        grid->setCurrentCell(kHolidayRow, DayOffGrid::kFlagColumn);
        QTest::keyClick(grid, Qt::Key_Space);
        QVERIFY(grid->lowers_norm(kAnnualLeave));
        QTest::keyClick(grid, Qt::Key_Return);
        QVERIFY(!grid->lowers_norm(kAnnualLeave));
        // Elsewhere Space does not touch the flag.
        grid->setCurrentCell(kHolidayRow, 0);
        QTest::keyClick(grid, Qt::Key_Space);
        QVERIFY(!grid->lowers_norm(kAnnualLeave));
    }

    void ok_applies_the_edited_copy() {
        Configured c;
        OptionsDialog& d = c.dialog;
        retype(widget<QLineEdit>(d, "e_Symb_8"), QStringLiteral("X"));
        widget<QCheckBox>(d, "cb_AutoMoveOvertime")->click();
        retype(widget<QLineEdit>(d, "me_NightFrom"), QStringLiteral("2100"));
        DayOffGrid* grid = widget<DayOffGrid>(d, "sag_DayOff");
        grid->setCurrentCell(kHolidayRow, DayOffGrid::kFlagColumn);
        QTest::keyClick(grid, Qt::Key_Space);
        widget<QPushButton>(d, "sb_Ok")->click();
        const Options& o = c.program.app.options();
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(o.symbol_8, std::string("X"));
        QVERIFY(o.ng_przenos);
        QCOMPARE(o.noc_od, TimeValue(1260));
        QVERIFY(!o.day_off[kAnnualLeave].lowers_norm);
    }

    void cancel_leaves_the_settings_in_force() {
        Configured c;
        OptionsDialog& d = c.dialog;
        retype(widget<QLineEdit>(d, "e_Symb_8"), QStringLiteral("X"));
        widget<QCheckBox>(d, "cb_AutoMoveOvertime")->click();
        DayOffGrid* grid = widget<DayOffGrid>(d, "sag_DayOff");
        grid->setCurrentCell(kHolidayRow, DayOffGrid::kFlagColumn);
        QTest::keyClick(grid, Qt::Key_Space);
        widget<QPushButton>(d, "sb_Cancel")->click();
        const Options& o = c.program.app.options();
        QCOMPARE(o.symbol_8, std::string("8"));
        QVERIFY(!o.ng_przenos);
        QVERIFY(o.day_off[kAnnualLeave].lowers_norm);
        // Shown again, the dialog holds what is in force.
        d.prepare();
        QCOMPARE(widget<QLineEdit>(d, "e_Symb_8")->text(), QStringLiteral("8"));
        QVERIFY(!widget<QCheckBox>(d, "cb_AutoMoveOvertime")->isChecked());
    }

    void a_time_outside_the_day_keeps_the_dialog_open() {
        Configured c;
        OptionsDialog& d = c.dialog;
        retype(widget<QLineEdit>(d, "me_DayStart"), QStringLiteral("2500"));
        retype(widget<QLineEdit>(d, "e_Symb_8"), QStringLiteral("X"));
        widget<QPushButton>(d, "sb_Ok")->click();
        QVERIFY(d.isVisible());
        QCOMPARE(c.program.prompter.errors.size(), size_t(1));
        QCOMPARE(c.program.app.options().symbol_8, std::string("8"));
    }

    void the_working_time_page_switches_rules_off_and_keeps_a_day_to_24_hours() {
        Configured c;
        OptionsDialog& d = c.dialog;
        auto* daily_rest = widget<QLineEdit>(d, "me_LawDailyRest");
        auto* day_length = widget<QLineEdit>(d, "me_LawDayLength");
        widget<QTabWidget>(d, "pc_Options")->setCurrentWidget(widget<QWidget>(d, "ts_LawCheck"));
        QCOMPARE(daily_rest->text(), QStringLiteral("011:00"));
        QCOMPARE(widget<QLineEdit>(d, "me_LawYearlyOvertime")->text(), QStringLiteral("150:00"));
        widget<QCheckBox>(d, "cb_LawWeeklyRest")->click();
        QVERIFY(!widget<QLineEdit>(d, "me_LawWeeklyRest")->isEnabled());
        retype(daily_rest, QStringLiteral("01000"));
        retype(day_length, QStringLiteral("02401"));
        widget<QPushButton>(d, "sb_Ok")->click();
        QVERIFY(d.isVisible());
        QCOMPARE(c.program.prompter.informed.size(), size_t(1));

        retype(day_length, QStringLiteral("02400"));
        widget<QPushButton>(d, "sb_Save")->click();
        const IniFile file = c.file();
        QCOMPARE(file.read_string(kLawSection, "odpoczynek_dobowy", ""), std::string("10:00"));
        QCOMPARE(file.read_string(kLawSection, "odpoczynek_tygodniowy_wl", ""), std::string("0"));
        QCOMPARE(file.read_string(kLawSection, "praca_w_dobie", ""), std::string("24:00"));
        widget<QPushButton>(d, "sb_Ok")->click();
        const LawLimits& law = c.program.app.options().law;
        QCOMPARE(law.daily_rest, 600);
        QVERIFY(!law.weekly_rest_on && law.daily_rest_on);
        QCOMPARE(law.day_length, 1440);
    }

    void save_writes_the_file_and_keeps_foreign_sections() {
        Configured c;
        write_file(c.program.data(kOptionsFileName),
                   "[obce]\r\nklucz=wartosc\r\n[windows]\r\nwindow_width=640\r\n");
        OptionsDialog& d = c.dialog;
        retype(widget<QLineEdit>(d, "e_Place"), QString::fromUtf8("Kraków"));
        widget<QPlainTextEdit>(d, "m_Occupations")
            ->setPlainText(QString::fromUtf8("Pielęgniarka\n\nSalowa"));
        widget<QPushButton>(d, "sb_Save")->click();
        const IniFile file = c.file();
        QCOMPARE(file.read_string("obce", "klucz", ""), std::string("wartosc"));
        QCOMPARE(file.read_integer("windows", "window_width", 0), 640);
        QCOMPARE(file.read_integer("normatyw", "test", 0), 1);
        QCOMPARE(file.read_string("glowne", "miejscowosc", ""), cp("Kraków"));
        QCOMPARE(file.read_string("glowne", "symbol_8", ""), std::string("8"));
        const std::string language =
            widget<QComboBox>(c.dialog, "cb_Language")->currentText().toStdString();
        QCOMPARE(file.read_string("autofilling_" + language, "Occupations", ""),
                 cp("Pielęgniarka¤Salowa¤"));
        // Written, not applied: that is OK's to do.
        QVERIFY(c.program.app.options().miejscowosc.empty());
        QVERIFY(d.isVisible());
    }

    void save_while_the_group_editor_is_open_writes_only_its_marker() {
        Configured c;
        write_file(c.program.data(kOptionsFileName), "[obce]\r\nklucz=wartosc\r\n");
        GroupDialog editor(c.program.app);
        editor.show();
        retype(widget<QLineEdit>(c.dialog, "e_Place"), QStringLiteral("Opole"));
        widget<QPushButton>(c.dialog, "sb_Save")->click();
        const IniFile file = c.file();
        QCOMPARE(file.read_integer("normatyw", "test", 0), 1);
        QVERIFY(!file.has_section("glowne"));
        QVERIFY(!file.has_section("urlop_normatyw"));
        QVERIFY(file.has_key("obce", "klucz"));
        editor.hide();
        widget<QPushButton>(c.dialog, "sb_Save")->click();
        QCOMPARE(c.file().read_string("glowne", "miejscowosc", ""), std::string("Opole"));
    }

    void lists_show_one_item_a_line_and_drop_blank_lines() {
        Configured c;
        c.program.app.options().educations = {"Wyzsze", "Srednie"};
        c.dialog.prepare_lists(false);
        QPlainTextEdit* educations = widget<QPlainTextEdit>(c.dialog, "m_Educations");
        QCOMPARE(educations->toPlainText(), QStringLiteral("Wyzsze\nSrednie"));
        QVERIFY(educations->hasFocus());
        educations->setPlainText(QStringLiteral("Wyzsze\n\nPodstawowe\n"));
        widget<QPushButton>(c.dialog, "sb_Ok")->click();
        QCOMPARE(c.program.app.options().educations,
                 (std::vector<std::string>{"Wyzsze", "Podstawowe"}));
    }

    void a_character_the_file_cannot_hold_is_refused() {
        Configured c;
        widget<QPlainTextEdit>(c.dialog, "m_Company")
            ->setPlainText(QString::fromUtf8("Szpital ¤ Miejski"));
        widget<QPushButton>(c.dialog, "sb_Ok")->click();
        QVERIFY(c.dialog.isVisible());
        QCOMPARE(c.program.prompter.informed.size(), size_t(1));
        QVERIFY(c.program.app.options().firma.empty());
    }

    void change_link_stores_the_new_password() {
        Configured c;
        QTabWidget* tabs = widget<QTabWidget>(c.dialog, "pc_Options");
        tabs->setCurrentIndex(tabs->count() - 1);
        DialogAnswer answer([](QDialog* login) {
            QTest::keyClicks(login->findChild<QLineEdit*>(QStringLiteral("e_pass")),
                             QStringLiteral("tajne"));
            press_ok(login);
        });
        widget<QPushButton>(c.dialog, "l_PasswordChange")->click();
        QVERIFY(answer.answered());
        QCOMPARE(c.stored.at(kPasswordValue), GGLoginHash("tajne", kLoginSeed));
    }

    void choosing_a_language_applies_its_file_to_every_window() {
        Configured c;
        const std::filesystem::path lang = c.program.folder.path() / "lang";
        std::filesystem::create_directories(lang);
        write_file(lang / "english.lng",
                   "[f_Options]\r\nf_Options=Configuration\r\n"
                   "[MostUsedValues]\r\nmuv_Educations=Higher\xA4Secondary\xA4\r\n");
        bool told = false;
        connect(&c.dialog, &OptionsDialog::language_changed, this, [&told] { told = true; });
        QComboBox* language = widget<QComboBox>(c.dialog, "cb_Language");
        language->setFocus();
        language->setCurrentIndex(1);
        QTest::keyClick(language, Qt::Key_Up);
        QCOMPARE(language->currentIndex(), 0);
        QVERIFY(told);
        QCOMPARE(c.dialog.windowTitle(), QStringLiteral("Configuration"));
        QCOMPARE(widget<QPlainTextEdit>(c.dialog, "m_Educations")->toPlainText(),
                 QStringLiteral("Higher\nSecondary"));
        QCOMPARE(c.program.app.options().lang, 0);
        language_texts().clear();
    }

    void the_window_command_opens_the_dialog_and_ok_applies() {
        Program program;
        MainWindow form(program.app);
        QVERIFY(form.actions().a_Options->isEnabled());
        DialogAnswer answer([](QDialog* dialog) {
            auto* options = qobject_cast<OptionsDialog*>(dialog);
            QVERIFY(options);
            QCOMPARE(widget<QTabWidget>(*options, "pc_Options")->currentIndex(), 0);
            widget<QLineEdit>(*options, "e_Symb_D")->setText(QStringLiteral("R"));
            press_ok(dialog);
        });
        form.actions().a_Options->trigger();
        QVERIFY(answer.answered());
        QCOMPARE(program.app.options().symbol_d, std::string("R"));
    }

    void customising_a_worker_list_opens_the_lists_page() {
        Program program;
        MainWindow form(program.app);
        WorkerDialog& editor = *form.findChild<WorkerDialog*>();
        QVERIFY(editor.customise_list);
        DialogAnswer answer([](QDialog* dialog) {
            auto* options = qobject_cast<OptionsDialog*>(dialog);
            QVERIFY(options);
            QCOMPARE(widget<QTabWidget>(*options, "pc_Options")->currentWidget()->objectName(),
                     QStringLiteral("ts_Other"));
            widget<QPlainTextEdit>(*options, "m_Occupations")
                ->setPlainText(QStringLiteral("Salowa"));
            press_ok(dialog);
        });
        editor.customise_list(true);
        QVERIFY(answer.answered());
        QCOMPARE(program.app.options().occupations, std::vector<std::string>{"Salowa"});
    }

    void a_missing_language_file_is_told_and_nothing_changes() {
        Configured c;
        QComboBox* language = widget<QComboBox>(c.dialog, "cb_Language");
        language->setFocus();
        language->setCurrentIndex(1);
        QTest::keyClick(language, Qt::Key_Up);
        QCOMPARE(c.program.prompter.informed.size() + c.program.prompter.errors.size(), size_t(1));
        QCOMPARE(c.dialog.windowTitle(), QStringLiteral("Konfiguracja"));
        QCOMPARE(c.program.app.options().lang, -1);
    }
};

QTEST_MAIN(TestOptionsDialog)
#include "test_options_dialog.moc"
