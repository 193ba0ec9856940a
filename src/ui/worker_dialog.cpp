#include "worker_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
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
#include <QVBoxLayout>

#include "colour_choice.h"
#include "colour_panel.h"
#include "cp1250_input.h"
#include "editing/light_colour.h"
#include "field_caption.h"
#include "i18n/text.h"
#include "model/time_value.h"
#include "planner/pattern_input.h"
#include "qt_text.h"
#include "time_field.h"

namespace tabrel {

namespace {

QString u(const char* utf8) {
    return QString::fromUtf8(utf8);
}

template <typename W>
W* named(W* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QSpinBox* spin(const char* name, int minimum, int maximum, QWidget* parent) {
    auto* s = named(new QSpinBox(parent), name);
    s->setRange(minimum, maximum);
    return s;
}

QSlider* preference(const char* name, QWidget* parent) {
    auto* s = named(new QSlider(Qt::Horizontal, parent), name);
    s->setRange(0, kMaxPreference);
    s->setTickPosition(QSlider::TicksBelow);
    return s;
}

QHBoxLayout* between(const char* left, QSlider* slider, const char* right) {
    auto* row = new QHBoxLayout;
    const QString name = slider->objectName();
    row->addWidget(
        named(new QLabel(u(left)), (name + QStringLiteral("Left")).toLatin1().constData()));
    row->addWidget(slider, 1);
    row->addWidget(
        named(new QLabel(u(right)), (name + QStringLiteral("Right")).toLatin1().constData()));
    return row;
}

QString customise_item() {
    return qt_text(tr("msg_CustomizeList", "    *** dostosuj listę... ***"));
}

std::string text_of(const QComboBox* list) {
    return storable_text(list->currentText()).value_or(std::string());
}

// A masked time field without its blanks, as h2min reads it.
std::string time_of(const QLineEdit* field) {
    QString text = field->text();
    text.remove(QLatin1Char(' '));
    return text.toStdString();
}

// A leave balance below zero gets a sign place, so OK does not lose its sign.
void show_leave_text(QLineEdit& field, const QString& text) {
    field.setInputMask(text.startsWith(QLatin1Char('-')) ? QStringLiteral("#009:99; ")
                                                         : QStringLiteral("009:99;_"));
    show_time_text(field, text);
}

int shift_count(const Roster& roster) {
    const Group* g = roster.current();
    return g ? static_cast<int>(g->profile.shifts.size()) : 0;
}

}  // namespace

WorkerDialog::WorkerDialog(AppState& app, QWidget* parent) : QDialog(parent), app_(app) {
    setObjectName(QStringLiteral("Tf_WorkerAdd"));
    setWindowTitle(u("Dodaj/Edytuj pracownika"));
    setModal(true);
    tabs = named(new QTabWidget(this), "pc_Worker");
    // Every tab in sight: the dialog is as wide as its tab row.
    tabs->setUsesScrollButtons(false);
    tabs->addTab(named(build_data_tab(), "ts_Data"), u("&Dane"));
    tabs->addTab(named(build_group_tab(), "ts_Group"), u("&Grupa"));
    tabs->addTab(named(build_address_tab(), "ts_Address"), u("&Adres"));
    tabs->addTab(named(build_other_tab(), "ts_Other"), u("D&odatkowe"));
    tabs->addTab(named(build_leave_tab(), "ts_Leave"), u("&Urlopy"));
    tabs->addTab(named(build_time_tab(), "ts_WorkTime"), u("&Czas pracy"));
    tabs->addTab(named(build_automat_tab(), "ts_Automat"), u("Au&tomat"));
    cb_Old = named(new QCheckBox(u("Zablokowany"), this), "cb_Old");
    cb_Old->hide();
    l_id = named(new QLabel(this), "l_id");
    auto* sb_Ok = named(new QPushButton(u("OK"), this), "sb_Ok");
    auto* sb_Cancel = named(new QPushButton(u("Anuluj"), this), "sb_Cancel");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(l_id);
    buttons->addStretch();
    for (QPushButton* b : {sb_Ok, sb_Cancel}) {
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs);
    layout->addLayout(buttons);
    connect(sb_Ok, &QPushButton::clicked, this, &WorkerDialog::sb_OkClick);
    connect(sb_Cancel, &QPushButton::clicked, this, &QDialog::reject);
    apply_tab_visibility();
    load(WorkerForm{});
}

QLineEdit* WorkerDialog::text_field(const char* name, QWidget* parent) {
    auto* field = named(new QLineEdit(parent), name);
    guard_line_file_field(field, app_.prompter());
    return field;
}

QLineEdit* WorkerDialog::time_field(const char* name, const char* mask, QWidget* parent) {
    auto* field = named(new QLineEdit(parent), name);
    field->setInputMask(QString::fromLatin1(mask));
    return field;
}

QComboBox* WorkerDialog::list_field(const char* name, QWidget* parent) {
    auto* list = named(new QComboBox(parent), name);
    list->setEditable(true);
    list->setInsertPolicy(QComboBox::NoInsert);
    guard_line_file_field(list->lineEdit(), app_.prompter());
    return list;
}

QWidget* WorkerDialog::build_data_tab() {
    auto* page = new QWidget;
    e_Surname = text_field("e_Surname", page);
    e_Name = text_field("e_Name", page);
    e_Nick = text_field("e_Nick", page);
    e_Nick->setMaxLength(4);
    e_Nick->setToolTip(u("Nazwa krótka będzie się pojawiać na dodawanych dyżurach i wolnych"));
    p_ColorChoose = new ColourPanel(page);
    cb_Occupation = list_field("cb_Occupation", page);
    connect(cb_Occupation, &QComboBox::activated, this,
            [this] { list_chosen(cb_Occupation, true); });
    for (QLineEdit* name : {e_Surname, e_Name, e_Nick}) name->installEventFilter(this);
    auto* form = new QFormLayout(page);
    form->addRow(field_caption(e_Surname, "Nazwisko: "), e_Surname);
    form->addRow(field_caption(e_Name, "Imię: "), e_Name);
    form->addRow(field_caption(e_Nick, "Nazwa krótka (maks. 2 znaki): "), e_Nick);
    form->addRow(field_caption(p_ColorChoose, "Kolor: "), p_ColorChoose);
    form->addRow(field_caption(cb_Occupation, "Stanowisko: "), cb_Occupation);
    return page;
}

QWidget* WorkerDialog::build_group_tab() {
    auto* page = new QWidget;
    clb_Group = named(new QListWidget(page), "clb_Group");
    cb_Group = named(new QComboBox(page), "cb_Group");
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(clb_Group);
    auto* row = new QFormLayout;
    row->addRow(field_caption(cb_Group, "Grupa: "), cb_Group);
    layout->addLayout(row);
    return page;
}

QWidget* WorkerDialog::build_address_tab() {
    auto* page = new QWidget;
    e_Address = text_field("e_Address", page);
    e_PostOffice = text_field("e_PostOffice", page);
    e_ZipCode = text_field("e_ZipCode", page);
    e_ZipCode->setMaxLength(6);
    e_PhoneNumber = text_field("e_PhoneNumber", page);
    e_Email = text_field("e_Email", page);
    auto* form = new QFormLayout(page);
    form->addRow(field_caption(e_Address, "Adres: "), e_Address);
    form->addRow(field_caption(e_PostOffice, "Poczta: "), e_PostOffice);
    form->addRow(field_caption(e_ZipCode, "Kod: "), e_ZipCode);
    form->addRow(field_caption(e_PhoneNumber, "Telefon: "), e_PhoneNumber);
    form->addRow(field_caption(e_Email, "E-mail: "), e_Email);
    return page;
}

QWidget* WorkerDialog::build_other_tab() {
    auto* page = new QWidget;
    e_pesel = text_field("e_pesel", page);
    cb_education = list_field("cb_education", page);
    connect(cb_education, &QComboBox::activated, this,
            [this] { list_chosen(cb_education, false); });
    e_courses = text_field("e_courses", page);
    e_user1 = text_field("e_user1", page);
    e_user2 = text_field("e_user2", page);
    e_user3 = text_field("e_user3", page);
    auto* form = new QFormLayout(page);
    form->addRow(field_caption(e_pesel, "PESEL: "), e_pesel);
    form->addRow(field_caption(cb_education, "Wykształcenie: "), cb_education);
    form->addRow(field_caption(e_courses, "Kursy: "), e_courses);
    form->addRow(field_caption(e_user1, "Inne 1: "), e_user1);
    form->addRow(field_caption(e_user2, "Inne 2: "), e_user2);
    form->addRow(field_caption(e_user3, "Inne 3: "), e_user3);
    return page;
}

QWidget* WorkerDialog::build_leave_tab() {
    auto* page = new QWidget;
    me_CurrentYearHoliday = time_field("me_CurrentYearHoliday", "009:99;_", page);
    me_LastYearHoliday = time_field("me_LastYearHoliday", "009:99;_", page);
    se_CareDays = spin("se_CareDays", -kMaxOverdrawnDays, kMaxCareDays, page);
    se_RehaDays = spin("se_RehaDays", -kMaxOverdrawnDays, kMaxRehaDays, page);
    auto* form = new QFormLayout(page);
    form->addRow(field_caption(me_CurrentYearHoliday, "godzin urlopu wypoczynkowego: "),
                 me_CurrentYearHoliday);
    form->addRow(field_caption(me_LastYearHoliday, "godzin urlopu wyp. z poprz. roku: "),
                 me_LastYearHoliday);
    form->addRow(field_caption(se_CareDays, "dni opieki: "), se_CareDays);
    form->addRow(field_caption(se_RehaDays, "dni urlopu rehabilitacyjnego: "), se_RehaDays);
    return page;
}

QWidget* WorkerDialog::build_time_tab() {
    auto* page = new QWidget;
    e_PartTime = named(new QLineEdit(page), "e_PartTime");
    e_PartTime->installEventFilter(this);
    l_LastMonthAutoHours = named(new QLabel(page), "l_LastMonthAutoHours");
    me_LastMonthHours = time_field("me_LastMonthHours", "#009:99; ", page);
    cb_wn_Norma = named(new QCheckBox(u("Normatyw miesięczny: "), page), "cb_wn_Norma");
    me_wnq_Norma = time_field("me_wnq_Norma", "009:99;_", page);
    connect(cb_wn_Norma, &QCheckBox::toggled, me_wnq_Norma, &QWidget::setEnabled);
    auto* form = new QFormLayout(page);
    form->addRow(field_caption(e_PartTime, "Wymiar etatu [%]: "), e_PartTime);
    form->addRow(field_caption(l_LastMonthAutoHours, "godzin z poprzedniego miesiąca: "),
                 l_LastMonthAutoHours);
    form->addRow(field_caption(me_LastMonthHours, "korekta ręczna:"), me_LastMonthHours);
    form->addRow(cb_wn_Norma, me_wnq_Norma);
    return page;
}

QWidget* WorkerDialog::build_automat_tab() {
    auto* page = new QWidget;
    tb_PrefsDaysNights = preference("tb_PrefsDaysNights", page);
    tb_PrefsNormalHoliday = preference("tb_PrefsNormalHoliday", page);
    rb_WithoutAuto = named(new QRadioButton(u("Nie rozpisuj"), page), "rb_WithoutAuto");
    rb_Auto8 = named(new QRadioButton(u("Dyżury \"8\" na zmianie nr:"), page), "rb_Auto8");
    rb_AutoScheme = named(new QRadioButton(u("\"System\" wg schematu"), page), "rb_AutoScheme");
    e_SystemPattern8 = text_field("e_SystemPattern8", page);
    e_SystemPattern = text_field("e_SystemPattern", page);
    for (QLineEdit* pattern : {e_SystemPattern8, e_SystemPattern}) {
        pattern->setMaxLength(255);
        pattern->installEventFilter(this);
    }
    se_AutoSystemStartFrom8 = spin("se_AutoSystemStartFrom8", 1, 1, page);
    se_AutoSystemStartFrom = spin("se_AutoSystemStartFrom", 1, 1, page);
    const auto keep_in_pattern = [](QLineEdit* pattern, QSpinBox* start) {
        connect(pattern, &QLineEdit::textChanged, start, [pattern, start] {
            const SpinRange range = start_spin_range(cp1250_of(pattern));
            start->setRange(range.minimum, range.maximum);
        });
    };
    keep_in_pattern(e_SystemPattern8, se_AutoSystemStartFrom8);
    keep_in_pattern(e_SystemPattern, se_AutoSystemStartFrom);
    cb_AutoAsWeek = named(new QCheckBox(u("Tydzień"), page), "cb_AutoAsWeek");
    auto* grid = new QGridLayout(page);
    grid->addLayout(between("Dnie", tb_PrefsDaysNights, "Noce"), 0, 0, 1, 4);
    grid->addLayout(between("Zwykłe", tb_PrefsNormalHoliday, "Święta"), 1, 0, 1, 4);
    grid->addWidget(rb_WithoutAuto, 2, 0, 1, 4);
    grid->addWidget(rb_Auto8, 3, 0);
    grid->addWidget(e_SystemPattern8, 3, 1);
    grid->addWidget(field_caption(se_AutoSystemStartFrom8, "zaczynając od:"), 3, 2);
    grid->addWidget(se_AutoSystemStartFrom8, 3, 3);
    grid->addWidget(cb_AutoAsWeek, 4, 1);
    grid->addWidget(rb_AutoScheme, 5, 0);
    grid->addWidget(e_SystemPattern, 5, 1);
    grid->addWidget(field_caption(se_AutoSystemStartFrom, "zaczynając od:"), 5, 2);
    grid->addWidget(se_AutoSystemStartFrom, 5, 3);
    grid->setRowStretch(6, 1);
    return page;
}

// The user may hide the address and extra tabs; the choice is kept per user.
void WorkerDialog::apply_tab_visibility() {
    QSettings settings(QStringLiteral("Dravik"), QStringLiteral("Tabrel"));
    const std::pair<const char*, int> keys[] = {{"tab_adress_visible", 2},
                                                {"tab_other_visible", 3}};
    for (const auto& [key, tab] : keys) {
        const QString name = QString::fromLatin1(key);
        if (settings.contains(name)) tabs->setTabVisible(tab, settings.value(name).toBool());
    }
}

void WorkerDialog::fill_groups() {
    const Roster& roster = app_.roster();
    clb_Group->clear();
    cb_Group->clear();
    for (int index : listed_groups(roster)) {
        const Group& g = roster.groups[index];
        auto* item = new QListWidgetItem(qt_text(g.nazwa), clb_Group);
        item->setData(Qt::UserRole, g.id);
        item->setData(Qt::DecorationRole, colour_as_qt(g.kolor));
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
        cb_Group->addItem(qt_text(g.nazwa), g.id);
    }
}

void WorkerDialog::fill_lists() {
    const Options& options = app_.options();
    const std::pair<QComboBox*, const std::vector<std::string>*> lists[] = {
        {cb_Occupation, &options.occupations}, {cb_education, &options.educations}};
    for (const auto& [list, items] : lists) {
        const QString text = list->currentText();
        const QSignalBlocker quiet(list);
        list->clear();
        for (const std::string& item : *items) list->addItem(qt_text(item));
        list->addItem(customise_item());
        list->setCurrentIndex(-1);
        list->setEditText(text);
    }
}

void WorkerDialog::load(const WorkerForm& f) {
    e_Surname->setText(qt_text(f.nazwisko));
    e_Name->setText(qt_text(f.imie));
    e_Nick->setText(qt_text(f.pseudo));
    p_ColorChoose->set_colour(f.kolor);
    cb_Occupation->setEditText(qt_text(f.zawod));
    for (int i = 0; i < clb_Group->count(); ++i) {
        QListWidgetItem* item = clb_Group->item(i);
        const auto id = static_cast<uint16_t>(item->data(Qt::UserRole).toUInt());
        const bool ticked = std::find(f.groups.begin(), f.groups.end(), id) != f.groups.end();
        item->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
    }
    cb_Group->setCurrentIndex(cb_Group->findData(f.chosen_group));
    e_Address->setText(qt_text(f.adres));
    e_PostOffice->setText(qt_text(f.poczta));
    e_ZipCode->setText(qt_text(f.kod));
    e_PhoneNumber->setText(qt_text(f.telefon));
    e_Email->setText(qt_text(f.email));
    e_pesel->setText(qt_text(f.pesel));
    cb_education->setEditText(qt_text(f.wyksztalcenie));
    e_courses->setText(qt_text(f.kursy));
    e_user1->setText(qt_text(f.user1));
    e_user2->setText(qt_text(f.user2));
    e_user3->setText(qt_text(f.user3));
    show_leave_text(*me_CurrentYearHoliday, qt_text(f.urlop));
    show_leave_text(*me_LastYearHoliday, qt_text(f.urlop_prev));
    se_CareDays->setValue(f.opieka);
    se_RehaDays->setValue(f.reha);
    e_PartTime->setText(qt_text(f.etat));
    l_LastMonthAutoHours->setText(qt_text(min2h(f.carry_auto, "txt", false)));
    l_LastMonthAutoHours->setProperty("minutes", f.carry_auto);
    show_time_text(*me_LastMonthHours, qt_text(f.carry_manual));
    cb_wn_Norma->setChecked(f.own_norm_set);
    show_time_text(*me_wnq_Norma, qt_text(f.own_norm));
    me_wnq_Norma->setEnabled(f.own_norm_set);
    tb_PrefsDaysNights->setValue(f.pref_dn);
    tb_PrefsNormalHoliday->setValue(f.pref_zs);
    rb_WithoutAuto->setChecked(f.mode == AutoMode::WithoutAuto);
    rb_Auto8->setChecked(f.mode == AutoMode::Eight);
    rb_AutoScheme->setChecked(f.mode == AutoMode::System);
    e_SystemPattern8->setText(qt_text(f.pref_8_shift_no));
    se_AutoSystemStartFrom8->setValue(f.pref_system_start_from8);
    e_SystemPattern->setText(qt_text(f.pref_system_pattern));
    se_AutoSystemStartFrom->setValue(f.pref_system_start_from);
    cb_AutoAsWeek->setChecked(f.pref_system_as_week);
    cb_Old->setChecked(f.old);
}

WorkerForm WorkerDialog::form() const {
    WorkerForm f;
    f.nazwisko = cp1250_of(e_Surname);
    f.imie = cp1250_of(e_Name);
    f.pseudo = cp1250_of(e_Nick);
    f.kolor = p_ColorChoose->colour();
    f.zawod = text_of(cb_Occupation);
    for (int i = 0; i < clb_Group->count(); ++i) {
        const QListWidgetItem* item = clb_Group->item(i);
        if (item->checkState() == Qt::Checked)
            f.groups.push_back(static_cast<uint16_t>(item->data(Qt::UserRole).toUInt()));
    }
    f.chosen_group = static_cast<uint16_t>(cb_Group->currentData().toUInt());
    f.adres = cp1250_of(e_Address);
    f.poczta = cp1250_of(e_PostOffice);
    f.kod = cp1250_of(e_ZipCode);
    f.telefon = cp1250_of(e_PhoneNumber);
    f.email = cp1250_of(e_Email);
    f.pesel = cp1250_of(e_pesel);
    f.wyksztalcenie = text_of(cb_education);
    f.kursy = cp1250_of(e_courses);
    f.user1 = cp1250_of(e_user1);
    f.user2 = cp1250_of(e_user2);
    f.user3 = cp1250_of(e_user3);
    f.urlop = time_of(me_CurrentYearHoliday);
    f.urlop_prev = time_of(me_LastYearHoliday);
    f.opieka = se_CareDays->value();
    f.reha = se_RehaDays->value();
    f.etat = e_PartTime->text().toStdString();
    f.carry_auto = static_cast<int16_t>(l_LastMonthAutoHours->property("minutes").toInt());
    f.carry_manual = time_of(me_LastMonthHours);
    f.own_norm_set = cb_wn_Norma->isChecked();
    f.own_norm = time_of(me_wnq_Norma);
    f.pref_dn = tb_PrefsDaysNights->value();
    f.pref_zs = tb_PrefsNormalHoliday->value();
    f.mode = rb_AutoScheme->isChecked() ? AutoMode::System
             : rb_Auto8->isChecked()    ? AutoMode::Eight
                                        : AutoMode::WithoutAuto;
    f.pref_8_shift_no = cp1250_of(e_SystemPattern8);
    f.pref_system_start_from8 = se_AutoSystemStartFrom8->value();
    f.pref_system_pattern = cp1250_of(e_SystemPattern);
    f.pref_system_start_from = se_AutoSystemStartFrom->value();
    f.pref_system_as_week = cb_AutoAsWeek->isChecked();
    f.old = cb_Old->isChecked();
    return f;
}

void WorkerDialog::prepare_new() {
    fill_groups();
    fill_lists();
    WorkerForm f = form();
    prepare_new_worker(f, app_.roster(), app_.options(), random_light_colour());
    load(f);
    edited_index_.reset();
    stored_.reset();
    l_id->clear();
    tabs->setCurrentIndex(0);
}

void WorkerDialog::prepare_edit(int worker_index) {
    fill_groups();
    fill_lists();
    const Worker& w = app_.roster().workers.at(worker_index);
    load(worker_form(w, app_.roster(), decimal()));
    edited_index_ = worker_index;
    stored_.reset();
    l_id->setText(QStringLiteral("id: %1").arg(w.id));
}

void WorkerDialog::showEvent(QShowEvent* event) {
    tb_PrefsDaysNights->setEnabled(shift_count(app_.roster()) > 1);
    occupation_kept_ = cb_Occupation->currentText();
    education_kept_ = cb_education->currentText();
    QDialog::showEvent(event);
}

// The last item of either list opens the configuration to adjust it; the text stays.
void WorkerDialog::list_chosen(QComboBox* list, bool occupations) {
    QString& kept = occupations ? occupation_kept_ : education_kept_;
    if (list->currentIndex() != list->count() - 1) {
        kept = list->currentText();
        return;
    }
    if (customise_list) customise_list(occupations);
    fill_lists();
    list->setCurrentIndex(-1);
    list->setEditText(kept);
}

void WorkerDialog::e_SurnameExit() {
    if (const std::optional<std::string> nick = short_name_for(is_new(), form()))
        e_Nick->setText(qt_text(*nick));
}

char WorkerDialog::decimal() const {
    const QString point = QLocale().decimalPoint();
    return point.size() == 1 && point.at(0).unicode() < 0x80 ? point.at(0).toLatin1() : '.';
}

// The part-time and pattern filters: true when the key was swallowed (with a beep when refused)
// or replaced by the character it stands for.
bool WorkerDialog::filter_typed_key(QObject* field, const QKeyEvent* key) {
    const QString text = key->text();
    const bool backspace = key->key() == Qt::Key_Backspace;
    if (text.isEmpty() || (text.at(0) < QChar(' ') && !backspace)) return false;
    const char typed = backspace ? '\b' : text.at(0).toLatin1();
    std::optional<char> passed;
    if (field == e_PartTime)
        passed = part_time_key(typed, e_PartTime->text().toStdString(), decimal());
    else if (pattern_key_passes(typed, shift_count(app_.roster())))
        passed = typed;
    if (!passed) {
        QApplication::beep();
        return true;
    }
    if (*passed == typed) return false;
    qobject_cast<QLineEdit*>(field)->insert(QString(QChar(*passed)));
    return true;
}

bool WorkerDialog::eventFilter(QObject* object, QEvent* event) {
    const bool typed_field =
        object == e_PartTime || object == e_SystemPattern || object == e_SystemPattern8;
    if (typed_field && event->type() == QEvent::KeyPress &&
        filter_typed_key(object, static_cast<QKeyEvent*>(event)))
        return true;
    if (event->type() == QEvent::FocusOut &&
        (object == e_Surname || object == e_Name || object == e_Nick))
        e_SurnameExit();
    return QDialog::eventFilter(object, event);
}

void WorkerDialog::sb_OkClick() {
    try {
        stored_ = store_worker(app_.roster(), app_.options(), form(), edited_index_, decimal());
    } catch (const TimeConversionError& e) {
        app_.prompter().error(e.what());
        return;
    } catch (const NoFreeIdError& e) {
        app_.prompter().error(e.what());
        return;
    }
    accept();
}

// Esc cancels and Enter confirms from any field.
void WorkerDialog::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            sb_OkClick();
            return;
        case Qt::Key_Escape:
            reject();
            return;
        default:
            QDialog::keyPressEvent(event);
    }
}

}  // namespace tabrel
