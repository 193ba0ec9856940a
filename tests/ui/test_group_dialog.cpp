#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "app/app_state.h"
#include "colour_choice.h"
#include "colour_panel.h"
#include "find_widget.h"
#include "group_commands.h"
#include "group_dialog.h"
#include "i18n/cp1250.h"
#include "program_fixture.h"
#include "shift_table.h"
#include "support/test_support.h"

using namespace tabrel;
using tabrel::test::Program;
using tabrel::test::widget;

namespace {

// Typing as the keyboard delivers it, characters beyond Latin-1 included.
void type(QWidget* widget, const char* utf8) {
    for (const QChar c : QString::fromUtf8(utf8)) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &release);
    }
}

// The dialog on screen for a new group, as the "Dodaj grupę" command leaves it.
struct Editor {
    Program p;
    GroupDialog dialog{p.app};
    ShiftTable* table = widget<ShiftTable>(dialog, "sag_Shifts");
    QLineEdit* name = widget<QLineEdit>(dialog, "e_GroupName");

    explicit Editor(bool auto_calc = true) {
        p.app.options().AutoCalcShifts = auto_calc;
        dialog.prepare_new();
        dialog.show();
        dialog.show_tab(GroupDialog::Tab::Shifts);
    }
    QToolButton* tool(const char* name) const { return widget<QToolButton>(dialog, name); }
    void click(const char* button) {
        QTest::mouseClick(widget<QPushButton>(dialog, button), Qt::LeftButton);
    }
    // The item of the radio group `group` at `index`; the buttons carry no names of their own.
    QRadioButton* radio(const char* group, int index) const {
        return widget<QGroupBox>(dialog, group)->findChildren<QRadioButton*>().at(index);
    }
    QLineEdit* open_cell(int row, int column) {
        table->setCurrentCell(row, column);
        QTest::keyClick(table, Qt::Key_F2);
        auto* editor = qobject_cast<QLineEdit*>(table->indexWidget(table->currentIndex()));
        if (!editor) qFatal("no cell editor");
        editor->selectAll();
        return editor;
    }
    // Types into a cell and ends the edit with Enter, as a person does.
    void type_cell(int row, int column, const char* keys) {
        QLineEdit* editor = open_cell(row, column);
        type(editor, keys);
        QTest::keyClick(editor, Qt::Key_Return);
        QCoreApplication::processEvents();
    }
    QString cell(int row, int column) const { return table->item(row, column)->text(); }
    void ok() {
        name->setText(QStringLiteral("Chirurgia"));
        click("b_OK");
    }
};

}  // namespace

class TestGroupDialog : public QObject {
    Q_OBJECT
private slots:
    void new_group_form_defaults() {
        Editor e;
        QCOMPARE(e.dialog.windowTitle(), QString::fromUtf8("Dodaj/Edytuj grupę"));
        QCOMPARE(e.table->rowCount(), 2);
        QCOMPARE(e.table->horizontalHeaderItem(kHolidayStaffingColumn)->text(),
                 QString::fromUtf8("Obsada św.\n[szt.]"));
        QCOMPARE(e.cell(0, kStartColumn), QStringLiteral("7:00"));
        QCOMPARE(e.cell(1, kStartColumn), QStringLiteral("20:00"));
        QCOMPARE(e.cell(1, kSymbolColumn), QStringLiteral("N"));
        QCOMPARE(widget<QLineEdit>(e.dialog, "me_day8")->text(), QStringLiteral("07:35"));
        QVERIFY(e.radio("rg_Algorithms", 0)->isChecked());
        QVERIFY(e.radio("rg_NormaResidueDistribution", 0)->isChecked());
        const Colour c = widget<ColourPanel>(e.dialog, "p_ColorChoose")->colour();
        for (int shift : {0, 8, 16}) QVERIFY(((c >> shift) & 0xFF) >= 120);
    }

    void automatic_calculation_fills_the_day() {
        Editor e;
        QVERIFY(e.tool("tb_AutoCalc")->isChecked());
        e.type_cell(0, kLengthColumn, "10");
        QCOMPARE(e.cell(0, kLengthColumn), QStringLiteral("10:00"));
        QCOMPARE(e.cell(1, kStartColumn), QStringLiteral("17:00"));
        QCOMPARE(e.cell(1, kLengthColumn), QStringLiteral("14:00"));

        e.ok();
        QVERIFY(!e.dialog.isVisible());
        const Group& g = e.p.app.roster().groups.at(0);
        QCOMPARE(g.profile.shifts[1].zod, uint16_t(1020));
        QCOMPARE(g.profile.shifts[1].zile, uint16_t(840));
        QCOMPARE(e.p.app.roster().current_group, int16_t(0));
        const std::string ini = test::slurp(e.p.folder.path() / "dane" / "konfiguracja.ini");
        QVERIFY(ini.find("AutoCalcShifts=1") != std::string::npos);
    }

