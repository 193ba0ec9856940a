#include "options_dialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/tell_user.h"
#include "field_caption.h"
#include "group_dialog.h"
#include "language_applier.h"
#include "login_dialog.h"
#include "qt_text.h"
#include "qt_translations.h"
#include "storage/language_file.h"
#include "storage/options_file.h"
#include "time_field.h"
#include "typed_text.h"

namespace tabrel {

namespace {

// The byte the memos' one-line storage separates with; typed, it would split or break a line.
constexpr char kStoredSeparator[] = "\xA4";

bool system_is_polish() {
    return QLocale::system().language() == QLocale::Polish;
}

// "Zapisz" leaves the group editor's settings alone while it is open.
bool group_editor_showing() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (qobject_cast<GroupDialog*>(w) && w->isVisible()) return true;
    return false;
}

QString memo_text(const std::vector<std::string>& items) {
    QStringList lines;
    for (const std::string& item : items) lines << qt_text(item);
    return lines.join(QLatin1Char('\n'));
}

// Blank lines are no suggestions.
std::vector<std::string> memo_items(const std::string& text) {
    std::vector<std::string> items;
    size_t from = 0;
    while (from <= text.size()) {
        size_t end = text.find('\n', from);
        if (end == std::string::npos) end = text.size();
        std::string item = text.substr(from, end - from);
        if (!item.empty() && item.back() == '\r') item.pop_back();
        if (!item.empty()) items.push_back(item);
        from = end + 1;
    }
    return items;
}

}  // namespace

OptionsDialog::OptionsDialog(AppState& app, std::unique_ptr<SettingsStore> store, QWidget* parent)
    : QDialog(parent), app_(app), store_(std::move(store)) {
    setObjectName(QStringLiteral("f_Options"));
    setWindowTitle(QStringLiteral("Konfiguracja"));
    tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("pc_Options"));
    tabs->addTab(build_company_page(), QString::fromUtf8("Firma"));
    tabs->addTab(build_general_page(), QString::fromUtf8("Ogólne"));
    tabs->addTab(build_overtime_page(), QString::fromUtf8("Nadgodziny"));
    tabs->addTab(build_day_off_page(), QString::fromUtf8("Wolne"));
    lists_page_ = build_lists_page();
    tabs->addTab(lists_page_, QString::fromUtf8("Inne"));
    ts_LawCheck = new LawLimitsPage(this);
    tabs->addTab(ts_LawCheck, QString::fromUtf8("Czas pracy"));
    tabs->addTab(build_user_page(), QString::fromUtf8("Użytkownik"));
    // Its values only pass from the file through the dialog back into the file.
    build_printouts_page()->hide();

    auto* save = new QPushButton(QStringLiteral("Zapisz"), this);
    save->setObjectName(QStringLiteral("sb_Save"));
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("sb_Ok"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Anuluj"), this);
    cancel->setObjectName(QStringLiteral("sb_Cancel"));
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(save, QDialogButtonBox::ApplyRole);
    buttons->addButton(ok, QDialogButtonBox::AcceptRole);
    buttons->addButton(cancel, QDialogButtonBox::RejectRole);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs);
    layout->addWidget(buttons);

    connect(save, &QPushButton::clicked, this, &OptionsDialog::sb_SaveClick);
    connect(ok, &QPushButton::clicked, this, &OptionsDialog::sb_OkClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(cb_Language, &QComboBox::activated, this, &OptionsDialog::cb_LanguageChange);
}

QLineEdit* OptionsDialog::text_field(const char* name) {
    auto* field = new QLineEdit(this);
    field->setObjectName(QString::fromLatin1(name));
    guard_typed_text(field, app_.prompter());
    return field;
}

QCheckBox* OptionsDialog::check_box(const char* name, const char* caption) {
    auto* box = new QCheckBox(QString::fromUtf8(caption), this);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

QWidget* OptionsDialog::build_company_page() {
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("ts_Company"));
    e_Place = text_field("e_Place");
    e_ZipCode = text_field("e_ZipCode");
    e_Address = text_field("e_Address");
    m_Company = new QPlainTextEdit(this);
    m_Company->setObjectName(QStringLiteral("m_Company"));
    auto* form = new QFormLayout(page);
    form->addRow(field_caption(m_Company, "Nazwa firmy:"), m_Company);
    form->addRow(field_caption(e_Address, "Adres:"), e_Address);
    form->addRow(field_caption(e_ZipCode, "Kod pocztowy:"), e_ZipCode);
    form->addRow(field_caption(e_Place, "Miejscowość:"), e_Place);
    return page;
}

