#pragma once

#include <QDialog>
#include <functional>
#include <optional>

#include "app/app_state.h"
#include "editing/worker_editor.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QRadioButton;
class QSlider;
class QSpinBox;
class QTabWidget;

namespace tabrel {

class ColourPanel;

// "Dodaj/Edytuj pracownika": creates a worker or edits the selected one. Created once and
// reused, so the address and the planner settings carry over to the next new worker.
class WorkerDialog : public QDialog {
    Q_OBJECT
public:
    explicit WorkerDialog(AppState& app, QWidget* parent = nullptr);

    // sb_addpracowClick
    void prepare_new();
    // cb_kadraDblClick
    void prepare_edit(int worker_index);
    bool is_new() const { return !edited_index_; }

    WorkerForm form() const;
    // What OK stored, once the dialog has been accepted.
    const std::optional<StoredWorker>& stored() const { return stored_; }

    // Opens the configuration dialog on its "Inne" tab with the occupation list (true) or the
    // education list (false) focused. Unset, choosing "dostosuj listę" only keeps the text.
    std::function<void(bool occupations)> customise_list;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    QWidget* build_data_tab();
    QWidget* build_group_tab();
    QWidget* build_address_tab();
    QWidget* build_other_tab();
    QWidget* build_leave_tab();
    QWidget* build_time_tab();
    QWidget* build_automat_tab();
    QLineEdit* text_field(const char* name, QWidget* parent);
    QLineEdit* time_field(const char* name, const char* mask, QWidget* parent);
    QComboBox* list_field(const char* name, QWidget* parent);
    void apply_tab_visibility();
    void fill_groups();
    void fill_lists();
    void load(const WorkerForm& form);
    void list_chosen(QComboBox* list, bool occupations);
    void e_SurnameExit();
    bool filter_typed_key(QObject* field, const QKeyEvent* key);
    void sb_OkClick();
    char decimal() const;

    AppState& app_;
    std::optional<int> edited_index_;
    std::optional<StoredWorker> stored_;
    QString occupation_kept_;
    QString education_kept_;

    QTabWidget* tabs;
    QLabel* l_id;
    QLineEdit* e_Surname;
    QLineEdit* e_Name;
    QLineEdit* e_Nick;
    ColourPanel* p_ColorChoose;
    QComboBox* cb_Occupation;
    QListWidget* clb_Group;
    QComboBox* cb_Group;
    QLineEdit* e_Address;
    QLineEdit* e_PostOffice;
    QLineEdit* e_ZipCode;
    QLineEdit* e_PhoneNumber;
    QLineEdit* e_Email;
    QLineEdit* e_pesel;
    QComboBox* cb_education;
    QLineEdit* e_courses;
    QLineEdit* e_user1;
    QLineEdit* e_user2;
    QLineEdit* e_user3;
    QLineEdit* me_CurrentYearHoliday;
    QLineEdit* me_LastYearHoliday;
    QSpinBox* se_CareDays;
    QSpinBox* se_RehaDays;
    QLineEdit* e_PartTime;
    QLabel* l_LastMonthAutoHours;
    QLineEdit* me_LastMonthHours;
    QCheckBox* cb_wn_Norma;
    QLineEdit* me_wnq_Norma;
    QSlider* tb_PrefsDaysNights;
    QSlider* tb_PrefsNormalHoliday;
    QRadioButton* rb_WithoutAuto;
    QRadioButton* rb_Auto8;
    QRadioButton* rb_AutoScheme;
    QLineEdit* e_SystemPattern8;
    QSpinBox* se_AutoSystemStartFrom8;
    QLineEdit* e_SystemPattern;
    QSpinBox* se_AutoSystemStartFrom;
    QCheckBox* cb_AutoAsWeek;
    QCheckBox* cb_Old;
};

}  // namespace tabrel
