#pragma once

#include "editing/edit_context.h"

class QWidget;

namespace tabrel {

// A plain day-off dialog: the kind and the last day (or the shift for "Bez dyżuru"). OK hands
// them to the form, which books and inserts the entry.
class BasicDayOffDialog : public DayOffDialog {
public:
    explicit BasicDayOffDialog(QWidget* parent) : parent_(parent) {}
    void show(DayOffForm& form) override;

private:
    QWidget* parent_;
};

}  // namespace tabrel