QWidget* OptionsDialog::build_general_page() {
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("ts_General"));
    e_Symb_8 = text_field("e_Symb_8");
    e_Symb_D = text_field("e_Symb_D");
    e_SymbOther = text_field("e_SymbOther");
    cb_CalendarDisplay = new QComboBox(this);
    cb_CalendarDisplay->setObjectName(QStringLiteral("cb_CalendarDisplay"));
    cb_CalendarDisplay->addItems({QString::fromUtf8("numer zmiany"),
                                  QString::fromUtf8("numer dnia"),
                                  QString::fromUtf8("ilość dyżurów")});
    se_AutoArchiving = new QSpinBox(this);
    se_AutoArchiving->setObjectName(QStringLiteral("se_AutoArchiving"));
    se_AutoArchiving->setRange(0, 9999);
    cb_DeletePrintoutsFilesAfterClose = check_box(
        "cb_DeletePrintoutsFilesAfterClose",
        "Usuń pliki wygenerowanych wydruków po zamknięciu programu (z katalogu \"wydruki\")");
    cb_Language = new QComboBox(this);
    cb_Language->setObjectName(QStringLiteral("cb_Language"));
    cb_Language->addItems({QStringLiteral("english"), QStringLiteral("polski")});
    auto* form = new QFormLayout(page);
    form->addRow(field_caption(e_Symb_8, "Symbol dyżuru \"8\":"), e_Symb_8);
    form->addRow(field_caption(e_Symb_D, "Symbol dopracowania:"), e_Symb_D);
    form->addRow(field_caption(e_SymbOther, "Symbol innego dyżuru:"), e_SymbOther);
    form->addRow(field_caption(cb_CalendarDisplay, "Na kalendarzu pokazuj:"), cb_CalendarDisplay);
    form->addRow(field_caption(se_AutoArchiving, "Archiwizuj co (dni, 0 - nigdy):"),
                 se_AutoArchiving);
    form->addRow(cb_DeletePrintoutsFilesAfterClose);
    form->addRow(field_caption(cb_Language, "Język:"), cb_Language);
    return page;
}

QWidget* OptionsDialog::build_overtime_page() {
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("ts_Overtime"));
    me_OvertimeAbove = time_field("me_OvertimeAbove", kClockMask, this);
    me_OvertimeFrom = time_field("me_OvertimeFrom", kClockMask, this);
    me_OvertimeTo = time_field("me_OvertimeTo", kClockMask, this);
    cb_OvertimeHoliday = check_box("cb_OvertimeHoliday", "w niedziele i święta");
    cb_OvertimeZeroDuty = check_box("cb_OvertimeZeroDuty", "dyżuru o długości 0:00");
    cb_AutoMoveOvertime =
        check_box("cb_AutoMoveOvertime", "Przenoś nadgodziny automatycznie na następny miesiąc");
    me_NightFrom = time_field("me_NightFrom", kClockMask, this);
    me_NightLength = time_field("me_NightLength", kClockMask, this);
    me_DayStart = time_field("me_DayStart", kClockMask, this);

    auto* hundred = new QGroupBox(QString::fromUtf8("Nadgodziny 100%"), page);
    hundred->setObjectName(QStringLiteral("gb_Overtime100"));
    auto* hundred_form = new QFormLayout(hundred);
    hundred_form->addRow(field_caption(me_OvertimeAbove, "powyżej (godzin):"), me_OvertimeAbove);
    hundred_form->addRow(field_caption(me_OvertimeFrom, "od godziny:"), me_OvertimeFrom);
    hundred_form->addRow(field_caption(me_OvertimeTo, "do godziny:"), me_OvertimeTo);
    hundred_form->addRow(cb_OvertimeHoliday);
    hundred_form->addRow(cb_OvertimeZeroDuty);
    auto* night = new QGroupBox(QString::fromUtf8("Pora nocna"), page);
    night->setObjectName(QStringLiteral("gb_Night"));
    auto* night_form = new QFormLayout(night);
    night_form->addRow(field_caption(me_NightFrom, "od godziny:"), me_NightFrom);
    night_form->addRow(field_caption(me_NightLength, "czas trwania:"), me_NightLength);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(hundred);
    layout->addWidget(cb_AutoMoveOvertime);
    layout->addWidget(night);
    auto* day = new QFormLayout;
    day->addRow(field_caption(me_DayStart, "Godzina rozpoczęcia doby:"), me_DayStart);
    layout->addLayout(day);
    layout->addStretch();
    return page;
}

QWidget* OptionsDialog::build_day_off_page() {
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("ts_DayOff"));
    sag_DayOff = new DayOffGrid(page);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(sag_DayOff);
    return page;
}

QWidget* OptionsDialog::build_lists_page() {
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("ts_Other"));
    m_Occupations = new QPlainTextEdit(page);
    m_Occupations->setObjectName(QStringLiteral("m_Occupations"));
    m_Educations = new QPlainTextEdit(page);
    m_Educations->setObjectName(QStringLiteral("m_Educations"));
    auto* form = new QFormLayout(page);
    form->addRow(field_caption(m_Occupations, "Zawody:"), m_Occupations);
    form->addRow(field_caption(m_Educations, "Wykształcenie:"), m_Educations);
    return page;
}

