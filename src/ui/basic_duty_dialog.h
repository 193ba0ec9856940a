#pragma once

#include "editing/edit_context.h"

class QWidget;

namespace tabrel {

// A plain duty dialog: the length type, the other length and the note. OK hands the fields to
// the form, which decides and inserts.
class BasicDutyDialog : public DutyDialog {
public:
    explicit BasicDutyDialog(QWidget* parent) : parent_(parent) {}
    void show(DutyForm& form) override;

private:
    QWidget* parent_;
};

}  // namespace tabrel
