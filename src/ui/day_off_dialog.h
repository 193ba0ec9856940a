#pragma once

#include <QDialog>

#include "editing/edit_context.h"

class QComboBox;
class QDialogButtonBox;
class QLabel;
class QSpinBox;

namespace tabrel {

// "Dodaj/Edytuj wolne": mirrors a DayOffForm, hands each choice to it and lets its OK book
// and insert the entry.
class DayOffDialog : public QDialog, public DayOffFormView {
    Q_OBJECT
public:
    explicit DayOffDialog(QWidget* parent);

    // Modal, for the form of one drop.
    void show(DayOffForm& form) override;
    using QDialog::show;
    // FormShow: the list at the form's kind, the spins and labels from the form.
    void load(DayOffForm& form);

private:
    void build_layout(QDialogButtonBox* buttons);
    void mirror();
    void cb_DayOffType_Change(int position);
    void se_DayOffFromChange(int day);
    void se_DayOffToChange(int value);
    void sb_OkClick();

    QComboBox* cb_DayOffType;
    QLabel* l_DayOffFrom;
    QSpinBox* se_DayOffFrom;
    QLabel* l_DayOffTo;
    QSpinBox* se_DayOffTo;
    QLabel* l_DayOffLength;
    QLabel* l_DayOffLengthValue;
    DayOffForm* form_ = nullptr;  // the form being shown
};

}  // namespace tabrel