QWidget* OptionsDialog::build_printouts_page() {
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("ts_Printouts"));
    se_PersonsPerPage = new QSpinBox(page);
    se_PersonsPerPage->setObjectName(QStringLiteral("se_PersonsPerPage"));
    se_iws_PersonsPerPage = new QSpinBox(page);
    se_iws_PersonsPerPage->setObjectName(QStringLiteral("se_iws_PersonsPerPage"));
    for (QSpinBox* box : {se_PersonsPerPage, se_iws_PersonsPerPage}) box->setRange(-99999, 99999);
    cb_iws_DisplayType = new QComboBox(page);
    cb_iws_DisplayType->setObjectName(QStringLiteral("cb_iws_DisplayType"));
    cb_iws_DisplayType->addItems({QString::fromUtf8("Godziny: \"od\" i \"do\""),
                                  QString::fromUtf8("Czas trwania dyżuru"),
                                  QString::fromUtf8("Symbol dyżuru")});
    cb_DiffCalcMode = new QCheckBox(
        QString::fromUtf8("Do wyznaczenia kolumny [R] użyj normatywu pracownika"), page);
    cb_DiffCalcMode->setObjectName(QStringLiteral("cb_DiffCalcMode"));
    return page;
}

QWidget* OptionsDialog::build_user_page() {
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("ts_User"));
    auto* caption = new QLabel(QString::fromUtf8("Hasło użytkownika: "), page);
    caption->setObjectName(QStringLiteral("l_Password"));
    auto* change = new QPushButton(QString::fromUtf8("Zmień"), page);
    change->setObjectName(QStringLiteral("l_PasswordChange"));
    change->setFlat(true);
    change->setCursor(Qt::PointingHandCursor);
    change->setStyleSheet(
        QStringLiteral("color: palette(link); text-decoration: underline; border: none;"));
    auto* row = new QHBoxLayout;
    row->addWidget(caption);
    row->addWidget(change);
    row->addStretch();
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(row);
    layout->addStretch();
    connect(change, &QPushButton::clicked, this, &OptionsDialog::l_PasswordChangeClick);
    return page;
}

void OptionsDialog::prepare() {
    show_options(with_norm_flags(app_.options(), app_.roster().norm_flags));
    tabs->setCurrentIndex(0);
}

void OptionsDialog::prepare_lists(bool occupations) {
    show_options(with_norm_flags(app_.options(), app_.roster().norm_flags));
    tabs->setCurrentWidget(lists_page_);
    (occupations ? m_Occupations : m_Educations)->setFocus();
}

void OptionsDialog::show_options(const Options& o) {
    e_Place->setText(qt_text(o.miejscowosc));
    e_ZipCode->setText(qt_text(o.kod));
    e_Address->setText(qt_text(o.adres));
    m_Company->setPlainText(qt_text(o.firma));
    e_Symb_8->setText(qt_text(o.symbol_8));
    e_Symb_D->setText(qt_text(o.symbol_d));
    e_SymbOther->setText(qt_text(o.symbol_other));
    cb_CalendarDisplay->setCurrentIndex(o.CalendarDisplay >= 0 &&
                                                o.CalendarDisplay < cb_CalendarDisplay->count()
                                            ? o.CalendarDisplay
                                            : 0);
    se_AutoArchiving->setValue(o.autoarchiving);
    cb_DeletePrintoutsFilesAfterClose->setChecked(o.DeletePrintoutsFilesAfterClose);
    const int lang = o.lang == 0 || o.lang == 1 ? o.lang : (system_is_polish() ? 1 : 0);
    cb_Language->setCurrentIndex(lang);
    show_time(*me_OvertimeAbove, o.ng_powyzej, false);
    show_time(*me_OvertimeFrom, o.ng_od, true);
    show_time(*me_OvertimeTo, o.ng_do, true);
    cb_OvertimeHoliday->setChecked(o.ng_swieto);
    cb_OvertimeZeroDuty->setChecked(o.ng_dyzur0);
    cb_AutoMoveOvertime->setChecked(o.ng_przenos);
    show_time(*me_NightFrom, o.noc_od, true);
    show_time(*me_NightLength, o.noc_do, false);
    show_time(*me_DayStart, o.doba_od, true);
    sag_DayOff->show_settings(o.day_off);
    show_lists(o);
    se_PersonsPerPage->setValue(o.osoby);
    se_iws_PersonsPerPage->setValue(o.osoby_ind);
    cb_iws_DisplayType->setCurrentIndex(o.wyswietlaj_ind);
    cb_DiffCalcMode->setChecked(o.roznica);
    ts_LawCheck->show_limits(o.law);
}