    void without_automatic_calculation_the_next_shift_stays() {
        Editor e(false);
        e.type_cell(0, kLengthColumn, "10");
        QCOMPARE(e.cell(1, kStartColumn), QStringLiteral("20:00"));
        e.ok();
        const std::string ini = test::slurp(e.p.folder.path() / "dane" / "konfiguracja.ini");
        QVERIFY(ini.find("AutoCalcShifts=0") != std::string::npos);
        QVERIFY(!e.p.app.options().AutoCalcShifts);
    }

    void typed_cells_are_filtered_cut_and_normalised() {
        Editor e(false);
        e.type_cell(0, kStartColumn, "7.30");
        QCOMPARE(e.cell(0, kStartColumn), QStringLiteral("07:30"));
        e.type_cell(1, kStartColumn, "1x9,1a5");
        QCOMPARE(e.cell(1, kStartColumn), QStringLiteral("19:15"));
        e.type_cell(0, kSymbolColumn, "DZN");
        QCOMPARE(e.cell(0, kSymbolColumn), QStringLiteral("DZ"));
        e.type_cell(0, kStaffingColumn, "1a2");
        QCOMPARE(e.cell(0, kStaffingColumn), QStringLiteral("12"));
        e.type_cell(1, kLengthColumn, "7:3:0");  // no time: told, the cell keeps its value
        QCOMPARE(e.p.prompter.errors.size(), size_t(1));
        QCOMPARE(e.cell(1, kLengthColumn), QStringLiteral("12:00"));

        e.ok();
        const Shift& first = e.p.app.roster().groups.at(0).profile.shifts[0];
        QCOMPARE(first.zod, uint16_t(450));
        QCOMPARE(first.zsymbol, std::string("DZ"));
        QCOMPARE(first.zobsada, uint8_t(12));
        QCOMPARE(e.p.app.roster().groups.at(0).profile.shifts[1].zod, uint16_t(1155));
    }

    void one_to_four_shifts() {
        Editor e;
        e.tool("tb_ShiftAdd")->click();
        e.table->setCurrentCell(0, kNameColumn);
        e.tool("tb_ShiftInsert")->click();
        QCOMPARE(e.table->rowCount(), 4);
        QCOMPARE(e.cell(3, kNumberColumn), QStringLiteral("4"));
        QCOMPARE(e.cell(1, kSymbolColumn), QStringLiteral("R"));
        e.tool("tb_ShiftAdd")->click();
        e.table->setCurrentCell(3, kNameColumn);
        QTest::keyClick(e.table, Qt::Key_Down);
        QTest::keyClick(e.table, Qt::Key_Insert);
        QCOMPARE(e.table->rowCount(), 4);

        e.p.prompter.answers = {false, true, true, true};
        e.table->setCurrentCell(1, kNameColumn);
        QTest::keyClick(e.table, Qt::Key_Delete);
        QCOMPARE(e.table->rowCount(), 4);
        QCOMPARE(cp1250_to_utf8(e.p.prompter.asked.at(0)),
                 std::string("Czy usunąć wybraną zmianę?"));
        QTest::keyClick(e.table, Qt::Key_Delete);
        QCOMPARE(e.table->rowCount(), 3);
        QCOMPARE(e.cell(1, kNumberColumn), QStringLiteral("2"));
        e.tool("tb_ShiftDelete")->click();
        e.tool("tb_ShiftDelete")->click();
        QCOMPARE(e.table->rowCount(), 1);
        e.tool("tb_ShiftDelete")->click();
        QCOMPARE(e.table->rowCount(), 1);
        QCOMPARE(e.p.prompter.asked.size(), size_t(4));
    }

    void colour_cells_take_the_chosen_colour() {
        Editor e(false);
        colour_chooser() = [](Colour, QWidget*) -> std::optional<Colour> { return clYellow; };
        e.table->setCurrentCell(1, kColourColumn);
        QTest::keyClick(e.table, Qt::Key_Return);
        QVERIFY(e.dialog.isVisible());
        QCOMPARE(e.cell(1, kColourColumn), QStringLiteral("clYellow"));
        QTest::mouseClick(widget<ColourPanel>(e.dialog, "p_ColorChoose"), Qt::LeftButton);
        e.ok();
        const Group& g = e.p.app.roster().groups.at(0);
        QCOMPARE(g.profile.shifts[1].zkolor, clYellow);
        QCOMPARE(g.profile.shifts[0].zkolor, clWhite);
        QCOMPARE(g.kolor, clYellow);
    }

