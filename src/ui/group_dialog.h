#pragma once

#include <QDialog>
#include <optional>

#include "app/app_state.h"
#include "editing/group_editor.h"

class QCheckBox;
class QLineEdit;
class QRadioButton;
class QTabWidget;
class QToolButton;

namespace tabrel {

class ColourPanel;
class ShiftTable;

// "Dodaj/Edytuj grupę": creates a group or edits the current one. Created once and reused, so
// a new group starts from what the controls held when the dialog was last closed.
class GroupDialog : public QDialog {
    Q_OBJECT
public:
    // The tabs in the order they are shown.
    enum class Tab { Data, Shifts, Norm, Automat };

    explicit GroupDialog(AppState& app, QWidget* parent = nullptr);

    // sb_addgrupaClick: an empty name, two shift rows, a new light colour.
    void prepare_new();
    // cb_grupaDblClick: every control from the group.
    void prepare_edit(const Group& group);
    bool is_new() const { return !edited_id_; }

    GroupForm form() const;
    void show_tab(Tab tab);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QWidget* build_data_tab();
    QWidget* build_shifts_tab();
    QWidget* build_norm_tab();
    QWidget* build_automat_tab();
    void load(const GroupForm& form);
    void a_OKExecute();
    void b_SaveAsDefaultClick();
    void b_AutoSystemResetClick();
    void store_auto_calc();

    AppState& app_;
    std::optional<uint16_t> edited_id_;

    QTabWidget* tabs;
    QLineEdit* e_GroupName;
    ColourPanel* p_ColorChoose;
    ShiftTable* sag_Shifts;
    QToolButton* tb_AutoCalc;
    QLineEdit* me_day8;
    QCheckBox* cb_SaturdayLikeHoliday;
    QCheckBox* cb_DayOffForHolidayOnSaturday;
    QCheckBox* cb_HoliHolidayNigths;
    QCheckBox* cb_WithoutHolidays;
    QCheckBox* cb_AlwaysResetBeforeStartAutomat;
    QRadioButton* rb_Algorithm[2];
    QRadioButton* rb_NormaResidue[3];
};

}  // namespace tabrel