void OptionsDialog::show_lists(const Options& o) {
    m_Occupations->setPlainText(memo_text(o.occupations));
    m_Educations->setPlainText(memo_text(o.educations));
}

std::optional<Options> OptionsDialog::edited() const {
    Prompter& prompter = app_.prompter();
    bool refused = false;
    const auto text = [&](const QString& typed, std::string_view refuse = {}) {
        std::optional<std::string> stored = typed_cp1250(typed, refuse);
        if (!stored) refused = true;
        return stored.value_or(std::string());
    };
    Options o = app_.options();
    o.miejscowosc = text(e_Place->text());
    o.kod = text(e_ZipCode->text());
    o.adres = text(e_Address->text());
    o.firma = text(m_Company->toPlainText(), kStoredSeparator);
    o.symbol_8 = text(e_Symb_8->text());
    o.symbol_d = text(e_Symb_D->text());
    o.symbol_other = text(e_SymbOther->text());
    o.CalendarDisplay = cb_CalendarDisplay->currentIndex();
    o.autoarchiving = se_AutoArchiving->value();
    o.DeletePrintoutsFilesAfterClose = cb_DeletePrintoutsFilesAfterClose->isChecked();
    o.lang = cb_Language->currentIndex();
    o.ng_swieto = cb_OvertimeHoliday->isChecked();
    o.ng_dyzur0 = cb_OvertimeZeroDuty->isChecked();
    o.ng_przenos = cb_AutoMoveOvertime->isChecked();
    const auto names = sag_DayOff->names();
    const auto symbols = sag_DayOff->symbols();
    for (int i = 0; i < kDayOffTypeCount; ++i) {
        o.day_off[i].name = text(names[i]);
        o.day_off[i].symbol = text(symbols[i]);
        if (day_off_types()[i].norm_editable) o.day_off[i].lowers_norm = sag_DayOff->lowers_norm(i);
    }
    o.occupations = memo_items(text(m_Occupations->toPlainText(), kStoredSeparator));
    o.educations = memo_items(text(m_Educations->toPlainText(), kStoredSeparator));
    o.osoby = se_PersonsPerPage->value();
    o.osoby_ind = se_iws_PersonsPerPage->value();
    o.wyswietlaj_ind = cb_iws_DisplayType->currentIndex();
    o.roznica = cb_DiffCalcMode->isChecked();
    if (refused) {
        prompter.inform(character_refused_message());
        return std::nullopt;
    }
    const std::pair<TimeValue Options::*, const QLineEdit*> lengths[] = {
        {&Options::ng_powyzej, me_OvertimeAbove}, {&Options::noc_do, me_NightLength}};
    for (const auto& [field, edit] : lengths) {
        const std::optional<TimeValue> time = read_time(*edit, prompter);
        if (!time) return std::nullopt;
        o.*field = *time;
    }
    const std::pair<TimeValue Options::*, const QLineEdit*> clocks[] = {
        {&Options::ng_od, me_OvertimeFrom},
        {&Options::ng_do, me_OvertimeTo},
        {&Options::noc_od, me_NightFrom},
        {&Options::doba_od, me_DayStart}};
    for (const auto& [field, edit] : clocks) {
        const std::optional<TimeValue> time = read_clock(*edit, prompter);
        if (!time) return std::nullopt;
        o.*field = *time;
    }
    const std::optional<LawLimits> law = ts_LawCheck->limits(prompter);
    if (!law) return std::nullopt;
    o.law = *law;
    return o;
}

// The language applies to every window at once; Anuluj does not take it back, so the choice is
// kept as the one in force. The suggestion lists of that language fill the memos.
void OptionsDialog::cb_LanguageChange(int index) {
    const Result<LanguageFile> file =
        choose_language(app_.folders().resources, index, system_is_polish());
    if (!file) return app_.prompter().inform(file.status().message());
    app_.options().lang = index;
    const std::string name = language_name(index, system_is_polish());
    use_qt_translations(name);
    Options lists;
    read_suggestions(load_options_file(app_.data_folder()), name, lists);
    show_lists(lists);
    apply_language_to_all(file.value());
    emit language_changed();
}

void OptionsDialog::sb_SaveClick() {
    const std::optional<Options> o = edited();
    if (!o) return;
    tell(app_.prompter(),
         zapisz_opcje(app_.data_folder(), *o, language_name(o->lang, system_is_polish()),
                      group_editor_showing()));
}

void OptionsDialog::sb_OkClick() {
    const std::optional<Options> o = edited();
    if (!o) return;
    app_.options() = *o;
    app_.roster().norm_flags = norm_flags_of(*o);
    accept();
}

void OptionsDialog::l_PasswordChangeClick() {
    LoginDialog login(*store_, LoginDialog::Mode::Change, this);
    login.exec();
}

}  // namespace tabrel
