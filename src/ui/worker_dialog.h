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

    QTabWidget* tabs = nullptr;
    QLabel* l_id = nullptr;
    QLineEdit* e_Surname = nullptr;
    QLineEdit* e_Name = nullptr;
    QLineEdit* e_Nick = nullptr;
    ColourPanel* p_ColorChoose = nullptr;
    QComboBox* cb_Occupation = nullptr;
    QListWidget* clb_Group = nullptr;
    QComboBox* cb_Group = nullptr;
    QLineEdit* e_Address = nullptr;
    QLineEdit* e_PostOffice = nullptr;
    QLineEdit* e_ZipCode = nullptr;
    QLineEdit* e_PhoneNumber = nullptr;
    QLineEdit* e_Email = nullptr;
    QLineEdit* e_pesel = nullptr;
    QComboBox* cb_education = nullptr;
    QLineEdit* e_courses = nullptr;
    QLineEdit* e_user1 = nullptr;
    QLineEdit* e_user2 = nullptr;
    QLineEdit* e_user3 = nullptr;
    QLineEdit* me_CurrentYearHoliday = nullptr;
    QLineEdit* me_LastYearHoliday = nullptr;
    QSpinBox* se_CareDays = nullptr;
    QSpinBox* se_RehaDays = nullptr;
    QLineEdit* e_PartTime = nullptr;
    QLabel* l_LastMonthAutoHours = nullptr;
    QLineEdit* me_LastMonthHours = nullptr;
    QCheckBox* cb_wn_Norma = nullptr;
    QLineEdit* me_wnq_Norma = nullptr;
    QSlider* tb_PrefsDaysNights = nullptr;
    QSlider* tb_PrefsNormalHoliday = nullptr;
    QRadioButton* rb_WithoutAuto = nullptr;
    QRadioButton* rb_Auto8 = nullptr;
    QRadioButton* rb_AutoScheme = nullptr;
    QLineEdit* e_SystemPattern8 = nullptr;
    QSpinBox* se_AutoSystemStartFrom8 = nullptr;
    QLineEdit* e_SystemPattern = nullptr;
    QSpinBox* se_AutoSystemStartFrom = nullptr;
    QCheckBox* cb_AutoAsWeek = nullptr;
    QCheckBox* cb_Old = nullptr;
};

}  // namespace tabrel
