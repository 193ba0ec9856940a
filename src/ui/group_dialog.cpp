#include "group_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/tell_user.h"
#include "colour_panel.h"
#include "cp1250_input.h"
#include "editing/light_colour.h"
#include "field_caption.h"
#include "language_applier.h"
#include "model/time_value.h"
#include "planner/rotation.h"
#include "qt_text.h"
#include "shift_table.h"
#include "storage/options_file.h"

namespace tabrel {

namespace {

QString u(const char* utf8) {
    return QString::fromUtf8(utf8);
}

// A tab's page, named so that a language file can caption its tab.
QWidget* page(const char* name, QWidget* widget) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QToolButton* tool(const char* name, const char* caption, const char* hint, QWidget* parent) {
    auto* b = new QToolButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setText(u(caption));
    b->setToolTip(u(hint));
    return b;
}

QPushButton* button(const char* name, const char* caption, QWidget* parent) {
    auto* b = new QPushButton(u(caption), parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

QCheckBox* check(const char* name, const char* caption, QWidget* parent) {
    auto* c = new QCheckBox(u(caption), parent);
    c->setObjectName(QString::fromLatin1(name));
    return c;
}

template <size_t N>
QGroupBox* radio_group(const char* name, const char* caption, const char* const (&items)[N],
                       QRadioButton* (&buttons)[N], QWidget* parent) {
    auto* box = new QGroupBox(u(caption), parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setProperty(kRadioGroupProperty, true);
    auto* layout = new QVBoxLayout(box);
    auto* group = new QButtonGroup(box);
    for (size_t i = 0; i < N; ++i) {
        buttons[i] = new QRadioButton(u(items[i]), box);
        group->addButton(buttons[i], static_cast<int>(i));
        layout->addWidget(buttons[i]);
    }
    return box;
}

template <size_t N>
uint8_t checked_index(QRadioButton* const (&buttons)[N]) {
    for (size_t i = 0; i < N; ++i)
        if (buttons[i]->isChecked()) return static_cast<uint8_t>(i);
    return 0;
}

}  // namespace

GroupDialog::GroupDialog(AppState& app, QWidget* parent) : QDialog(parent), app_(app) {
    setObjectName(QStringLiteral("Tf_GroupAdd"));
    setWindowTitle(u("Dodaj/Edytuj grupę"));
    setModal(true);
    tabs = new QTabWidget(this);
    tabs->setUsesScrollButtons(false);
    tabs->addTab(page("ts_Data", build_data_tab()), u("&Dane"));
    tabs->addTab(page("ts_Shifts", build_shifts_tab()), u("&Zmiany"));
    tabs->addTab(page("ts_Norma", build_norm_tab()), u("&Normatyw"));
    tabs->addTab(page("ts_Automat", build_automat_tab()), u("&Automat"));
    QPushButton* b_OK = button("b_OK", "OK", this);
    QPushButton* sb_Cancel = button("sb_Cancel", "Anuluj", this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(b_OK);
    buttons->addWidget(sb_Cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs);
    layout->addLayout(buttons);
    connect(b_OK, &QPushButton::clicked, this, &GroupDialog::a_OKExecute);
    connect(sb_Cancel, &QPushButton::clicked, this, &QDialog::reject);
    load(default_group_form());
    resize(620, 360);
}

QWidget* GroupDialog::build_data_tab() {
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    e_GroupName = new QLineEdit(page);
    e_GroupName->setObjectName(QStringLiteral("e_GroupName"));
    guard_line_file_field(e_GroupName, app_.prompter());
    p_ColorChoose = new ColourPanel(page);
    form->addRow(field_caption(e_GroupName, "Nazwa: "), e_GroupName);
    form->addRow(field_caption(p_ColorChoose, "Kolor: "), p_ColorChoose);
    return page;
}

QWidget* GroupDialog::build_shifts_tab() {
    auto* page = new QWidget;
    sag_Shifts = new ShiftTable(app_.prompter(), page);
    QToolButton* tb_ShiftInsert =
        tool("tb_ShiftInsert", "Wstaw", "Wstaw zmianę przed zaznaczoną", page);
    QToolButton* tb_ShiftAdd = tool("tb_ShiftAdd", "Dodaj", "Dodaj zmianę na końcu", page);
    QToolButton* tb_ShiftDelete = tool("tb_ShiftDelete", "Usuń", "Usuń zaznaczoną zmianę", page);
    tb_AutoCalc = tool("tb_AutoCalc", "Automatycznie",
                       "Automatyczne wyliczanie początku i czasu trwania zmian", page);
    tb_AutoCalc->setCheckable(true);
    tb_AutoCalc->setChecked(app_.options().AutoCalcShifts);
    sag_Shifts->set_auto_calc(tb_AutoCalc->isChecked());
    connect(tb_ShiftInsert, &QToolButton::clicked, sag_Shifts, &ShiftTable::insert_shift);
    connect(tb_ShiftAdd, &QToolButton::clicked, sag_Shifts, &ShiftTable::append_shift);
    connect(tb_ShiftDelete, &QToolButton::clicked, sag_Shifts, &ShiftTable::delete_shift);
    connect(tb_AutoCalc, &QToolButton::toggled, sag_Shifts, &ShiftTable::set_auto_calc);
    auto* bar = new QHBoxLayout;
    for (QToolButton* b : {tb_ShiftInsert, tb_ShiftAdd, tb_ShiftDelete, tb_AutoCalc})
        bar->addWidget(b);
    bar->addStretch();
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(bar);
    layout->addWidget(sag_Shifts);
    return page;
}

QWidget* GroupDialog::build_norm_tab() {
    auto* page = new QWidget;
    me_day8 = new QLineEdit(page);
    me_day8->setObjectName(QStringLiteral("me_day8"));
    me_day8->setInputMask(QStringLiteral("09:99;_"));
    me_day8->setToolTip(
        u("Czas ten zostanie wykorzystany do wyliczenia normatywu miesięcznego "
          "[Liczba dni powszednich x Czas trwania \"8\"]"));
    cb_SaturdayLikeHoliday = check("cb_SaturdayLikeHoliday", "Traktuj sobotę jako święto", page);
    cb_DayOffForHolidayOnSaturday =
        check("cb_DayOffForHolidayOnSaturday",
              "Dodatkowy dzień wolny za święto przypadające w sobotę", page);
    cb_DayOffForHolidayOnSaturday->setToolTip(
        u("Obniża normatyw miesięczny o czas trwania dyżuru \"8\" jeżeli święto wypada w sobotę"));
    cb_HoliHolidayNigths = check("cb_HoliHolidayNigths", "Noc w święto jak dyżur świąteczny", page);
    cb_WithoutHolidays = check("cb_WithoutHolidays", "Bez świąt", page);
    QPushButton* b_SaveAsDefault = button("b_SaveAsDefault", "Zapisz jako domyślne", page);
    connect(b_SaveAsDefault, &QPushButton::clicked, this, &GroupDialog::b_SaveAsDefaultClick);
    auto* layout = new QFormLayout(page);
    layout->addRow(field_caption(me_day8, "Czas trwania dyżuru \"8\" [godz.]:  "), me_day8);
    for (QWidget* w :
         std::initializer_list<QWidget*>{cb_SaturdayLikeHoliday, cb_DayOffForHolidayOnSaturday,
                                         cb_HoliHolidayNigths, cb_WithoutHolidays, b_SaveAsDefault})
        layout->addRow(w);
    return page;
}

QWidget* GroupDialog::build_automat_tab() {
    static const char* const algorithms[] = {"Algorytm 1", "Algorytm 2"};
    static const char* const residues[] = {"Zawsze", "Na koniec okres rozlicz.", "Nigdy"};
    auto* page = new QWidget;
    cb_AlwaysResetBeforeStartAutomat =
        check("cb_AlwaysResetBeforeStartAutomat",
              "Resetuj ustawienia początkowe przed każdym uruchomieniem automatu", page);
    QPushButton* b_AutoSystemReset =
        button("b_AutoSystemReset", "Resetuj ustawienia początkowe", page);
    connect(b_AutoSystemReset, &QPushButton::clicked, this, &GroupDialog::b_AutoSystemResetClick);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(radio_group("rg_Algorithms", "Algorytm", algorithms, rb_Algorithm, page));
    layout->addWidget(radio_group("rg_NormaResidueDistribution", "Rozdzielanie dopracowań",
                                  residues, rb_NormaResidue, page));
    layout->addWidget(cb_AlwaysResetBeforeStartAutomat);
    layout->addWidget(b_AutoSystemReset);
    layout->addStretch();
    return page;
}

void GroupDialog::load(const GroupForm& f) {
    e_GroupName->setText(qt_text(f.nazwa));
    p_ColorChoose->set_colour(f.kolor);
    sag_Shifts->set_rows(f.shifts);
    me_day8->setText(qt_text(f.day8));
    cb_SaturdayLikeHoliday->setChecked(f.sob_swieto);
    cb_DayOffForHolidayOnSaturday->setChecked(f.wolne_za_sob_swieto);
    cb_HoliHolidayNigths->setChecked(f.noc_w_swieto_jak_swieto);
    cb_WithoutHolidays->setChecked(f.bez_swiat);
    cb_AlwaysResetBeforeStartAutomat->setChecked(f.reset_before_automat);
    rb_Algorithm[std::min<int>(f.Algorithm, 1)]->setChecked(true);
    rb_NormaResidue[std::min<int>(f.NormaResidueDistribution, 2)]->setChecked(true);
}

GroupForm GroupDialog::form() const {
    GroupForm f;
    f.nazwa = cp1250_of(e_GroupName);
    f.kolor = p_ColorChoose->colour();
    f.shifts = sag_Shifts->rows();
    f.day8 = me_day8->text().toStdString();
    f.sob_swieto = cb_SaturdayLikeHoliday->isChecked();
    f.wolne_za_sob_swieto = cb_DayOffForHolidayOnSaturday->isChecked();
    f.noc_w_swieto_jak_swieto = cb_HoliHolidayNigths->isChecked();
    f.bez_swiat = cb_WithoutHolidays->isChecked();
    f.reset_before_automat = cb_AlwaysResetBeforeStartAutomat->isChecked();
    f.Algorithm = checked_index(rb_Algorithm);
    f.NormaResidueDistribution = checked_index(rb_NormaResidue);
    return f;
}

void GroupDialog::prepare_new() {
    GroupForm f = form();
    prepare_new_group(f, random_light_colour());
    load(f);
    edited_id_.reset();
    tb_AutoCalc->setChecked(app_.options().AutoCalcShifts);
    if (app_.roster().groups.empty()) {
        tabs->setCurrentIndex(0);
        e_GroupName->setFocus();
    }
}

void GroupDialog::prepare_edit(const Group& group) {
    load(group_form(group));
    edited_id_ = group.id;
    tb_AutoCalc->setChecked(app_.options().AutoCalcShifts);
}

void GroupDialog::show_tab(Tab tab) {
    tabs->setCurrentIndex(static_cast<int>(tab));
}

void GroupDialog::a_OKExecute() {
    try {
        store_group(app_.roster(), form(), edited_id_);
    } catch (const TimeConversionError& e) {
        app_.prompter().error(e.what());
        return;
    } catch (const NoFreeIdError& e) {
        app_.prompter().error(e.what());
        return;
    }
    store_auto_calc();
    accept();
}

// The switch is remembered in the configuration file whenever a group is saved.
void GroupDialog::store_auto_calc() {
    const bool on = tb_AutoCalc->isChecked();
    app_.options().AutoCalcShifts = on;
    IniFile file = load_options_file(app_.data_folder());
    write_auto_calc_shifts(file, on);
    tell(app_.prompter(), store_options_file(app_.data_folder(), file));
}

void GroupDialog::b_SaveAsDefaultClick() {
    Roster& roster = app_.roster();
    const int index = roster.current_group;
    if (index < 0 || index >= static_cast<int>(roster.groups.size())) return;
    try {
        save_as_default(roster.groups[index], form());
    } catch (const TimeConversionError& e) {
        app_.prompter().error(e.what());
    }
}

void GroupDialog::b_AutoSystemResetClick() {
    reset_start_positions(app_.roster());
}

// Esc and Enter close the dialog only while no cell of the shift table is being edited.
void GroupDialog::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const bool escape = event->key() == Qt::Key_Escape;
    if (!enter && !escape) return QDialog::keyPressEvent(event);
    if (sag_Shifts->editing()) return;
    if (enter)
        a_OKExecute();
    else
        reject();
}

}  // namespace tabrel
