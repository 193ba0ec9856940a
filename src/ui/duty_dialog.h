#pragma once

#include <QDialog>

#include "editing/edit_context.h"
#include "model/time_value.h"

class QButtonGroup;
class QCheckBox;
class QDialogButtonBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QScrollBar;

namespace tabrel {

// "Dodaj/Edytuj dyżur": mirrors a DutyForm, hands each edit to it and lets its OK decide.
class DutyDialog : public QDialog, public DutyFormView {
    Q_OBJECT
public:
    DutyDialog(Prompter& prompter, QWidget* parent);

    // Modal, for the form of one drop or "Zmień...".
    void show(DutyForm& form) override;
    using QDialog::show;
    // FormShow: the controls from the form, the type group focused.
    void load(DutyForm& form);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build_layout(QDialogButtonBox* buttons);
    void mirror();
    void mirror_type();
    void mirror_bar();
    bool leave_field(QObject* field);
    bool leave_focused_field();
    void rg_DutyTypeClick(int id);
    void pb_ShiftLengthScroll(int position);
    void sb_OkClick();

    QLabel* l_prac_idx = nullptr;
    QLabel* l_DateValue = nullptr;
    QGroupBox* rg_DutyType = nullptr;
    QButtonGroup* duty_types;  // ids in DutyType order
    QLineEdit* me_Time = nullptr;
    QLineEdit* me_DutyFrom = nullptr;
    QLineEdit* me_DutyTo = nullptr;
    QLineEdit* me_DutyOvertime = nullptr;
    QLabel* pb_DutyFrom = nullptr;
    QScrollBar* pb_ShiftLength = nullptr;
    QLabel* pb_DutyTo = nullptr;
    QLineEdit* e_Note = nullptr;
    QCheckBox* cb_DutyOnRequest = nullptr;
    Prompter& prompter_;
    DutyForm* form_ = nullptr;  // the form being shown
};

}  // namespace tabrel
