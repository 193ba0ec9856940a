#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTabWidget>
#include <memory>
#include <optional>

#include "app/app_state.h"
#include "base/settings_store.h"
#include "day_off_grid.h"
#include "law_limits_page.h"

namespace tabrel {

// "Konfiguracja": edits a copy of the program's settings. OK applies them, "Zapisz" writes
// them to konfiguracja.ini, Anuluj drops them.
class OptionsDialog : public QDialog {
    Q_OBJECT
public:
    OptionsDialog(AppState& app, std::unique_ptr<SettingsStore> store, QWidget* parent = nullptr);

    // Shows the settings in force, on the first page.
    void prepare();
    // Shows the settings in force on the page of the suggestion lists, one of them focused.
    void prepare_lists(bool occupations);

    // The settings as the controls hold them, the rest as in force; nothing (and the user told
    // why) when a field holds what cannot be kept.
    std::optional<Options> edited() const;

signals:
    // The language file was applied to every window: texts built from it are to be rebuilt.
    void language_changed();

private:
    QWidget* build_company_page();
    QWidget* build_general_page();
    QWidget* build_overtime_page();
    QWidget* build_day_off_page();
    QWidget* build_lists_page();
    QWidget* build_printouts_page();
    QWidget* build_user_page();
    QLineEdit* text_field(const char* name);
    QCheckBox* check_box(const char* name, const char* caption);
    void show_options(const Options& options);
    void show_lists(const Options& options);
    void cb_LanguageChange(int index);
    void sb_SaveClick();
    void sb_OkClick();
    void l_PasswordChangeClick();

    AppState& app_;
    std::unique_ptr<SettingsStore> store_;
    QWidget* lists_page_;
    QTabWidget* tabs;
    QLineEdit* e_Place;
    QLineEdit* e_ZipCode;
    QLineEdit* e_Address;
    QPlainTextEdit* m_Company;
    QLineEdit* e_Symb_8;
    QLineEdit* e_Symb_D;
    QLineEdit* e_SymbOther;
    QComboBox* cb_CalendarDisplay;
    QSpinBox* se_AutoArchiving;
    QCheckBox* cb_DeletePrintoutsFilesAfterClose;
    QComboBox* cb_Language;
    QLineEdit* me_OvertimeAbove;
    QLineEdit* me_OvertimeFrom;
    QLineEdit* me_OvertimeTo;
    QCheckBox* cb_OvertimeHoliday;
    QCheckBox* cb_OvertimeZeroDuty;
    QCheckBox* cb_AutoMoveOvertime;
    QLineEdit* me_NightFrom;
    QLineEdit* me_NightLength;
    QLineEdit* me_DayStart;
    DayOffGrid* sag_DayOff;
    QPlainTextEdit* m_Occupations;
    QPlainTextEdit* m_Educations;
    QSpinBox* se_PersonsPerPage;
    QSpinBox* se_iws_PersonsPerPage;
    QComboBox* cb_iws_DisplayType;
    QCheckBox* cb_DiffCalcMode;
    LawLimitsPage* ts_LawCheck;
};

}  // namespace tabrel