    void enter_and_escape_close_only_outside_a_cell_edit() {
        Editor e;
        QLineEdit* editor = e.open_cell(0, kNameColumn);
        QTest::keyClicks(editor, QStringLiteral("Dzienna"));
        QTest::keyClick(editor, Qt::Key_Escape);
        QCoreApplication::processEvents();
        QVERIFY(e.dialog.isVisible());
        QCOMPARE(e.cell(0, kNameColumn), QString());
        e.type_cell(0, kNameColumn, "Dzienna");
        QVERIFY(e.dialog.isVisible());

        QTest::keyClick(e.table, Qt::Key_Escape);
        QVERIFY(!e.dialog.isVisible());
        QVERIFY(e.p.app.roster().groups.empty());

        e.dialog.prepare_new();
        e.dialog.show();
        e.name->setText(QStringLiteral("Interna"));
        QTest::keyClick(e.name, Qt::Key_Return);
        QVERIFY(!e.dialog.isVisible());
        QCOMPARE(e.p.app.roster().groups.size(), size_t(1));
        QCOMPARE(e.p.app.roster().groups[0].profile.shifts[0].znazwa, std::string("Dzienna"));
    }

    void characters_the_files_cannot_hold_are_refused() {
        Editor e;
        type(e.name, "Oddział☃¤");
        QCOMPARE(e.name->text(), QString::fromUtf8("Oddział"));
        QCOMPARE(e.p.prompter.informed.size(), size_t(2));
        e.type_cell(0, kNameColumn, "a¤b");
        QCOMPARE(e.cell(0, kNameColumn), QStringLiteral("ab"));
        e.click("b_OK");
        QCOMPARE(cp1250_to_utf8(e.p.app.roster().groups.at(0).nazwa), std::string("Oddział"));
    }

    void edit_replaces_the_group_and_defaults_survive_cancel() {
        Editor e;
        e.ok();
        e.dialog.prepare_new();
        e.name->setText(QStringLiteral("Interna"));
        e.click("b_OK");
        Roster& roster = e.p.app.roster();
        QCOMPARE(roster.groups.size(), size_t(2));
        QCOMPARE(roster.groups[1].id, uint16_t(2));
        QCOMPARE(roster.current_group, int16_t(1));
        QCOMPARE(e.table->rowCount(), 2);

        e.dialog.prepare_edit(roster.groups[1]);
        QCOMPARE(e.name->text(), QStringLiteral("Interna"));
        widget<QLineEdit>(e.dialog, "me_day8")->setText(QStringLiteral("08:00"));
        widget<QCheckBox>(e.dialog, "cb_SaturdayLikeHoliday")->setChecked(true);
        e.click("b_SaveAsDefault");
        e.click("sb_Cancel");
        QCOMPARE(roster.groups[1].default_profile.day8, uint16_t(480));
        QVERIFY(roster.groups[1].default_profile.sob_swieto);
        QCOMPARE(roster.groups[1].profile.day8, uint16_t(455));

        e.dialog.prepare_edit(roster.groups[1]);
        e.name->setText(QStringLiteral("Interna II"));
        e.radio("rg_Algorithms", 1)->setChecked(true);
        e.click("b_OK");
        QCOMPARE(roster.groups.size(), size_t(2));
        QCOMPARE(roster.groups[1].nazwa, std::string("Interna II"));
        QCOMPARE(roster.groups[1].id, uint16_t(2));
        QCOMPARE(roster.groups[1].Algorithm, uint8_t(1));
    }

    void commands_without_a_group_lead_to_a_new_one() {
        Program p;
        QWidget window;
        RegisterEditors editors(p.app, &window);
        QTimer::singleShot(0, [] {
            QWidget* dialog = QApplication::activeModalWidget();
            if (dialog) QTest::keyClick(dialog, Qt::Key_Escape);
        });
        QVERIFY(!run_group_edit(editors));
        QCOMPARE(cp1250_to_utf8(p.prompter.informed.at(0)),
                 std::string("Najpierw należy utworzyć grupę."));
        QVERIFY(editors.group().is_new());

        p.app.roster().groups.push_back(Group{});
        p.app.roster().groups[0].id = 1;
        p.app.roster().current_group = 0;
        p.prompter.answers = {true};
        QVERIFY(run_group_delete(editors));
        QVERIFY(p.app.roster().groups[0].old);
        QCOMPARE(p.app.roster().current_group, int16_t(-1));
    }
};

QTEST_MAIN(TestGroupDialog)
#include "test_group_dialog.moc"
